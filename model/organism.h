#pragma once

#include <cstdint>
#include <limits>

#include "core/color.h"
#include "core/picture.h"
#include "core/rect_control.h"

// What dots and squares have in common: the ten properties, the straight step and the bounce at
// the arena's edges. The canvas is always the window's arena canvas; only its place and size
// are read.
struct Organism {
  double Direction = 0;  // radians, y pointing down
  double xctr = 0;       // centre, window coordinates
  double yctr = 0;
  bool Alive = false;
  Color CoatColor;
  int32_t width = 0;  // bounding box, always square and even
  int32_t height = 0;
  int32_t left = 0;  // window coordinates
  int32_t top = 0;
  double speed = 0;  // pixels per tick

  // One step along Direction. The heading changes only at a bounce, so its cosine and sine are
  // kept from one step to the next.
  void Move();
  void Bounce(const RectControl& canvas);

  // left and top from the centre: Round(centre) - size/2.
  void PlaceBox();

 private:
  double stepHeading_ = std::numeric_limits<double>::quiet_NaN();
  double stepCos_ = 0;
  double stepSin_ = 0;

 protected:
  // A class draw: one call of Rnd, giving a trait class 0..6.
  using ClassDraw = int (*)();

  // Construct's steps once the class draw is known: drawClass() is called (only when varied)
  // for the class in "Speed" and "Visibility" mode and drawSizeClass() in "Size" mode. With a
  // mode outside the three words no class is drawn and no trait property is set.
  void ConstructWith(const RectControl& canvas, bool varied, ClassDraw drawClass,
                     ClassDraw drawSizeClass);
};

// The organism of the Darwin's Theory window, painted as a circle.
struct SpeciesDot : Organism {
  void Construct(const RectControl& canvas, bool varied);
  void Draw(const RectControl& canvas, Picture& buffer, Color color) const;
};

// The organism of the Mutation's Role window, painted as a rounded square. A varied square
// starts in classes 0..3 (3..6 in "Size" mode).
struct SpeciesSquare : Organism {
  void Construct(const RectControl& canvas, bool varied);
  void Draw(const RectControl& canvas, Picture& buffer, Color color) const;
};
