#include "canvas.h"

#include <QPointer>

#include "event_gate.h"
#include "qt_text.h"
#include "qt_widgets.h"
#include "window.h"

Canvas::Canvas(Window& owner, const ControlSpec& entry) : Control(owner, entry) {
  Adopt(new PaintedWidget(owner.Content(),
                          [this](QPainter& p) {
                            if (backdrop_) p.drawImage(0, 0, ImageOf(*backdrop_));
                            if (surface_) p.drawImage(0, 0, ImageOf(*surface_));
                          }),
        entry);
}

void Canvas::SetBackdrop(PicturePtr picture) {
  backdrop_ = std::move(picture);
  Control::Refresh();
}

Graphics& Canvas::Graphics() {
  if (!surface_) {
    surface_ = NewPicture(Width(), Height(), 32);
    if (backdrop_) surface_->Graphics().DrawPicture(*backdrop_, 0, 0);
    QWidget* widget = Widget();
    surface_->SetChangeHook([widget] { widget->update(); });
  }
  return surface_->Graphics();
}

void Canvas::Refresh(bool eraseBackground) {
  if (eraseBackground) surface_.reset();
  Control::Refresh();
  if (!Paint || paintPending_) return;
  paintPending_ = true;
  QPointer<QWidget> alive = Widget();
  EventGate::Later([this, alive] {
    if (alive) Repaint();
  });
}

void Canvas::Repaint() {
  paintPending_ = false;
  if (Paint) Paint(Graphics());
}

PicturePtr Canvas::Snapshot() const {
  PicturePtr shot = NewPicture(Width(), Height(), 32);
  if (backdrop_) shot->Graphics().DrawPicture(*backdrop_, 0, 0);
  if (surface_) shot->Graphics().DrawPicture(*surface_, 0, 0);
  return shot;
}
