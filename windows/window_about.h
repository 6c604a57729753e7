#pragma once

#include "platform/window.h"

class Canvas;
class PushButton;
class StaticText;

// "About Skellith": title, cover picture, web address with a "Go there" button, and the About
// text. "OK", "Go there" or a click in the window closes it.
class WindowAbout : public Window {
 public:
  WindowAbout();

  StaticText* StaticText1 = nullptr;
  StaticText* LabelTitle = nullptr;
  StaticText* LabelWebAddress = nullptr;
  PushButton* PushButtonClose = nullptr;
  Canvas* Canvas1 = nullptr;
  PushButton* PushButton1 = nullptr;

  void PushButtonClose_Action();
  void PushButton1_Action();
  bool Event_MouseDown(int x, int y) override;
};

// The window's single instance: the open one, or a new one built from the layout.
class WindowAbout& WindowAbout();
