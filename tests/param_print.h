#pragma once

#include <charconv>
#include <string>

// The shortest text that reads back as the same double. Case tables probe edges such as
// 0.49999999999999994, which the stream's six digits would show as 0.5.
inline std::string Exact(double value) {
  char text[32];
  return std::string(text, std::to_chars(text, text + sizeof text, value).ptr);
}
