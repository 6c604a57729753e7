// The user's own window-manager commands hold while the manual and a blocking dialog are open: a
// switch to another workspace and "show desktop" stay as the user made them, the program leaves
// its windows where they are, and they are all back and usable afterwards.

#include <cstdio>
#include <functional>
#include <ostream>
#include <thread>
#include <vector>

#include "tests/desktop/desktop.h"
#include "tests/desktop/steps.h"

namespace {

enum class Dialog { Options, CeilingMessage };

void PrintTo(Dialog dialog, std::ostream* os) {
  *os << (dialog == Dialog::Options ? "Options" : "CeilingMessage");
}

// The main window, the manual and the dialog that holds the program up.
struct Scene {
  XWindowId main = 0, manual = 0, dialog = 0;
  std::vector<XWindowId> All() const { return {main, manual, dialog}; }
};

Scene Open(Desktop& d, Dialog dialog) {
  d.CloseSplash();
  Scene s;
  s.main = d.WindowOf(kMainTitle);
  s.manual = OpenFromMenu(d, "Help", "Online manual...", kManualTitle);
  if (dialog == Dialog::Options) {
    s.dialog = OpenFromMenu(d, "File", "Options...", kOptionsTitle);
  } else {
    // The manual floats above the main window's buttons.
    d.MoveAside(s.manual);
    ReproduceToTheCeiling(d);
    s.dialog = d.MessageBox();
  }
  // At a user's pace: fluxbox, switched away from a window it has yet to focus, focuses it after
  // the switch and so switches back.
  d.WaitFor(d.Name(s.dialog) + " to have the focus", [&] { return d.Active() == s.dialog; });
  return s;
}

// Watches for two seconds that the condition holds all along; the first failure ends the watch.
void HoldsFor2s(Desktop& d, const std::function<testing::AssertionResult()>& condition) {
  const auto until = std::chrono::steady_clock::now() + 2s;
  while (std::chrono::steady_clock::now() < until) {
    const testing::AssertionResult held = condition();
    if (!held) {
      ADD_FAILURE() << held.message() << "; screenshot: " << d.SaveFailureScreen();
      return;
    }
    std::this_thread::sleep_for(20ms);
  }
}

// All three are on screen again, the dialog still has the keys, and Return answers it.
void ExpectAllBackAndUsable(Desktop& d, const Scene& s) {
  for (XWindowId w : s.All()) d.WaitFor(d.Name(w) + " shown", [&] { return d.Viewable(w); });
  d.WaitFor(d.Name(s.dialog) + " to have the focus", [&] { return d.Active() == s.dialog; });
  d.Key("Return");
  d.WaitFor(d.Name(s.dialog) + " answered", [&] { return !d.Viewable(s.dialog); });
  EXPECT_TRUE(d.Viewable(s.main)) << "the main window went with the dialog";
}

class DesktopWorkspaces : public testing::TestWithParam<Dialog> {};

TEST_P(DesktopWorkspaces, ASwitchToAnotherWorkspaceHoldsAndAllIsBackOnReturn) {
  Desktop::Run([](Desktop& d) {
    const Scene s = Open(d, GetParam());
    std::vector<unsigned long> on;
    for (XWindowId w : s.All()) on.push_back(d.WorkspaceOf(w));
    const unsigned long home = d.CurrentWorkspace(), away = home == 0 ? 1 : 0;

    d.SwitchToWorkspace(away);
    d.WaitFor("the switch", [&] { return d.CurrentWorkspace() == away; });
    const double cpu = d.ProgramCpuSeconds();
    HoldsFor2s(d, [&]() -> testing::AssertionResult {
      if (d.CurrentWorkspace() != away) return testing::AssertionFailure() << "pulled back";
      for (size_t i = 0; i < on.size(); ++i) {
        if (d.WorkspaceOf(s.All()[i]) != on[i]) {
          return testing::AssertionFailure() << d.Name(s.All()[i]) << " moved to the workspace";
        }
      }
      return testing::AssertionSuccess();
    });
    const double share = (d.ProgramCpuSeconds() - cpu) / 2;
    std::printf("on another workspace: %.1f %% of a core\n", 100 * share);
    EXPECT_LT(share, 0.01) << "the program works while out of sight";

    d.SwitchToWorkspace(home);
    ExpectAllBackAndUsable(d, s);
  });
}

INSTANTIATE_TEST_SUITE_P(Dialogs, DesktopWorkspaces,
                         testing::Values(Dialog::Options, Dialog::CeilingMessage),
                         testing::PrintToStringParamName());

TEST(DesktopShowDesktop, HoldsAndAllIsBackAfter) {
  Desktop::Run([](Desktop& d) {
    if (!d.Supports("_NET_SHOWING_DESKTOP")) {
      GTEST_SKIP() << d.WindowManager() << " has no \"show desktop\"";
    }
    const Scene s = Open(d, Dialog::Options);
    d.ShowDesktop(true);
    d.WaitFor("the desktop shown", [&] { return d.ShowingDesktop(); });
    HoldsFor2s(d, [&]() -> testing::AssertionResult {
      if (!d.ShowingDesktop()) return testing::AssertionFailure() << "the desktop no longer shown";
      for (XWindowId w : s.All()) {
        if (d.Viewable(w)) return testing::AssertionFailure() << d.Name(w) << " over the desktop";
      }
      return testing::AssertionSuccess();
    });
    d.ShowDesktop(false);
    ExpectAllBackAndUsable(d, s);
  });
}

}  // namespace
