#pragma once

#include <cstdint>

// An RGB color of three 8-bit components. Organisms, palettes and histograms compare colors by
// exact equality, so this is a plain value type.
struct Color {
  uint8_t r = 0;
  uint8_t g = 0;
  uint8_t b = 0;

  friend constexpr bool operator==(Color, Color) = default;
};

constexpr Color RGB(int r, int g, int b) {
  return Color{static_cast<uint8_t>(r), static_cast<uint8_t>(g), static_cast<uint8_t>(b)};
}

// The pixel value a color takes in a picture: 0xFFRRGGBB, the layout of a 32-bit RGB image.
constexpr uint32_t PixelOf(Color c) {
  return 0xFF000000u | (uint32_t{c.r} << 16) | (uint32_t{c.g} << 8) | uint32_t{c.b};
}

constexpr Color ColorOf(uint32_t pixel) {
  return Color{static_cast<uint8_t>(pixel >> 16), static_cast<uint8_t>(pixel >> 8),
               static_cast<uint8_t>(pixel)};
}
