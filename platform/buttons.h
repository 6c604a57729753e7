#pragma once

#include <functional>
#include <string>

#include "control.h"

class PushButton : public Control {
 public:
  PushButton(Window& owner, const ControlSpec& entry);
  std::string Caption() const;
  void SetCaption(const std::string& caption);
  bool Default() const;
  // Escape presses the cancel button of its window.
  bool Cancel() const { return cancel_; }
  std::function<void()> Action;
  // A press as the user makes it: nothing while disabled.
  void Push();

 private:
  bool cancel_;
};

class CheckBox : public Control {
 public:
  CheckBox(Window& owner, const ControlSpec& entry);
  std::string Caption() const;
  bool Value() const;
  void SetValue(bool value);
};

// The radio buttons of a window form one group: selecting one clears the others. The program may
// also clear them all.
class RadioButton : public Control {
 public:
  RadioButton(Window& owner, const ControlSpec& entry);
  std::string Caption() const;
  bool Value() const;
  void SetValue(bool value);
};

// Shows or hides a part of its window; a click toggles Value, then raises Action.
class DisclosureTriangle : public Control {
 public:
  DisclosureTriangle(Window& owner, const ControlSpec& entry);
  bool Value() const { return value_; }
  void SetValue(bool value);
  std::function<void()> Action;
  // A click as the user makes it.
  void Click();

 private:
  bool value_;
};
