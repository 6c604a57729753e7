#pragma once

#include <functional>
#include <memory>

#include "control.h"

class QTimer;

// Fires its Action on the user-interface thread every Period milliseconds (Repeating) or once
// (Once), for as long as its window exists, until it is turned Off. A repeating firing that comes
// while another handler runs is dropped; a single firing waits until that handler has ended, and
// is dropped if the timer has been stopped or started afresh meanwhile.
class Timer : public Control {
 public:
  Timer(Window& owner, const ControlSpec& entry);
  ~Timer() override;

  TimerMode Mode() const { return mode_; }
  // Starts the timer afresh in the new mode, or stops it with Off.
  void SetMode(TimerMode mode);
  int Period() const { return period_; }

  std::function<void()> Action;

  // A firing as the framework delivers it; tests use it to deliver ticks without waiting.
  void Fire();

 private:
  TimerMode mode_ = TimerMode::Off;
  int period_;
  std::unique_ptr<QTimer> timer_;
  // Counts the starts and stops: a firing put off until later belongs to the run that was going
  // when it came, and the count tells whether that run is still going.
  std::shared_ptr<int> run_ = std::make_shared<int>(0);
};
