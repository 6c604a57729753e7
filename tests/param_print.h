#pragma once

#include <charconv>
#include <ostream>
#include <string>

#include "core/color.h"
#include "core/layout.h"

// Colors print as (r, g, b) and timer modes by name in failure messages. Every test file that
// compares them includes these printers: a printer of its own in one file would lose to another
// file's default.
inline void PrintTo(const Color& c, std::ostream* os) {
  *os << "(" << int{c.r} << ", " << int{c.g} << ", " << int{c.b} << ")";
}

inline void PrintTo(TimerMode mode, std::ostream* os) {
  constexpr const char* kNames[] = {"Off", "Once", "Repeating"};
  *os << kNames[static_cast<int>(mode)];
}

// The shortest text that reads back as the same double. Case tables probe edges such as
// 0.49999999999999994, which the stream's six digits would show as 0.5.
inline std::string Exact(double value) {
  char text[32];
  return std::string(text, std::to_chars(text, text + sizeof text, value).ptr);
}
