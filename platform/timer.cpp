#include "timer.h"

#include <QTimer>

#include "event_gate.h"
#include "window.h"

Timer::Timer(Window& owner, const ControlSpec& entry)
    : Control(owner, entry), period_(entry.Period) {
  timer_ = std::make_unique<QTimer>();
  // The splash's eight seconds and the animation's 20 and 40 ms are meant to the millisecond.
  timer_->setTimerType(Qt::PreciseTimer);
  timer_->setInterval(period_);
  QObject::connect(timer_.get(), &QTimer::timeout, [this] { Fire(); });
  SetMode(entry.TimerMode);
}

Timer::~Timer() = default;

void Timer::SetMode(TimerMode mode) {
  mode_ = mode;
  ++*run_;
  timer_->stop();
  if (mode_ == TimerMode::Off) return;
  timer_->setSingleShot(mode_ == TimerMode::Once);
  timer_->start();
}

void Timer::Fire() {
  if (Owner().IsClosed()) return;
  if (mode_ == TimerMode::Once && EventGate::Busy()) {
    // A single firing is not lost to a handler that holds the program up (a message box, say):
    // it comes as soon as that handler ends, unless the timer was stopped or started afresh.
    EventGate::Later([this, run = std::weak_ptr<int>(run_), scheduled = *run_] {
      const auto current = run.lock();
      if (current && *current == scheduled && !Owner().IsClosed() && Enabled() && Action) Action();
    });
    return;
  }
  Raise(Action);
}
