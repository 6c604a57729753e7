#include "control.h"

#include <QWidget>

#include "event_gate.h"
#include "qt_text.h"
#include "window.h"

Control::Control(Window& owner, const ControlSpec& entry)
    : RectControl(entry.Left, entry.Top, entry.Width, entry.Height),
      owner_(owner),
      name_(entry.Name),
      index_(entry.Index),
      tab_(entry.Tab),
      enabled_(entry.Enabled),
      visible_(entry.Visible) {}

// The widget is a child of the window's content and goes with it.
Control::~Control() = default;

void Control::Adopt(QWidget* widget, const ControlSpec& entry) {
  widget_ = widget;
  widget->setGeometry(Left(), Top(), Width(), Height());
  widget->setFont(FontOfSize(entry.TextSize));
  widget->setEnabled(enabled_);
  if (!entry.AcceptFocus) widget->setFocusPolicy(Qt::NoFocus);
  widget->setVisible(visible_);
}

void Control::SetEnabled(bool enabled) {
  enabled_ = enabled;
  if (widget_) widget_->setEnabled(enabled);
}

void Control::SetVisible(bool visible) {
  visible_ = visible;
  if (widget_) widget_->setVisible(visible);
}

void Control::Refresh(bool /*eraseBackground*/) {
  if (widget_) widget_->update();
}

void Control::RaiseOpen() {
  if (Open) Open();
}

void Control::Raise(const std::function<void()>& handler) {
  if (!enabled_ || !handler) return;
  EventGate::Dispatch(handler);
}
