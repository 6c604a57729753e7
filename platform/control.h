#pragma once

#include <functional>
#include <string>

#include "core/layout.h"
#include "core/rect_control.h"

class QWidget;
class Window;

// The base of every control: its layout name, its place in window coordinates, and the Qt widget
// that shows it (none for a timer).
class Control : public RectControl {
 public:
  Control(Window& owner, const ControlSpec& entry);
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;
  ~Control() override;

  const std::string& Name() const { return name_; }
  int Index() const { return index_; }
  int TabIndex() const { return tab_; }
  Window& Owner() const { return owner_; }

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  virtual void Refresh(bool eraseBackground = true);

  QWidget* Widget() const { return widget_; }

  // The control's Open event; raised once, before its window's Open handling.
  std::function<void()> Open;
  void RaiseOpen();

 protected:
  // Takes the widget that shows the control, places it and applies the common settings.
  void Adopt(QWidget* widget, const ControlSpec& entry);
  // Runs a handler of this control as an event from outside: not while the control is disabled
  // and never while another handler runs.
  void Raise(const std::function<void()>& handler);

 private:
  Window& owner_;
  std::string name_;
  int index_;
  int tab_;
  bool enabled_;
  bool visible_;
  QWidget* widget_ = nullptr;
};
