#include "timer.h"

#include <QTimer>

#include "event_gate.h"
#include "window.h"

Timer::Timer(Window& owner, const ControlSpec& entry)
    : Control(owner, entry), mode_(entry.TimerMode), period_(entry.Period) {
  if (mode_ == 0) return;
  timer_ = std::make_unique<QTimer>();
  timer_->setInterval(period_);
  timer_->setSingleShot(mode_ == 1);
  QObject::connect(timer_.get(), &QTimer::timeout, [this] { Fire(); });
  timer_->start();
}

Timer::~Timer() = default;

void Timer::Fire() {
  if (Owner().IsClosed()) return;
  Raise(Action);
}
