#include "model/organism.h"

#include <cmath>

#include "core/runtime.h"
#include "model/globals.h"

namespace {

// The program's pi and its half and double, exactly these values and not
// full-precision pi.
constexpr double kPi = 3.14159265;
constexpr double kHalfPi = 1.570796325;
constexpr double kTwoPi = 6.2831853;

// Width and height of every organism in "Speed" and "Visibility" mode.
constexpr int32_t kFixedSize = 12;
// Speed of every organism in "Size" and "Visibility" mode.
constexpr double kFixedSpeed = 1.0;

}  // namespace

void Organism::PlaceBox() {
  left = ToInt32(Round(xctr) - width / 2.0);
  top = ToInt32(Round(yctr) - height / 2.0);
}

void Organism::Move() {
  if (!(stepHeading_ == Direction)) {
    stepHeading_ = Direction;
    stepCos_ = std::cos(Direction);
    stepSin_ = std::sin(Direction);
  }
  xctr = xctr + speed * stepCos_;
  yctr = yctr + speed * stepSin_;
  PlaceBox();
}

void Organism::Bounce(const RectControl& canvas) {
  const double l = canvas.Left();
  const double t = canvas.Top();
  const double r = canvas.Left() + canvas.Width();
  const double b = canvas.Top() + canvas.Height();
  const double halfW = width / 2.0;
  const double halfH = height / 2.0;

  // A side of the box past a side of the arena: mirror the heading.
  if (xctr - halfW < l) Direction = kPi - Direction;
  if (r < xctr + halfW) Direction = kPi - Direction;
  if (yctr - halfH < t) Direction = -Direction;
  if (b < yctr + halfH) Direction = -Direction;

  // The centre out of the arena: aim back inward with a random spread, whatever came before.
  if (xctr < l) Direction = Rnd() - 0.5;
  if (r < xctr) Direction = (kPi + Rnd()) - 0.5;
  if (yctr < t) Direction = (kHalfPi + Rnd()) - 0.5;
  if (b < yctr) Direction = (-kHalfPi + Rnd()) - 0.5;

  if (Direction > kTwoPi) {
    Direction = Direction - kTwoPi;
  } else if (Direction < 0) {
    Direction = Direction + kTwoPi;
  }
}

void Organism::ConstructWith(const RectControl& canvas, bool varied, ClassDraw drawClass,
                             ClassDraw drawSizeClass) {
  Alive = true;

  const bool speedMode = Globals::Mode == "Speed";
  const bool sizeMode = Globals::Mode == "Size";
  const bool visibilityMode = Globals::Mode == "Visibility";
  if (speedMode || sizeMode || visibilityMode) {
    int k = Trait::kUnvariedClass;
    if (varied) k = sizeMode ? drawSizeClass() : drawClass();
    CoatColor = Trait::Palette()(k);
    speed = speedMode ? Trait::SpeedOf(k) : kFixedSpeed;
    width = sizeMode ? Trait::SizeOf(k) : kFixedSize;
    height = width;
  }

  // Uniform over the places where the whole box lies inside the canvas. x is drawn before y.
  xctr = (canvas.Left() + width / 2.0) + Rnd() * static_cast<double>(canvas.Width() - width);
  yctr = (canvas.Top() + height / 2.0) + Rnd() * static_cast<double>(canvas.Height() - height);
  PlaceBox();
  Direction = (Rnd() * 2.0) * kPi;
}
