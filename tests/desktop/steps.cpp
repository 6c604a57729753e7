#include "tests/desktop/steps.h"

#include "platform/buttons.h"
#include "platform/window.h"

void WaitForCount(Desktop& d, const char* title, const std::string& count) {
  d.WaitFor(count + " organisms in " + title,
            [&] { return d.Text(title, "StaticTextNumRemaining") == count; });
}

void ReproduceToTheCeiling(Desktop& d) {
  auto variable = [&] {
    return d.OnUi([] {
      Window* w = Desktop::OpenWindowTitled(kMainTitle);
      return w && w->Find<CheckBox>("CheckBoxVariable").Value();
    });
  };
  if (variable()) {
    d.ClickControl(kMainTitle, "CheckBoxVariable");
    d.WaitFor("Variable unticked", [&] { return !variable(); });
  }
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
