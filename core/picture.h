#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "core/color.h"

class Picture;

// The drawing context of a picture. Pixel rules are exact so that drawing a shape a second time
// at the same place covers the same pixels, which is how organisms are erased:
// - FillRect(x, y, w, h) paints [x, x+w) x [y, y+h), nothing when w or h is 0 or less;
// - FillOval paints the pixels whose centres lie inside or on the ellipse inscribed in the box;
// - FillRoundRect does the same for the box with elliptic corners of arcW by arcH;
// - DrawPicture copies a whole picture, unscaled, with its top left at (x, y).
// Everything is clipped to the picture.
class Graphics {
 public:
  explicit Graphics(Picture& target) : target_(target) {}

  Color ForeColor;
  bool UseOldRenderer = false;  // kept for the program's sake; every renderer here is the same

  void FillRect(int x, int y, int w, int h);
  void FillOval(int x, int y, int w, int h);
  void FillRoundRect(int x, int y, int w, int h, int arcW, int arcH);
  void DrawPicture(const Picture& picture, int x, int y);

 private:
  Picture& target_;
};

// A plain 32-bit pixel buffer (0xFFRRGGBB per pixel, rows top to bottom). It starts white.
class Picture {
 public:
  Picture(int width, int height);
  Picture(const Picture&) = delete;
  Picture& operator=(const Picture&) = delete;

  int Width() const { return width_; }
  int Height() const { return height_; }

  // The picture's one drawing context: every call returns the same object.
  ::Graphics& Graphics() { return graphics_; }

  Color PixelColor(int x, int y) const { return ColorOf(Pixel(x, y)); }
  uint32_t Pixel(int x, int y) const { return bits_[static_cast<size_t>(y) * width_ + x]; }
  uint32_t* Bits() { return bits_.data(); }
  const uint32_t* Bits() const { return bits_.data(); }
  int BytesPerLine() const { return width_ * 4; }

  // Every drawing call ends here, so whoever shows the picture can notice the change.
  void Touch() {
    if (onChange_) onChange_();
  }
  void SetChangeHook(std::function<void()> onChange) { onChange_ = std::move(onChange); }

 private:
  int width_;
  int height_;
  std::vector<uint32_t> bits_;
  ::Graphics graphics_;
  std::function<void()> onChange_;
};

using PicturePtr = std::shared_ptr<Picture>;

// A new picture of the given size. The depth is accepted for the program's sake; every picture
// here is 32-bit. Sizes below 0 are taken as 0.
PicturePtr NewPicture(int width, int height, int depth);
