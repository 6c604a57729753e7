#include "core/runtime.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <random>

namespace {

std::mt19937_64& Generator() {
  static std::mt19937_64 generator{std::random_device{}()};
  return generator;
}

RndSource& Source() {
  static RndSource source;
  return source;
}

}  // namespace

double Rnd() {
  if (Source()) return Source()();
  // 53 random bits give every double of [0, 1) on the 2^-53 grid, and never 1.
  return static_cast<double>(Generator()() >> 11) * 0x1.0p-53;
}

void SeedRnd(uint64_t seed) {
  Generator().seed(seed);
}

RndSource SetRndSource(RndSource source) {
  RndSource previous = std::move(Source());
  Source() = std::move(source);
  return previous;
}

std::string Str(int64_t value) {
  return std::to_string(value);
}

std::string Str(double value) {
  if (std::isfinite(value) && value == std::trunc(value) && std::fabs(value) < 1e15) {
    return Str(static_cast<int64_t>(value));
  }
  // to_chars, like from_chars in Val, is free of the desktop's locale.
  char text[32];
  const auto end = std::to_chars(text, text + sizeof text, value, std::chars_format::general, 7);
  return std::string(text, end.ptr);
}

double Val(std::string_view text) {
  size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  const size_t start = i;
  bool digits = false;
  auto skipDigits = [&] {
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) digits = true;
  };
  skipDigits();
  if (i < text.size() && text[i] == '.') {
    ++i;
    skipDigits();
  }
  if (!digits) return 0;
  // Only the accepted part is converted, so an exponent after it is never read; from_chars
  // ignores the desktop's locale, which may use a decimal comma.
  double value = 0;
  std::from_chars(text.data() + start, text.data() + i, value, std::chars_format::fixed);
  return negative ? -value : value;
}

std::string Chr(int code) {
  if (code < 0 || code > 0x10FFFF) return {};
  if (code < 0x80) return std::string(1, static_cast<char>(code));
  // Codes above ASCII come out as UTF-8, the encoding of every text in the program.
  std::string out;
  if (code < 0x800) {
    out += static_cast<char>(0xC0 | (code >> 6));
  } else if (code < 0x10000) {
    out += static_cast<char>(0xE0 | (code >> 12));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (code >> 18));
    out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
  }
  out += static_cast<char>(0x80 | (code & 0x3F));
  return out;
}
