#pragma once

#include <functional>

#include "control.h"
#include "core/picture.h"

// A canvas shows its backdrop picture, when it has one, and over it what was drawn through its own
// Graphics. That drawing stays until the canvas is erased (Refresh(true)), which raises Paint so
// the program can draw it again. Presses on a canvas reach the window.
class Canvas : public Control {
 public:
  Canvas(Window& owner, const ControlSpec& entry);

  const PicturePtr& Backdrop() const { return backdrop_; }
  void SetBackdrop(PicturePtr picture);

  // The canvas's own drawing context: draws onto the canvas's surface, shown at once.
  ::Graphics& Graphics();

  // Paint, with the drawing context of the canvas.
  std::function<void(::Graphics& g)> Paint;

  void Refresh(bool eraseBackground = true) override;

  // What the canvas shows now, composed as the screen shows it: the backdrop, then the surface.
  // For tests and screenshots.
  PicturePtr Snapshot() const;
  bool HasSurface() const { return surface_ != nullptr; }

 private:
  void Repaint();

  PicturePtr backdrop_;
  PicturePtr surface_;
  bool paintPending_ = false;
};
