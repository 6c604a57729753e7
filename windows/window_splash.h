#pragma once

#include "platform/window.h"

class Canvas;
class StaticText;
class Timer;

// The greeting at start-up: title, web address, version and the cover picture. It closes itself
// once its timer fires, or at once when clicked.
class WindowSplash : public Window {
 public:
  WindowSplash();

  StaticText* LabelTitle = nullptr;
  StaticText* StaticText2 = nullptr;
  StaticText* StaticText1 = nullptr;
  Timer* Timer1 = nullptr;
  Canvas* Canvas1 = nullptr;

  void Timer1_Action();
  bool Event_MouseDown(int x, int y) override;
};

// The window's single instance: the open one, or a new one built from the layout.
class WindowSplash& WindowSplash();
