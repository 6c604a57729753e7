// Keys typed on a real keyboard: default buttons and the quit shortcut.

#include "model/globals.h"
#include "tests/desktop/desktop.h"
#include "tests/desktop/steps.h"

namespace {

std::string Mode(Desktop& d) {
  return d.OnUi([] { return Globals::Mode; });
}

TEST(DesktopKeys, ReturnAndEnterPressTheDefaultButton) {
  Desktop::Run([](Desktop& d) {
    d.CloseSplash();
    XWindowId options = OpenFromMenu(d, "File", "Options...", kOptionsTitle);
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

TEST(DesktopKeys, CtrlQQuitsFromEveryUnblockedWindowAndTextFieldsKeepTheirEditKeys) {
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

}  // namespace
