#include "model/organism.h"

#include "core/runtime.h"

namespace {

// 0..6, the two end classes half as likely as the others; the same in every mode.
int DrawDotClass() {
  return ToInt32(Round(Rnd() * 6.0));
}

}  // namespace

void SpeciesDot::Construct(const RectControl& canvas, bool varied) {
  ConstructWith(canvas, varied, DrawDotClass, DrawDotClass);
}

void SpeciesDot::Draw(const RectControl& canvas, Picture& buffer, Color color) const {
  Graphics& g = buffer.Graphics();
  g.ForeColor = color;
  g.FillOval(left - canvas.Left(), top - canvas.Top(), width, height);
}
