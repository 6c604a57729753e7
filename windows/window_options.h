#pragma once

#include "platform/window.h"

class PushButton;
class RadioButton;
class StaticText;

// "Skellith Options": chooses the trait in which the organisms vary. Closing it stores the mode
// and resets every open simulation window for it, whether or not the mode changed.
class WindowOptions : public Window {
 public:
  WindowOptions();

  RadioButton* RadioButtonSpeed = nullptr;
  RadioButton* RadioButtonSize = nullptr;
  RadioButton* RadioButtonVisibility = nullptr;
  StaticText* StaticText1 = nullptr;
  PushButton* PushButtonOkay = nullptr;

  void Event_Open() override;
  void Event_Close() override;
  void PushButtonOkay_Action();
};

// The dialog's single instance: the open one, or a new one built from the layout.
class WindowOptions& WindowOptions();
