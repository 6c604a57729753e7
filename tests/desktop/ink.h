#pragma once

#include <gtest/gtest.h>
#include <QFont>
#include <QImage>
#include <QRect>
#include <string>
#include <vector>

// Reads text back from the screen without recognising it: the dark pixels in a box, split into
// glyphs at blank columns. That is enough to tell a whole number from one that was cut at the
// box's side or ended in an ellipsis, whose dots are far shorter than a digit.
struct Ink {
  QRect span;                 // all the ink, in image coordinates; empty when there is none
  std::vector<QRect> glyphs;  // runs of inked columns, left to right, each with its own height
};

Ink InkIn(const QImage& image, const QRect& box);

// The ink of `text` drawn in `font` on its own.
Ink InkOf(const QFont& font, const std::string& text);

// Whether the box shows `text` whole in `font`: its ink is as wide as the text's own ink, or
// condensed to no less than `narrowest` of that, and no glyph sits at the foot of the line like
// the dots of an ellipsis.
testing::AssertionResult ShowsWhole(const QImage& image, const QRect& box, const QFont& font,
                                    const std::string& text, double narrowest = 1);
