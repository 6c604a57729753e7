// The program on a real X server with a window manager, used with real clicks and keys: what the
// offscreen windows cannot show, that is stacking, focus, keys, timer timing and the pixels drawn.

#include <QApplication>
#include <QHeaderView>
#include <QTreeWidget>
#include <algorithm>
#include <cstdio>
#include <memory>
#include <thread>
#include <vector>

#include "darwins_theory/window_sim_l1.h"
#include "model/globals.h"
#include "platform/list_controls.h"
#include "platform/timer.h"
#include "platform/window.h"
#include "tests/desktop/desktop.h"
#include "tests/desktop/ink.h"

namespace {

constexpr const char* kMutationsTitle = "Mutation's Role";
constexpr const char* kOptionsTitle = "Skellith Options";
constexpr const char* kAboutTitle = "About Skellith";
constexpr const char* kManualTitle = "Skellith Online Manual";

void WaitForCount(Desktop& d, const char* title, const std::string& count) {
  d.WaitFor(count + " organisms in " + title,
            [&] { return d.Text(title, "StaticTextNumRemaining") == count; });
}

// Variable off, New Population, then Reproduce until the population passes its ceiling: 50 dots
// of the middle class double four times, and the fifth press stops at 1000 with the ceiling
// message, which is left up.
void ReproduceToTheCeiling(Desktop& d) {
  d.ClickControl(kMainTitle, "CheckBoxVariable");
  d.ClickControl(kMainTitle, "PushButtonNewPop");
  WaitForCount(d, kMainTitle, "50");
  for (int n = 100; n <= 800; n *= 2) {
    d.ClickControl(kMainTitle, "PushButtonDivide");
    WaitForCount(d, kMainTitle, std::to_string(n));
  }
  d.ClickControl(kMainTitle, "PushButtonDivide");
  d.WaitFor("the ceiling message", [&] { return d.Viewable(d.MessageBox()); });
}

void CloseMessageBoxWithReturn(Desktop& d) {
  const XWindowId box = d.MessageBox();
  d.WaitFor("the message box to have the focus", [&] { return d.Active() == box; });
  d.Key("Return");
  d.WaitFor("the message box to close", [&] { return d.MessageBox() == 0; });
}

XWindowId OpenFromMenu(Desktop& d, const char* menu, const char* item, const char* title) {
  d.ChooseMenu(menu, item);
  d.WaitFor(std::string(title) + " shown", [&] { return d.Shown(title); });
  // Keys go where the window manager puts the focus, and it gives a new window the focus.
  const XWindowId window = d.WindowOf(title);
  d.WaitFor(std::string(title) + " to have the focus", [&] { return d.Active() == window; });
  return window;
}

void CloseWithClick(Desktop& d, const char* title, const char* button) {
  d.ClickControl(title, button);
  d.WaitFor(std::string(title) + " closed", [&] { return d.WindowOf(title) == 0; });
}

// Whether a window is above every other shown window of the program, and has the focus.
testing::AssertionResult OnTop(Desktop& d, XWindowId window, std::vector<XWindowId> others) {
  const auto stack = d.Stacking();
  auto level = [&](XWindowId w) {
    return std::find(stack.begin(), stack.end(), w) - stack.begin();
  };
  if (!d.Viewable(window)) return testing::AssertionFailure() << "window " << window << " unseen";
  for (XWindowId other : others) {
    if (d.Viewable(other) && level(other) > level(window)) {
      return testing::AssertionFailure() << "window " << other << " stays above " << window;
    }
  }
  if (d.Active() != window) return testing::AssertionFailure() << window << " has no focus";
  return testing::AssertionSuccess();
}

void ExpectOnTop(Desktop& d, XWindowId window, std::vector<XWindowId> others) {
  d.WaitFor(
      "the dialog on top", [&] { return bool(OnTop(d, window, others)); }, 2s);
  EXPECT_TRUE(OnTop(d, window, others));
}

// A row of a history list as the screen shows it: each cell's box and stored text, and the font
// the list draws in.
struct ShownRow {
  bool visible = false;
  QFont font;
  std::vector<std::pair<QRect, std::string>> cells;
};

ShownRow HistoryRow(Desktop& d, const char* title, int row) {
  const QPoint origin = d.Origin(d.WindowOf(title));
  return d.OnUi([=] {
    ShownRow shown;
    Window* w = Desktop::OpenWindowTitled(title);
    auto* tree = w ? static_cast<QTreeWidget*>(w->ControlByName("ListBox1")->Widget()) : nullptr;
    QTreeWidgetItem* item = tree ? tree->topLevelItem(row) : nullptr;
    if (!item) return shown;
    const QRect line = tree->visualItemRect(item);
    const QRect view = tree->viewport()->rect();
    shown.visible = view.contains(line);
    shown.font = tree->font();
    const QPoint at = origin + tree->viewport()->mapTo(w->Widget(), QPoint(0, 0));
    for (int c = 0; c < tree->columnCount(); ++c) {
      const QRect cell(tree->header()->sectionViewportPosition(c), line.top(),
                       tree->header()->sectionSize(c), line.height());
      shown.cells.emplace_back((cell & view).translated(at), item->text(c).toStdString());
    }
    return shown;
  });
}

// Every cell of the row holds the wanted text and shows all of it on the screen.
void ExpectRowShownWhole(Desktop& d, const char* title, int row,
                         const std::vector<std::string>& want) {
  ShownRow shown;
  QImage shot;
  QRect area;
  auto whole = [&] {
    shown = HistoryRow(d, title, row);
    if (!shown.visible) return false;
    area = QRect();
    for (const auto& [box, text] : shown.cells) area |= box;
    shot = d.Grab(area);
    return std::all_of(shown.cells.begin(), shown.cells.end(), [&](const auto& cell) {
      return bool(
          ShowsWhole(shot, cell.first.translated(-area.topLeft()), shown.font, cell.second));
    });
  };
  d.WaitFor("row " + std::to_string(row) + " drawn whole", whole, 3s);
  ASSERT_EQ(shown.cells.size(), want.size());
  for (size_t c = 0; c < want.size(); ++c) {
    const auto& [box, text] = shown.cells[c];
    EXPECT_EQ(text, want[c]) << "row " << row << ", column " << c;
    EXPECT_TRUE(ShowsWhole(shot, box.translated(-area.topLeft()), shown.font, text))
        << "row " << row << ", column " << c;
  }
}

void ExpectLabelShownWhole(Desktop& d, const char* title, const char* label,
                           const std::string& want) {
  EXPECT_EQ(d.Text(title, label), want);
  const QRect box = d.ScreenRect(title, label);
  const QFont font = d.OnUi(
      [=] { return Desktop::OpenWindowTitled(title)->ControlByName(label)->Widget()->font(); });
  QImage shot;
  auto whole = [&] {
    shot = d.Grab(box);
    return bool(ShowsWhole(shot, shot.rect(), font, want));
  };
  d.WaitFor(std::string(label) + " drawn whole", whole, 3s);
  EXPECT_TRUE(ShowsWhole(shot, shot.rect(), font, want)) << label;
}

bool MainRunning(Desktop& d) {
  return d.OnUi([] {
    auto* w = dynamic_cast<class WindowSimL1*>(Desktop::OpenWindowTitled(kMainTitle));
    return w && w->Running;
  });
}

std::string Mode(Desktop& d) {
  return d.OnUi([] { return Globals::Mode; });
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

TEST(DesktopHistory, EveryCellShowsItsWholeNumber) {
  Desktop::Run([](Desktop& d) {
    d.MoveSplashAside();
    ReproduceToTheCeiling(d);
    CloseMessageBoxWithReturn(d);
    d.ClickControl(kMainTitle, "DisclosureTriangle1");
    // Generations 0 to 5 of dots of the middle class: 50 doubling up to the ceiling of 1000.
    for (int g = 0; g <= 5; ++g) {
      const std::string n = std::to_string(std::min(50 << g, 1000));
      ExpectRowShownWhole(d, kMainTitle, g, {std::to_string(g), "0", "0", "0", n, "0", "0", "0"});
    }

    // Three-digit generations: an empty population reproduced a hundred times.
    OpenFromMenu(d, "Window", "Mutation's Role", kMutationsTitle);
    d.ClickToFocus(kMutationsTitle, "EditFieldPopSz");
    d.Key("a", {"Control_L"});
    d.Type("0");
    d.WaitFor("a size of 0", [&] { return d.Text(kMutationsTitle, "EditFieldPopSz") == "0"; });
    d.ClickControl(kMutationsTitle, "PushButtonNewPop");
    WaitForCount(d, kMutationsTitle, "0");
    const QPoint reproduce = d.ScreenRect(kMutationsTitle, "PushButtonDivide").center();
    auto rows = [&] {
      return d.OnUi([] {
        return Desktop::OpenWindowTitled(kMutationsTitle)->Find<Listbox>("ListBox1").ListCount();
      });
    };
    for (int g = 1; g <= 100; ++g) {
      d.Click(reproduce);
      if (!d.WaitFor("generation " + std::to_string(g), [&] { return rows() == g + 1; })) return;
    }
    d.ClickControl(kMutationsTitle, "DisclosureTriangle1");
    const XWindowId mutations = d.WindowOf(kMutationsTitle);
    d.WaitFor("the history panel", [&] { return d.Size(mutations).width() == 750; });
    const QPoint list = d.ScreenRect(kMutationsTitle, "ListBox1").center();
    d.WaitFor("the last row scrolled into view", [&] {
      d.Wheel(list, 5);
      return HistoryRow(d, kMutationsTitle, 100).visible;
    });
    ExpectRowShownWhole(d, kMutationsTitle, 100, {"100", "0", "0", "0", "0", "0", "0", "0"});
  });
}

TEST(DesktopHistograms, MaximumLabelsShowTheirWholeNumber) {
  Desktop::Run([](Desktop& d) {
    d.MoveSplashAside();
    ReproduceToTheCeiling(d);
    CloseMessageBoxWithReturn(d);
    ExpectLabelShownWhole(d, kMainTitle, "StaticTextMaxCurrent", "1000");
    ExpectLabelShownWhole(d, kMainTitle, "StaticTextMaxStart", "50");
    // The labels still end where the layout ends them, beside the axis ticks.
    const int left = d.ScreenPoint(kMainTitle, QPoint(0, 0)).x();
    EXPECT_EQ(d.ScreenRect(kMainTitle, "StaticTextMaxCurrent").right() - left, 346 + 20 - 1);
    EXPECT_EQ(d.ScreenRect(kMainTitle, "StaticTextMaxStart").right() - left, 346 + 20 - 1);
  });
}

TEST(DesktopSplash, ClosesOnceAMessageThatOutlastedItsTimerCloses) {
  Desktop::Run([](Desktop& d) {
    const auto opened = std::chrono::steady_clock::now();
    const XWindowId splash = d.Splash();
    ASSERT_TRUE(d.Viewable(splash));
    d.MoveSplashAside();
    ReproduceToTheCeiling(d);
    d.WaitFor(
        "the splash's eight seconds to pass",
        [&] { return std::chrono::steady_clock::now() - opened > 8500ms; }, 10s);
    CloseMessageBoxWithReturn(d);
    EXPECT_TRUE(d.WaitFor(
        "the splash to close", [&] { return !d.Viewable(splash); }, 1s));
  });
}

TEST(DesktopStacking, DialogsOpenAboveEveryWindowAndStayThere) {
  Desktop::Run([](Desktop& d) {
    const XWindowId splash = d.Splash();
    const XWindowId main = d.WindowOf(kMainTitle);
    d.MoveSplashAside();

    // Against the splash, which stays on top for its eight seconds.
    ReproduceToTheCeiling(d);
    ExpectOnTop(d, d.MessageBox(), {splash, main});
    CloseMessageBoxWithReturn(d);
    ExpectOnTop(d, OpenFromMenu(d, "File", "Options...", kOptionsTitle), {splash, main});
    CloseWithClick(d, kOptionsTitle, "PushButtonOkay");
    ExpectOnTop(d, OpenFromMenu(d, "Help", "About Skellith...", kAboutTitle), {splash, main});
    CloseWithClick(d, kAboutTitle, "PushButtonClose");
    EXPECT_TRUE(d.Viewable(splash)) << "the splash closed before the checks against it ended";

    // Against the online manual, which floats above the other windows.
    const XWindowId manual = OpenFromMenu(d, "Help", "Online manual...", kManualTitle);
    ExpectOnTop(d, OpenFromMenu(d, "File", "Options...", kOptionsTitle), {manual, main});
    CloseWithClick(d, kOptionsTitle, "PushButtonOkay");
    ExpectOnTop(d, OpenFromMenu(d, "Help", "About Skellith...", kAboutTitle), {manual, main});
    CloseWithClick(d, kAboutTitle, "PushButtonClose");
    ReproduceToTheCeiling(d);
    ExpectOnTop(d, d.MessageBox(), {manual, main});
    CloseMessageBoxWithReturn(d);
  });
}

TEST(DesktopKeys, ReturnAndEnterPressTheDefaultButton) {
  Desktop::Run([](Desktop& d) {
    d.CloseSplash();
    XWindowId options = OpenFromMenu(d, "File", "Options...", kOptionsTitle);
    d.WaitFor("the dialog to have the focus", [&] { return d.Active() == options; });
    d.Key("Return");
    EXPECT_TRUE(d.WaitFor("Return to close the dialog", [&] { return !d.Viewable(options); }));

    // Keypad Enter, with a radio button holding the focus.
    options = OpenFromMenu(d, "File", "Options...", kOptionsTitle);
    d.ClickToFocus(kOptionsTitle, "RadioButtonSize");
    d.Key("KP_Enter");
    EXPECT_TRUE(d.WaitFor("Enter to close the dialog", [&] { return !d.Viewable(options); }));
    EXPECT_EQ(Mode(d), "Size");
    EXPECT_EQ(d.Text(kMainTitle, "StaticText1"), "Size of dots is:");
  });
}

TEST(DesktopKeys, CtrlQQuitsFromEveryWindowThatNoDialogBlocks) {
  auto quitsFrom = [](Desktop& d, XWindowId front) {
    d.WaitFor("the window to have the focus", [&] { return d.Active() == front; });
    d.Key("q", {"Control_L"});
    EXPECT_TRUE(d.WaitFor("the program to quit", [&] { return !d.Running(); }));
  };
  Desktop::Run([&](Desktop& d) { quitsFrom(d, d.Splash()); });
  Desktop::Run([&](Desktop& d) {
    d.CloseSplash();
    quitsFrom(d, OpenFromMenu(d, "Help", "Online manual...", kManualTitle));
  });
  Desktop::Run([&](Desktop& d) {
    d.CloseSplash();
    quitsFrom(d, OpenFromMenu(d, "Help", "About Skellith...", kAboutTitle));
  });
  Desktop::Run([&](Desktop& d) {
    d.CloseSplash();
    // The options dialog blocks every other window: Ctrl+Q does nothing, Return still closes it.
    const XWindowId options = OpenFromMenu(d, "File", "Options...", kOptionsTitle);
    d.WaitFor("the dialog to have the focus", [&] { return d.Active() == options; });
    d.Key("q", {"Control_L"});
    d.Key("Return");
    d.WaitFor("the dialog to close", [&] { return !d.Running() || !d.Viewable(options); });
    ASSERT_TRUE(d.Running()) << "Ctrl+Q quit past the options dialog";

    // A text field keeps its own edit keys.
    OpenFromMenu(d, "Window", "Mutation's Role", kMutationsTitle);
    d.ClickToFocus(kMutationsTitle, "EditFieldPopSz");
    d.Key("a", {"Control_L"});
    d.Key("x", {"Control_L"});
    EXPECT_TRUE(d.WaitFor("Ctrl+X to cut the size",
                          [&] { return d.Text(kMutationsTitle, "EditFieldPopSz").empty(); }));
    d.Key("v", {"Control_L"});
    EXPECT_TRUE(d.WaitFor("Ctrl+V to paste it back",
                          [&] { return d.Text(kMutationsTitle, "EditFieldPopSz") == "50"; }));
    quitsFrom(d, d.WindowOf(kMutationsTitle));
  });
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

TEST(DesktopWindows, AnEnlargedSplashIsWhiteToItsEdgesAndClosesOnAnyClick) {
  Desktop::Run([](Desktop& d) {
    const XWindowId splash = d.Splash();
    const QSize large(520, 560);
    d.Resize(splash, large);
    d.WaitFor("the splash enlarged", [&] { return d.Size(splash) == large; });
    // Right of and below the layout's 327 x 371, inside the window.
    const QRect right(d.Origin(splash) + QPoint(340, 0),
                      QSize(large.width() - 340, large.height()));
    const QRect below(d.Origin(splash) + QPoint(0, 420),
                      QSize(large.width(), large.height() - 420));
    auto white = [&](const QRect& area) {
      const QImage shot = d.Grab(area);
      for (int y = 0; y < shot.height(); ++y) {
        for (int x = 0; x < shot.width(); ++x) {
          if (shot.pixel(x, y) != qRgb(255, 255, 255)) return false;
        }
      }
      return true;
    };
    EXPECT_TRUE(d.WaitFor(
        "white to the edges", [&] { return white(right) && white(below); }, 2s));
    d.Click(d.Origin(splash) + QPoint(large.width() - 10, large.height() - 10));
    EXPECT_TRUE(d.WaitFor("the splash to close", [&] { return !d.Viewable(splash); }));
  });
}

TEST(DesktopWindows, TheManualShowsItsScrollBarForEveryTopic) {
  Desktop::Run([](Desktop& d) {
    d.CloseSplash();
    OpenFromMenu(d, "Help", "Online manual...", kManualTitle);
    // The shortest topic, "Quitting Skellith", is the last row of the pop-up.
    d.ClickControl(kManualTitle, "PopupMenuTopics");
    d.WaitFor("the topics listed",
              [&] { return d.OnUi([] { return QApplication::activePopupWidget() != nullptr; }); });
    d.Key("End");
    d.Key("Return");
    d.WaitFor("the quitting topic", [&] {
      return d.Text(kManualTitle, "HelpText").find("QUITTING") != std::string::npos;
    });
    // The bar's strip at the field's right edge is drawn in greys, not left white.
    const QRect field = d.ScreenRect(kManualTitle, "HelpText");
    const QRect strip(field.right() - 12, field.top() + 20, 8, field.height() - 40);
    auto drawn = [&] {
      const QImage shot = d.Grab(strip);
      int grey = 0;
      for (int y = 0; y < shot.height(); ++y) {
        for (int x = 0; x < shot.width(); ++x) grey += shot.pixel(x, y) != qRgb(255, 255, 255);
      }
      return grey > shot.width() * shot.height() / 2;
    };
    EXPECT_TRUE(d.WaitFor("the scroll bar drawn", drawn, 2s));
  });
}

}  // namespace
