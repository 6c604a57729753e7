#include "core/picture.h"

#include <algorithm>
#include <array>
#include <map>
#include <vector>

namespace {

// Every shape here is, on each row of its box, one run of pixels symmetric about the box's
// middle, and its inside(dx, dy) test (box coordinates) turns true once from the left edge toward
// the middle. So a row is known by the first pixel of its run, found by a binary search; `half`
// (the left half's width, middle pixel included) stands for an empty row.
template <class Inside>
int RowStart(int w, int dy, Inside& inside) {
  const int half = (w - 1) / 2 + 1;
  int lo = 0, hi = half;
  while (lo < hi) {
    const int mid = lo + (hi - lo) / 2;
    if (inside(mid, dy)) {
      hi = mid;
    } else {
      lo = mid + 1;
    }
  }
  return lo;
}

// Fills the shape of the box [x, x+w) x [y, y+h) whose row runs start(dy) gives, clipped.
template <class Start>
void FillRows(Picture& pic, int x, int y, int w, int h, Color c, Start start) {
  if (w <= 0 || h <= 0) return;
  const long long picW = pic.Width();
  const int y0 = std::max(y, 0);
  const int y1 = static_cast<int>(
      std::min(static_cast<long long>(y) + h, static_cast<long long>(pic.Height())));
  if (y0 >= y1 || x >= picW || static_cast<long long>(x) + w <= 0) return;
  const uint32_t px = PixelOf(c);
  const int half = (w - 1) / 2 + 1;
  for (int py = y0; py < y1; ++py) {
    const int lo = start(py - y);
    if (lo >= half) continue;
    const long long from = std::max(static_cast<long long>(x) + lo, 0LL);
    const long long to = std::min(static_cast<long long>(x) + w - lo, picW);
    if (from >= to) continue;
    uint32_t* row = pic.Bits() + static_cast<size_t>(py) * pic.Width();
    std::fill(row + from, row + to, px);
  }
  pic.Touch();
}

// Organisms are drawn twice a tick in a handful of sizes, so the row runs of small shapes are
// worked out once and kept. Larger shapes are worked out row by row as drawn.
template <class Inside>
void FillShape(Picture& pic, int x, int y, int w, int h, Color c, std::array<int, 4> key,
               Inside inside) {
  constexpr int kKept = 64;  // sides up to this are kept
  if (w > kKept || h > kKept) {
    FillRows(pic, x, y, w, h, c, [&](int dy) { return RowStart(w, dy, inside); });
    return;
  }
  thread_local std::map<std::array<int, 4>, std::vector<int>> kept;
  auto found = kept.find(key);
  if (found == kept.end()) {
    std::vector<int> starts(static_cast<size_t>(std::max(h, 0)));
    for (int dy = 0; dy < h; ++dy) starts[static_cast<size_t>(dy)] = RowStart(w, dy, inside);
    found = kept.emplace(key, std::move(starts)).first;
  }
  const std::vector<int>& starts = found->second;
  FillRows(pic, x, y, w, h, c, [&starts](int dy) { return starts[static_cast<size_t>(dy)]; });
}

// Whether the centre of pixel (dx, dy) of a w-by-h box lies inside or on the inscribed ellipse.
// In doubled coordinates everything is an integer, so the test is exact.
template <class Int>
bool InEllipseAs(long long dx, long long dy, long long w, long long h) {
  const Int ex = 2 * dx + 1 - w;  // twice the offset from the centre
  const Int ey = 2 * dy + 1 - h;
  const Int ww = Int{w} * w, hh = Int{h} * h;
  return ex * ex * hh + ey * ey * ww <= ww * hh;
}

bool InEllipse(long long dx, long long dy, long long w, long long h) {
  // w*w*h*h fits 64 bits for every box an arena can hold; far larger ones take 128.
  constexpr long long kNarrow = 16383;
  if (w <= kNarrow && h <= kNarrow) return InEllipseAs<long long>(dx, dy, w, h);
  return InEllipseAs<__int128>(dx, dy, w, h);
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
  FillRows(target_, x, y, w, h, ForeColor, [](int) { return 0; });
}

void Graphics::FillOval(int x, int y, int w, int h) {
  FillShape(target_, x, y, w, h, ForeColor, {w, h, -1, -1},
            [w, h](int dx, int dy) { return InEllipse(dx, dy, w, h); });
}

void Graphics::FillRoundRect(int x, int y, int w, int h, int arcW, int arcH) {
  if (w <= 0 || h <= 0) return;
  const int aw = std::clamp(arcW, 0, w);
  const int ah = std::clamp(arcH, 0, h);
  FillShape(target_, x, y, w, h, ForeColor, {w, h, aw, ah}, [w, h, aw, ah](int dx, int dy) {
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
