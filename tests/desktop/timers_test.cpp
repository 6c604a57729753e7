// Timers on a real event loop: their periods, and a program that sleeps while stopped.

#include <algorithm>
#include <cstdio>
#include <memory>
#include <thread>
#include <vector>

#include "darwins_theory/window_sim_l1.h"
#include "platform/timer.h"
#include "platform/window.h"
#include "tests/desktop/desktop.h"
#include "tests/desktop/steps.h"

namespace {

bool MainRunning(Desktop& d) {
  return d.OnUi([] {
    auto* w = dynamic_cast<class WindowSimL1*>(Desktop::OpenWindowTitled(kMainTitle));
    return w && w->Running;
  });
}

// Times the firings of a window's animation timer while it runs, in milliseconds apart.
std::vector<double> TickIntervals(Desktop& d, const char* title, size_t ticks) {
  auto stamps = std::make_shared<std::vector<double>>();
  d.OnUi([=] {
    Timer& timer = Desktop::OpenWindowTitled(title)->Find<Timer>("Timer1");
    timer.Action = [stamps, tick = timer.Action] {
      const auto now = std::chrono::steady_clock::now().time_since_epoch();
      stamps->push_back(std::chrono::duration<double, std::milli>(now).count());
      tick();
    };
  });
  d.ClickControl(title, "PushButtonRun");
  d.WaitFor(
      std::to_string(ticks) + " ticks",
      [&] { return d.OnUi([=] { return stamps->size(); }) > ticks; }, 10s);
  d.ClickControl(title, "PushButtonRun");
  const auto times = d.OnUi([=] { return *stamps; });
  std::vector<double> intervals;
  for (size_t i = 1; i < times.size() && i <= ticks; ++i)
    intervals.push_back(times[i] - times[i - 1]);
  return intervals;
}

double Quantile(std::vector<double> values, double q) {
  if (values.empty()) return 0;
  std::sort(values.begin(), values.end());
  return values[static_cast<size_t>(q * (values.size() - 1))];
}

void ExpectPeriodHolds(const std::vector<double>& intervals, double period) {
  ASSERT_FALSE(intervals.empty());
  std::vector<double> off;
  for (double i : intervals) off.push_back(std::abs(i - period));
  std::printf("%g ms timer: median %.2f ms, 90%% within %.2f ms\n", period,
              Quantile(intervals, 0.5), Quantile(off, 0.9));
  EXPECT_NEAR(Quantile(intervals, 0.5), period, 1.0);
  EXPECT_LE(Quantile(off, 0.9), 3.0);
}

TEST(DesktopTimers, SplashAndAnimationKeepTheirPeriods) {
  Desktop::Run([](Desktop& d) {
    const auto opened = std::chrono::steady_clock::now();
    const XWindowId splash = d.Splash();
    d.WaitFor(
        "the splash to close by itself", [&] { return !d.Viewable(splash); }, 10s);
    const auto shown = std::chrono::duration<double>(std::chrono::steady_clock::now() - opened);
    std::printf("splash shown for %.3f s\n", shown.count());
    EXPECT_NEAR(shown.count(), 8.0, 0.05);

    d.ClickControl(kMainTitle, "PushButtonNewPop");
    WaitForCount(d, kMainTitle, "50");
    ExpectPeriodHolds(TickIntervals(d, kMainTitle, 100), 20);

    OpenFromMenu(d, "Window", "Mutation's Role", kMutationsTitle);
    d.ClickControl(kMutationsTitle, "PushButtonNewPop");
    WaitForCount(d, kMutationsTitle, "50");
    ExpectPeriodHolds(TickIntervals(d, kMutationsTitle, 50), 40);
  });
}

TEST(DesktopTimers, AStoppedProgramSleeps) {
  Desktop::Run([](Desktop& d) {
    d.CloseSplash();
    d.ClickControl(kMainTitle, "PushButtonNewPop");
    WaitForCount(d, kMainTitle, "50");
    d.ClickControl(kMainTitle, "PushButtonRun");
    d.WaitFor("the dots to run", [&] { return MainRunning(d); });
    d.ClickControl(kMainTitle, "PushButtonRun");
    d.WaitFor("the dots to stop", [&] { return !MainRunning(d); });

    constexpr auto kMeasured = 3s;
    const long before = d.Wakeups();
    std::this_thread::sleep_for(kMeasured);
    const double perSecond = double(d.Wakeups() - before) / kMeasured.count();
    std::printf("stopped program: %.1f wakeups per second\n", perSecond);
    EXPECT_LE(perSecond, 1.0);
  });
}

}  // namespace
