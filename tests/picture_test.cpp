#include "core/picture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <functional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "tests/param_print.h"

namespace {

constexpr Color kWhite = RGB(255, 255, 255);
constexpr Color kInk = RGB(200, 30, 60);
constexpr Color kGround = RGB(10, 120, 40);

using Rows = std::vector<std::string>;

// The pixels of the picture that carry color c, one string per row: '#' for c, '.' otherwise.
Rows MaskOf(const Picture& pic, Color c) {
  Rows rows(pic.Height(), std::string(pic.Width(), '.'));
  for (int y = 0; y < pic.Height(); ++y) {
    for (int x = 0; x < pic.Width(); ++x) {
      if (pic.PixelColor(x, y) == c) rows[y][x] = '#';
    }
  }
  return rows;
}

Rows Expected(int width, int height, const std::function<bool(int, int)>& painted) {
  Rows rows(height, std::string(width, '.'));
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      if (painted(x, y)) rows[y][x] = '#';
    }
  }
  return rows;
}

void Paint(Picture& pic, Color c) {
  pic.Graphics().ForeColor = c;
  pic.Graphics().FillRect(0, 0, pic.Width(), pic.Height());
}

// Whether the point (cx, cy), in box coordinates, lies inside or on the ellipse of radii (rx, ry)
// centred at (ox, oy). Every value here is a multiple of 1/4, so the doubles are exact.
bool InEllipse(double cx, double cy, double ox, double oy, double rx, double ry) {
  const double dx = cx - ox;
  const double dy = cy - oy;
  return dx * dx * ry * ry + dy * dy * rx * rx <= rx * rx * ry * ry;
}

// Whether pixel (px, py) of the picture belongs to the box at (x, y) of size w by h whose corners
// are quarter ellipses of arcW by arcH; an oval is the box with arcs as large as itself.
bool InRoundBox(int px, int py, int x, int y, int w, int h, int arcW, int arcH) {
  if (px < x || py < y || px >= x + w || py >= y + h) return false;
  if (arcW <= 0 || arcH <= 0) return true;
  const double cx = px - x + 0.5;
  const double cy = py - y + 0.5;
  const double rx = arcW / 2.0;
  const double ry = arcH / 2.0;
  // The nearest point of the rectangle that the corner ellipses' centres span.
  const double nx = std::clamp(cx, rx, w - rx);
  const double ny = std::clamp(cy, ry, h - ry);
  return InEllipse(cx, cy, nx, ny, rx, ry);
}

TEST(PictureTest, NewPictureIsWhite) {
  PicturePtr pic = NewPicture(7, 5, 32);
  ASSERT_EQ(pic->Width(), 7);
  ASSERT_EQ(pic->Height(), 5);
  EXPECT_EQ(MaskOf(*pic, kWhite), Expected(7, 5, [](int, int) { return true; }));
  EXPECT_EQ(pic->Pixel(6, 4), 0xFFFFFFFFu);
}

TEST(PictureTest, GraphicsIsTheSameObjectEachTime) {
  Picture pic(4, 4);
  pic.Graphics().ForeColor = kInk;
  EXPECT_EQ(&pic.Graphics(), &pic.Graphics());
  EXPECT_EQ(pic.Graphics().ForeColor, kInk);
}

TEST(PictureTest, NegativeSizeGivesAnEmptyPictureThatTakesDrawing) {
  PicturePtr empty = NewPicture(-3, -8, 8);
  EXPECT_EQ(empty->Width(), 0);
  EXPECT_EQ(empty->Height(), 0);
  Graphics& g = empty->Graphics();
  g.ForeColor = kInk;
  g.FillRect(0, 0, 10, 10);
  g.FillOval(-2, -2, 6, 6);
  g.FillRoundRect(0, 0, 5, 5, 2, 2);
  Picture other(3, 3);
  g.DrawPicture(other, 0, 0);
  other.Graphics().DrawPicture(*empty, 0, 0);
  EXPECT_EQ(MaskOf(other, kWhite), Expected(3, 3, [](int, int) { return true; }));
}

TEST(PictureTest, EveryPaintingCallIsNoticed) {
  Picture pic(6, 6);
  Picture source(2, 2);
  int changes = 0;
  pic.SetChangeHook([&changes] { ++changes; });
  Graphics& g = pic.Graphics();
  const std::vector<std::function<void()>> calls = {
      [&] { g.FillRect(1, 1, 2, 2); }, [&] { g.FillOval(0, 0, 4, 4); },
      [&] { g.FillRoundRect(0, 0, 6, 6, 2, 2); }, [&] { g.DrawPicture(source, 3, 3); }};
  for (const auto& call : calls) {
    const int before = changes;
    call();
    EXPECT_GT(changes, before);
  }
}

struct RectCase {
  const char* name;
  int x, y, w, h;
};
void PrintTo(const RectCase& c, std::ostream* os) {
  *os << c.name << " x=" << c.x << " y=" << c.y << " w=" << c.w << " h=" << c.h;
}

class FillRectTest : public testing::TestWithParam<RectCase> {};

TEST_P(FillRectTest, PaintsExactlyTheHalfOpenSpanInsideThePicture) {
  const RectCase& c = GetParam();
  Picture pic(10, 8);
  pic.Graphics().ForeColor = kInk;
  pic.Graphics().FillRect(c.x, c.y, c.w, c.h);
  // In 64 bits, so that the huge rows do not overflow here either.
  const auto inside = [&c](int px, int py) {
    return px >= c.x && px < static_cast<long long>(c.x) + c.w && py >= c.y &&
           py < static_cast<long long>(c.y) + c.h;
  };
  EXPECT_EQ(MaskOf(pic, kInk), Expected(10, 8, inside));
}

INSTANTIATE_TEST_SUITE_P(
    Spans, FillRectTest,
    testing::Values(RectCase{"Inside", 2, 3, 4, 2}, RectCase{"OnePixel", 9, 7, 1, 1},
                    RectCase{"WholePicture", 0, 0, 10, 8}, RectCase{"ZeroWidth", 2, 2, 0, 3},
                    RectCase{"ZeroHeight", 2, 2, 3, 0}, RectCase{"NegativeWidth", 5, 2, -3, 3},
                    RectCase{"NegativeHeight", 2, 5, 3, -3}, RectCase{"ClipLeft", -3, 1, 5, 2},
                    RectCase{"ClipTop", 1, -4, 2, 6}, RectCase{"ClipRight", 7, 1, 6, 2},
                    RectCase{"ClipBottom", 1, 6, 2, 9}, RectCase{"ClipAllSides", -2, -2, 20, 20},
                    RectCase{"OutsideLeft", -5, 1, 5, 2}, RectCase{"OutsideRight", 10, 1, 3, 2},
                    RectCase{"OutsideAbove", 1, -3, 2, 3}, RectCase{"OutsideBelow", 1, 8, 2, 3},
                    RectCase{"HugeWidth", 3, 2, INT_MAX, 1},
                    RectCase{"HugeFromFarLeft", INT_MIN, 4, INT_MAX, 2}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FillOvalTest, FourByFourLeavesOnlyTheCorners) {
  Picture pic(4, 4);
  pic.Graphics().ForeColor = kInk;
  pic.Graphics().FillOval(0, 0, 4, 4);
  EXPECT_EQ(MaskOf(pic, kInk), (Rows{".##.", "####", "####", ".##."}));
}

TEST(FillOvalTest, TwelveByTwelveRowsAreCentredSymmetricSpans) {
  // Worked out by hand from the pixel centres on a circle of radius 6.
  const std::vector<int> widths = {4, 8, 10, 10, 12, 12, 12, 12, 10, 10, 8, 4};
  Picture pic(12, 12);
  pic.Graphics().ForeColor = kInk;
  pic.Graphics().FillOval(0, 0, 12, 12);
  const Rows mask = MaskOf(pic, kInk);
  for (int y = 0; y < 12; ++y) {
    const int margin = (12 - widths[y]) / 2;
    EXPECT_EQ(mask[y],
              std::string(margin, '.') + std::string(widths[y], '#') + std::string(margin, '.'))
        << "row " << y;
  }
}

struct ShapeCase {
  const char* name;
  int x, y, w, h, arcW, arcH;
};
void PrintTo(const ShapeCase& c, std::ostream* os) {
  *os << c.name << " x=" << c.x << " y=" << c.y << " w=" << c.w << " h=" << c.h
      << " arcW=" << c.arcW << " arcH=" << c.arcH;
}

constexpr int kCanvasW = 24;
constexpr int kCanvasH = 20;

class FillOvalBoxTest : public testing::TestWithParam<ShapeCase> {};

TEST_P(FillOvalBoxTest, PaintsThePixelsWhoseCentresAreInTheEllipse) {
  const ShapeCase& c = GetParam();
  Picture pic(kCanvasW, kCanvasH);
  pic.Graphics().ForeColor = kInk;
  pic.Graphics().FillOval(c.x, c.y, c.w, c.h);
  EXPECT_EQ(MaskOf(pic, kInk), Expected(kCanvasW, kCanvasH, [&c](int px, int py) {
              return InRoundBox(px, py, c.x, c.y, c.w, c.h, c.w, c.h);
            }));
}

INSTANTIATE_TEST_SUITE_P(Boxes, FillOvalBoxTest,
                         testing::Values(ShapeCase{"Circle12", 3, 2, 12, 12, 0, 0},
                                         ShapeCase{"Wide10x6", 5, 7, 10, 6, 0, 0},
                                         ShapeCase{"Tall5x9", 1, 1, 5, 9, 0, 0},
                                         ShapeCase{"Odd7x7", 8, 8, 7, 7, 0, 0},
                                         ShapeCase{"OnePixel", 4, 4, 1, 1, 0, 0},
                                         ShapeCase{"OneColumn", 4, 4, 1, 6, 0, 0},
                                         ShapeCase{"TwoByTwo", 0, 0, 2, 2, 0, 0},
                                         ShapeCase{"ClipLeftTop", -5, -3, 12, 10, 0, 0},
                                         ShapeCase{"ClipRightBottom", 17, 13, 12, 11, 0, 0},
                                         ShapeCase{"Empty", 4, 4, 0, 6, 0, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(FillRoundRectTest, TwelveBoxWithSixArcsOpensOnlyTheCornerPixels) {
  Picture pic(12, 12);
  pic.Graphics().ForeColor = kInk;
  pic.Graphics().FillRoundRect(0, 0, 12, 12, 6, 6);
  const Rows mask = MaskOf(pic, kInk);
  for (auto [x, y] : {std::pair{0, 0}, {11, 0}, {0, 11}, {11, 11}}) {
    EXPECT_EQ(mask[y][x], '.') << "corner " << x << "," << y;
  }
  for (auto [x, y] : {std::pair{5, 0}, {6, 0}, {0, 5}, {11, 6}, {6, 11}, {1, 0}, {0, 1}}) {
    EXPECT_EQ(mask[y][x], '#') << "edge " << x << "," << y;
  }
  int painted = 0;
  for (const std::string& row : mask) painted += std::count(row.begin(), row.end(), '#');
  EXPECT_EQ(painted, 12 * 12 - 4);
}

class FillRoundRectBoxTest : public testing::TestWithParam<ShapeCase> {};

TEST_P(FillRoundRectBoxTest, PaintsThePixelsWhoseCentresAreInTheRoundedBox) {
  const ShapeCase& c = GetParam();
  Picture pic(kCanvasW, kCanvasH);
  pic.Graphics().ForeColor = kInk;
  pic.Graphics().FillRoundRect(c.x, c.y, c.w, c.h, c.arcW, c.arcH);
  EXPECT_EQ(MaskOf(pic, kInk), Expected(kCanvasW, kCanvasH, [&c](int px, int py) {
              return InRoundBox(px, py, c.x, c.y, c.w, c.h, c.arcW, c.arcH);
            }));
}

INSTANTIATE_TEST_SUITE_P(Boxes, FillRoundRectBoxTest,
                         testing::Values(ShapeCase{"Square12Arcs6", 2, 3, 12, 12, 6, 6},
                                         ShapeCase{"ArcsZeroIsRect", 2, 3, 9, 7, 0, 0},
                                         ShapeCase{"ZeroArcWidthIsRect", 2, 3, 9, 7, 0, 4},
                                         ShapeCase{"OddArcs", 4, 1, 15, 11, 5, 7},
                                         ShapeCase{"WideArcs", 0, 0, 20, 8, 12, 4},
                                         ShapeCase{"ArcsOfTheBoxIsOval", 3, 3, 11, 9, 11, 9},
                                         ShapeCase{"ClipLeftTop", -4, -5, 14, 12, 6, 6},
                                         ShapeCase{"ClipRightBottom", 15, 13, 13, 10, 8, 6}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(FillRoundRectTest, ArcsLargerThanTheBoxGiveTheOval) {
  Picture rounded(16, 12);
  Picture oval(16, 12);
  rounded.Graphics().ForeColor = kInk;
  oval.Graphics().ForeColor = kInk;
  rounded.Graphics().FillRoundRect(1, 2, 13, 9, 40, 30);
  oval.Graphics().FillOval(1, 2, 13, 9);
  EXPECT_EQ(MaskOf(rounded, kInk), MaskOf(oval, kInk));
}

TEST(FillShapeTest, EmptyBoxesPaintNothing) {
  Picture pic(8, 8);
  Graphics& g = pic.Graphics();
  g.ForeColor = kInk;
  for (auto [w, h] : {std::pair{0, 5}, {5, 0}, {-4, 5}, {5, -4}, {-1, -1}}) {
    g.FillOval(1, 1, w, h);
    g.FillRoundRect(1, 1, w, h, 2, 2);
  }
  EXPECT_EQ(MaskOf(pic, kWhite), Expected(8, 8, [](int, int) { return true; }));
}

enum class Shape { kOval, kRoundRect };

struct EraseCase {
  const char* name;
  Shape shape;
  int x, y, w, h;
};
void PrintTo(const EraseCase& c, std::ostream* os) {
  *os << c.name << " x=" << c.x << " y=" << c.y << " w=" << c.w << " h=" << c.h;
}

class EraseTest : public testing::TestWithParam<EraseCase> {};

TEST_P(EraseTest, DrawingAgainInTheBackgroundLeavesNothingBehind) {
  const EraseCase& c = GetParam();
  Picture pic(17, 13);
  Paint(pic, kGround);
  Graphics& g = pic.Graphics();
  const auto draw = [&](Color color) {
    g.ForeColor = color;
    if (c.shape == Shape::kOval) {
      g.FillOval(c.x, c.y, c.w, c.h);
    } else {
      g.FillRoundRect(c.x, c.y, c.w, c.h, 5, 3);
    }
  };
  draw(kInk);
  ASSERT_NE(MaskOf(pic, kInk), Expected(17, 13, [](int, int) { return false; }));
  draw(kGround);
  EXPECT_EQ(MaskOf(pic, kGround), Expected(17, 13, [](int, int) { return true; }));
}

INSTANTIATE_TEST_SUITE_P(
    Shapes, EraseTest,
    testing::Values(EraseCase{"OvalOddOffset", Shape::kOval, 3, 5, 9, 7},
                    EraseCase{"OvalClippedLeftTop", Shape::kOval, -4, -3, 11, 9},
                    EraseCase{"OvalClippedRightBottom", Shape::kOval, 11, 9, 9, 7},
                    EraseCase{"RoundRectOddOffset", Shape::kRoundRect, 1, 3, 11, 7},
                    EraseCase{"RoundRectClippedLeftTop", Shape::kRoundRect, -5, -1, 12, 8},
                    EraseCase{"RoundRectClippedRightBottom", Shape::kRoundRect, 13, 7, 7, 9}),
    [](const auto& info) { return std::string(info.param.name); });

struct DrawCase {
  const char* name;
  int srcW, srcH, x, y;
};
void PrintTo(const DrawCase& c, std::ostream* os) {
  *os << c.name << " source " << c.srcW << "x" << c.srcH << " at x=" << c.x << " y=" << c.y;
}

class DrawPictureTest : public testing::TestWithParam<DrawCase> {};

TEST_P(DrawPictureTest, CopiesTheWholePictureUnscaledAndClipped) {
  const DrawCase& c = GetParam();
  constexpr int kW = 9;
  constexpr int kH = 7;
  Picture source(c.srcW, c.srcH);
  // Every source pixel distinct, so a shifted or stretched copy shows.
  for (int y = 0; y < c.srcH; ++y) {
    for (int x = 0; x < c.srcW; ++x) {
      source.Bits()[y * c.srcW + x] = PixelOf(RGB(x, y, 77));
    }
  }
  Picture dest(kW, kH);
  Paint(dest, kGround);
  dest.Graphics().DrawPicture(source, c.x, c.y);
  for (int y = 0; y < kH; ++y) {
    for (int x = 0; x < kW; ++x) {
      const int sx = x - c.x;
      const int sy = y - c.y;
      const bool covered = sx >= 0 && sy >= 0 && sx < c.srcW && sy < c.srcH;
      EXPECT_EQ(dest.PixelColor(x, y), covered ? RGB(sx, sy, 77) : kGround)
          << "at " << x << "," << y;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Placements, DrawPictureTest,
                         testing::Values(DrawCase{"AtOrigin", 5, 4, 0, 0},
                                         DrawCase{"Inside", 5, 4, 2, 1},
                                         DrawCase{"NegativeOffset", 5, 4, -2, -3},
                                         DrawCase{"OverhangRightBottom", 5, 4, 6, 5},
                                         DrawCase{"LargerThanTarget", 14, 11, -3, -2},
                                         DrawCase{"OutsideRight", 5, 4, 9, 0},
                                         DrawCase{"OutsideBelow", 5, 4, 0, 7},
                                         DrawCase{"OutsideLeftTop", 5, 4, -5, -4}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
