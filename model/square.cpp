#include "model/organism.h"

#include "core/runtime.h"

namespace {

// Corner arcs of the rounded square, in pixels.
constexpr int kCornerArc = 6;

// The slow or the most visible half: 0..3.
int DrawSquareClass() {
  return ToInt32(Round(Rnd() * 3.0));
}

// The large half: 3..6.
int DrawSquareSizeClass() {
  return ToInt32(Round(Rnd() * 3.0) + 3.0);
}

}  // namespace

void SpeciesSquare::Construct(const RectControl& canvas, bool varied) {
  ConstructWith(canvas, varied, DrawSquareClass, DrawSquareSizeClass);
}

void SpeciesSquare::Draw(const RectControl& canvas, Picture& buffer, Color color) const {
  Graphics& g = buffer.Graphics();
  g.ForeColor = color;
  g.FillRoundRect(left - canvas.Left(), top - canvas.Top(), width, height, kCornerArc, kCornerArc);
}
