#pragma once

#include <functional>
#include <memory>

#include "control.h"

class QTimer;

// Fires its Action on the user-interface thread every Period milliseconds (Mode 2) or once
// (Mode 1), for as long as its window exists. A firing while another handler runs is dropped.
class Timer : public Control {
 public:
  Timer(Window& owner, const ControlSpec& entry);
  ~Timer() override;

  int Mode() const { return mode_; }
  int Period() const { return period_; }

  std::function<void()> Action;

  // A firing as the framework delivers it; tests use it to deliver ticks without waiting.
  void Fire();

 private:
  int mode_;
  int period_;
  std::unique_ptr<QTimer> timer_;
};
