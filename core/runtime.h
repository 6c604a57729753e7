#pragma once

#include <cmath>
#include <cstdint>
#include <functional>
#include <limits>
#include <string>
#include <string_view>

// Uniform in [0, 1). The source is a seedable generator unless a test has put a script in its
// place (SetRndSource).
double Rnd();
void SeedRnd(uint64_t seed);

// Replaces the source of Rnd; returns the previous one. An empty function restores the generator.
using RndSource = std::function<double()>;
RndSource SetRndSource(RndSource source);

// The nearest whole number, halves away from zero.
inline double Round(double value) {
  return std::round(value);
}

// A double converted to a 32-bit integer: truncated toward zero, out-of-range values clamped to
// the range and NaN taken as 0, so the conversion is always defined.
inline int32_t ToInt32(double value) {
  if (std::isnan(value)) return 0;
  if (value <= std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
  if (value >= std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
  return static_cast<int32_t>(value);
}

// Decimal text of a number: whole values without a fraction ("50", "-3"), others with up to
// seven significant digits.
std::string Str(double value);
std::string Str(int64_t value);
inline std::string Str(int value) {
  return Str(static_cast<int64_t>(value));
}

// The number a text begins with: leading blanks, an optional sign, digits and an optional
// fraction; no exponent. A text that begins with no number gives 0.
double Val(std::string_view text);

// The one-character text of a character code; Chr(13) is the carriage return that separates
// lines in the program's texts.
std::string Chr(int code);
