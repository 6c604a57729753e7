// Which window is on top and has the focus while a dialog holds the program up, and what becomes
// of the windows a window manager minimises.

#include <algorithm>
#include <vector>

#include "tests/desktop/desktop.h"
#include "tests/desktop/steps.h"

namespace {

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

}  // namespace
