#include "picture.h"

#include <algorithm>

namespace {

// Calls paint(y, x0, x1) for each row span [x0, x1) of the picture that the test accepts, where
// inside(px, py) decides a pixel of the box [x, x+w) x [y, y+h). Clipping happens here.
template <class Inside>
void FillShape(Picture& pic, int x, int y, int w, int h, Color c, Inside inside) {
  if (w <= 0 || h <= 0) return;
  const int x0 = std::max(x, 0);
  const int y0 = std::max(y, 0);
  const int x1 = std::min(static_cast<long long>(x) + w, static_cast<long long>(pic.Width()));
  const int y1 = std::min(static_cast<long long>(y) + h, static_cast<long long>(pic.Height()));
  if (x0 >= x1 || y0 >= y1) return;
  const uint32_t px = PixelOf(c);
  uint32_t* bits = pic.Bits();
  for (int py = y0; py < y1; ++py) {
    uint32_t* row = bits + static_cast<size_t>(py) * pic.Width();
    for (int qx = x0; qx < x1; ++qx) {
      if (inside(qx - x, py - y)) row[qx] = px;
    }
  }
  pic.Touch();
}

// Whether the centre of pixel (dx, dy) of a w-by-h box lies inside or on the inscribed ellipse.
// In doubled coordinates everything is an integer, so the test is exact.
bool InEllipse(long long dx, long long dy, long long w, long long h) {
  using Wide = __int128;           // w*w*h*h outgrows 64 bits for boxes far larger than any arena
  const Wide ex = 2 * dx + 1 - w;  // twice the offset from the centre
  const Wide ey = 2 * dy + 1 - h;
  const Wide ww = Wide{w} * w, hh = Wide{h} * h;
  return ex * ex * hh + ey * ey * ww <= ww * hh;
}

}  // namespace

Picture::Picture(int width, int height)
    : width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      bits_(static_cast<size_t>(width_) * height_, PixelOf(RGB(255, 255, 255))),
      graphics_(*this) {}

PicturePtr NewPicture(int width, int height, int /*depth*/) {
  return std::make_shared<Picture>(width, height);
}

void Graphics::FillRect(int x, int y, int w, int h) {
  FillShape(target_, x, y, w, h, ForeColor, [](int, int) { return true; });
}

void Graphics::FillOval(int x, int y, int w, int h) {
  FillShape(target_, x, y, w, h, ForeColor,
            [w, h](int dx, int dy) { return InEllipse(dx, dy, w, h); });
}

void Graphics::FillRoundRect(int x, int y, int w, int h, int arcW, int arcH) {
  if (w <= 0 || h <= 0) return;
  const int aw = std::clamp(arcW, 0, w);
  const int ah = std::clamp(arcH, 0, h);
  FillShape(target_, x, y, w, h, ForeColor, [w, h, aw, ah](int dx, int dy) {
    if (aw == 0 || ah == 0) return true;
    // Pixels of a corner square of the arc's size follow the arc's ellipse; the rest is filled.
    // Doubled coordinates again: the corner region is where the centre is nearer the edge than
    // half the arc.
    const bool left = 2 * dx + 1 < aw;
    const bool right = 2 * dx + 1 > 2 * w - aw;
    const bool top = 2 * dy + 1 < ah;
    const bool bottom = 2 * dy + 1 > 2 * h - ah;
    if (!((left || right) && (top || bottom))) return true;
    const int cx = left ? dx : dx - (w - aw);  // the pixel in the arc ellipse's own box
    const int cy = top ? dy : dy - (h - ah);
    return InEllipse(cx, cy, aw, ah);
  });
}

void Graphics::DrawPicture(const Picture& picture, int x, int y) {
  Picture& dst = target_;
  const int x0 = std::max(x, 0);
  const int y0 = std::max(y, 0);
  const int x1 = static_cast<int>(
      std::min(static_cast<long long>(x) + picture.Width(), static_cast<long long>(dst.Width())));
  const int y1 = static_cast<int>(
      std::min(static_cast<long long>(y) + picture.Height(), static_cast<long long>(dst.Height())));
  if (x0 >= x1 || y0 >= y1) return;
  for (int py = y0; py < y1; ++py) {
    const uint32_t* src = picture.Bits() + static_cast<size_t>(py - y) * picture.Width() + (x0 - x);
    std::copy(src, src + (x1 - x0), dst.Bits() + static_cast<size_t>(py) * dst.Width() + x0);
  }
  dst.Touch();
}
