#pragma once

#include <functional>
#include <memory>

#include "control.h"

class QTimer;

// Fires its Action on the user-interface thread every Period milliseconds (Mode 2) or once
// (Mode 1), for as long as its window exists; Mode 0 is off. A repeating firing that comes while
// another handler runs is dropped; a single firing waits until that handler has ended.
class Timer : public Control {
 public:
  static constexpr int kOff = 0;
  static constexpr int kOnce = 1;
  static constexpr int kRepeating = 2;

  Timer(Window& owner, const ControlSpec& entry);
  ~Timer() override;

  int Mode() const { return mode_; }
  // Starts the timer afresh in the new mode, or stops it with 0.
  void SetMode(int mode);
  int Period() const { return period_; }

  std::function<void()> Action;

  // A firing as the framework delivers it; tests use it to deliver ticks without waiting.
  void Fire();

 private:
  int mode_;
  int period_;
  std::unique_ptr<QTimer> timer_;
  // Lets a firing put off until later find out whether the timer is still there.
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};
