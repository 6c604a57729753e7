#include "timer.h"

#include <QTimer>

#include "event_gate.h"
#include "window.h"

Timer::Timer(Window& owner, const ControlSpec& entry)
    : Control(owner, entry), mode_(kOff), period_(entry.Period) {
  timer_ = std::make_unique<QTimer>();
  // The splash's eight seconds and the animation's 20 and 40 ms are meant to the millisecond.
  timer_->setTimerType(Qt::PreciseTimer);
  timer_->setInterval(period_);
  QObject::connect(timer_.get(), &QTimer::timeout, [this] { Fire(); });
  SetMode(entry.TimerMode);
}

Timer::~Timer() = default;

void Timer::SetMode(int mode) {
  mode_ = mode;
  timer_->stop();
  if (mode_ == kOff) return;
  timer_->setSingleShot(mode_ == kOnce);
  timer_->start();
}

void Timer::Fire() {
  if (Owner().IsClosed()) return;
  if (mode_ == kOnce && EventGate::Busy()) {
    // A single firing is not lost to a handler that holds the program up (a message box, say):
    // it comes as soon as that handler ends.
    EventGate::Later([this, alive = std::weak_ptr<bool>(alive_)] {
      if (!alive.expired() && !Owner().IsClosed() && Enabled() && Action) Action();
    });
    return;
  }
  Raise(Action);
}
