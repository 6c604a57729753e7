#include "model/organism.h"

#include <cmath>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "core/picture.h"
#include "core/runtime.h"
#include "model/globals.h"
#include "tests/param_print.h"

namespace {

// The arena canvas of both simulation windows: left and top 22, 280 by 250, so
// L + W = 302 and T + H = 272.
const RectControl kCanvas(22, 22, 280, 250);
constexpr double kJustBelowOne = 0x1.fffffffffffffp-1;  // the largest double below 1
constexpr double kTolerance = 1e-12;

constexpr Color kWhite = RGB(255, 255, 255);
constexpr Color kRed = RGB(255, 0, 0);

// Puts a script in place of Rnd for the lifetime of the object and counts the calls. A call past
// the end of the script fails the test (and gives 0.5).
class ScriptedRnd {
 public:
  explicit ScriptedRnd(std::vector<double> values) : values_(std::move(values)) {
    previous_ = SetRndSource([this] {
      const size_t i = calls_++;
      if (i < values_.size()) return values_[i];
      ADD_FAILURE() << "Rnd called " << calls_ << " times; the script holds " << values_.size();
      return 0.5;
    });
  }
  ~ScriptedRnd() { SetRndSource(std::move(previous_)); }
  ScriptedRnd(const ScriptedRnd&) = delete;
  ScriptedRnd& operator=(const ScriptedRnd&) = delete;

  size_t Calls() const { return calls_; }

 private:
  std::vector<double> values_;
  size_t calls_ = 0;
  RndSource previous_;
};

enum class Kind { Dot, Square };

const char* NameOf(Kind kind) {
  return kind == Kind::Dot ? "Dot" : "Square";
}

// A freshly constructed organism of either class, seen through the properties they share.
Organism Constructed(Kind kind, bool varied, const RectControl& canvas = kCanvas) {
  if (kind == Kind::Dot) {
    SpeciesDot dot;
    dot.Construct(canvas, varied);
    return dot;
  }
  SpeciesSquare square;
  square.Construct(canvas, varied);
  return square;
}

// An organism 12 pixels wide, for the tests of Move and Bounce.
Organism At(double x, double y, double direction, double speed = 1.0) {
  Organism o;
  o.width = 12;
  o.height = 12;
  o.xctr = x;
  o.yctr = y;
  o.Direction = direction;
  o.speed = speed;
  o.PlaceBox();
  return o;
}

int CountPixels(const Picture& pic, Color c) {
  int n = 0;
  for (int y = 0; y < pic.Height(); ++y) {
    for (int x = 0; x < pic.Width(); ++x) n += pic.PixelColor(x, y) == c;
  }
  return n;
}

// Compares two pictures pixel for pixel and names the first difference.
testing::AssertionResult SamePixels(const Picture& a, const Picture& b) {
  if (a.Width() != b.Width() || a.Height() != b.Height()) {
    return testing::AssertionFailure() << "the sizes differ";
  }
  for (int y = 0; y < a.Height(); ++y) {
    for (int x = 0; x < a.Width(); ++x) {
      if (a.Pixel(x, y) != b.Pixel(x, y)) {
        return testing::AssertionFailure() << "pixel (" << x << ", " << y << ") differs";
      }
    }
  }
  return testing::AssertionSuccess();
}

class OrganismTest : public testing::Test {
 protected:
  void SetUp() override { Globals::Startup(); }
};

// --- Construct: the trait ------------------------------------------------------------------

struct UnvariedCase {
  const char* name;
  const char* mode;
  Color coat;
  double speed;
  int size;
};
void PrintTo(const UnvariedCase& c, std::ostream* os) {
  *os << c.name << " coat=";
  ::PrintTo(c.coat, os);
  *os << " speed=" << Exact(c.speed) << " size=" << c.size;
}

class ConstructUnvariedTest : public testing::TestWithParam<UnvariedCase> {
 protected:
  void SetUp() override { Globals::Startup(); }
};

TEST_P(ConstructUnvariedTest, GivesClassThreeWithTheModesConstantsForBothClasses) {
  const UnvariedCase& c = GetParam();
  for (Kind kind : {Kind::Dot, Kind::Square}) {
    SCOPED_TRACE(NameOf(kind));
    Globals::Mode = c.mode;
    ScriptedRnd rnd({0.5, 0.5, 0.25});
    const Organism o = Constructed(kind, false);
    EXPECT_EQ(rnd.Calls(), 3u) << "no class draw without variation";
    EXPECT_TRUE(o.Alive);
    EXPECT_EQ(o.CoatColor, c.coat);
    EXPECT_EQ(o.speed, c.speed);
    EXPECT_EQ(o.width, c.size);
    EXPECT_EQ(o.height, c.size);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Modes, ConstructUnvariedTest,
    testing::Values(UnvariedCase{"Speed", "Speed", RGB(21, 144, 51), 0.85, 12},
                    UnvariedCase{"Size", "Size", RGB(21, 144, 51), 1.0, 10},
                    UnvariedCase{"Visibility", "Visibility", RGB(0, 100, 255), 1.0, 12}),
    [](const testing::TestParamInfo<UnvariedCase>& info) { return info.param.name; });

struct VariedCase {
  const char* name;
  Kind kind;
  const char* mode;
  double classRnd;  // the first Rnd value: the class draw
  Color coat;
  double speed;
  int size;
};
void PrintTo(const VariedCase& c, std::ostream* os) {
  *os << c.name << " rnd=" << Exact(c.classRnd) << " coat=";
  ::PrintTo(c.coat, os);
  *os << " speed=" << Exact(c.speed) << " size=" << c.size;
}

class ConstructVariedTest : public testing::TestWithParam<VariedCase> {
 protected:
  void SetUp() override { Globals::Startup(); }
};

TEST_P(ConstructVariedTest, DrawsTheClassFromTheFirstRndValue) {
  const VariedCase& c = GetParam();
  Globals::Mode = c.mode;
  ScriptedRnd rnd({c.classRnd, 0.5, 0.5, 0.5});
  const Organism o = Constructed(c.kind, true);
  EXPECT_EQ(rnd.Calls(), 4u);
  EXPECT_TRUE(o.Alive);
  EXPECT_EQ(o.CoatColor, c.coat);
  EXPECT_DOUBLE_EQ(o.speed, c.speed);
  EXPECT_EQ(o.width, c.size);
  EXPECT_EQ(o.height, c.size);
}

constexpr Color kSpectrum0 = RGB(0, 0, 0);
constexpr Color kSpectrum2 = RGB(38, 61, 240);
constexpr Color kSpectrum3 = RGB(21, 144, 51);
constexpr Color kSpectrum6 = RGB(255, 50, 40);
constexpr Color kBlue0 = RGB(210, 255, 255);
constexpr Color kBlue3 = RGB(0, 100, 255);
constexpr Color kBlue6 = RGB(0, 0, 0);

INSTANTIATE_TEST_SUITE_P(
    ClassDraws, ConstructVariedTest,
    testing::Values(
        // A dot: Round(Rnd * 6), 0..6 in every mode.
        VariedCase{"DotSpeedRndZeroIsClass0", Kind::Dot, "Speed", 0.0, kSpectrum0, 0.1, 12},
        VariedCase{"DotSpeedRndBelowOneIsClass6", Kind::Dot, "Speed", kJustBelowOne, kSpectrum6,
                   3.1, 12},
        VariedCase{"DotSpeedHalfwayRoundsAwayFromZero", Kind::Dot, "Speed", 0.25, kSpectrum2,
                   0.43333333333333335, 12},
        VariedCase{"DotSizeRndZeroIsClass0", Kind::Dot, "Size", 0.0, kSpectrum0, 1.0, 4},
        VariedCase{"DotSizeRndBelowOneIsClass6", Kind::Dot, "Size", kJustBelowOne, kSpectrum6, 1.0,
                   16},
        VariedCase{"DotVisibilityRndZeroIsClass0", Kind::Dot, "Visibility", 0.0, kBlue0, 1.0, 12},
        VariedCase{"DotVisibilityRndBelowOneIsClass6", Kind::Dot, "Visibility", kJustBelowOne,
                   kBlue6, 1.0, 12},
        // A square: Round(Rnd * 3), 0..3, plus 3 in "Size" mode.
        VariedCase{"SquareSpeedRndZeroIsClass0", Kind::Square, "Speed", 0.0, kSpectrum0, 0.1, 12},
        VariedCase{"SquareSpeedRndBelowOneIsClass3", Kind::Square, "Speed", kJustBelowOne,
                   kSpectrum3, 0.85, 12},
        VariedCase{"SquareSpeedHalfwayRoundsAwayFromZero", Kind::Square, "Speed", 0.5, kSpectrum2,
                   0.43333333333333335, 12},
        VariedCase{"SquareSizeRndZeroIsClass3", Kind::Square, "Size", 0.0, kSpectrum3, 1.0, 10},
        VariedCase{"SquareSizeRndBelowOneIsClass6", Kind::Square, "Size", kJustBelowOne, kSpectrum6,
                   1.0, 16},
        VariedCase{"SquareVisibilityRndZeroIsClass0", Kind::Square, "Visibility", 0.0, kBlue0, 1.0,
                   12},
        VariedCase{"SquareVisibilityRndBelowOneIsClass3", Kind::Square, "Visibility", kJustBelowOne,
                   kBlue3, 1.0, 12}),
    [](const testing::TestParamInfo<VariedCase>& info) { return info.param.name; });

TEST_F(OrganismTest, UnvariedSpeedIsBitForBitTheTableSpeedOfClassThree) {
  ScriptedRnd rnd({0.5, 0.5, 0.5});
  const Organism o = Constructed(Kind::Dot, false);
  EXPECT_EQ(o.speed, 0.85);
  EXPECT_EQ(o.speed, Trait::SpeedOf(3));
}

TEST_F(OrganismTest, AModeOutsideTheThreeWordsSetsPlaceAndHeadingButNoTrait) {
  Globals::Mode = "Color";
  for (Kind kind : {Kind::Dot, Kind::Square}) {
    SCOPED_TRACE(NameOf(kind));
    ScriptedRnd rnd({0.25, 0.75, 0.125});
    SpeciesDot dot;
    SpeciesSquare square;
    Organism& o = kind == Kind::Dot ? static_cast<Organism&>(dot) : square;
    o.CoatColor = RGB(1, 2, 3);
    o.width = 8;
    o.height = 8;
    o.speed = 7.5;
    if (kind == Kind::Dot) {
      dot.Construct(kCanvas, true);
    } else {
      square.Construct(kCanvas, true);
    }
    EXPECT_EQ(rnd.Calls(), 3u) << "no class draw when no mode matched";
    EXPECT_TRUE(o.Alive);
    EXPECT_EQ(o.CoatColor, RGB(1, 2, 3));
    EXPECT_EQ(o.width, 8);
    EXPECT_EQ(o.height, 8);
    EXPECT_EQ(o.speed, 7.5);
    EXPECT_EQ(o.xctr, 26.0 + 0.25 * 272);  // L + 4 + Rnd * (280 - 8)
    EXPECT_EQ(o.yctr, 26.0 + 0.75 * 242);  // 207.5
    EXPECT_EQ(o.left, 90);
    EXPECT_EQ(o.top, 204);  // Round(207.5) = 208, less 4
    EXPECT_DOUBLE_EQ(o.Direction, 0.25 * 3.14159265);
  }
}

// --- Construct: the order of the Rnd calls ------------------------------------------------------

TEST_F(OrganismTest, VariedTakesClassThenXThenYThenHeading) {
  for (Kind kind : {Kind::Dot, Kind::Square}) {
    SCOPED_TRACE(NameOf(kind));
    ScriptedRnd rnd({0.0, 0.25, 0.75, 0.125});
    const Organism o = Constructed(kind, true);
    EXPECT_EQ(rnd.Calls(), 4u);
    EXPECT_EQ(o.CoatColor, kSpectrum0);    // class from the 1st value
    EXPECT_EQ(o.xctr, 28.0 + 0.25 * 268);  // x from the 2nd: 95
    EXPECT_EQ(o.yctr, 28.0 + 0.75 * 238);  // y from the 3rd: 206.5
    EXPECT_EQ(o.left, 89);
    EXPECT_EQ(o.top, 201);                                      // Round(206.5) = 207, less 6
    EXPECT_DOUBLE_EQ(o.Direction, (0.125 * 2.0) * 3.14159265);  // heading from the 4th
  }
}

TEST_F(OrganismTest, UnvariedTakesXThenYThenHeading) {
  for (Kind kind : {Kind::Dot, Kind::Square}) {
    SCOPED_TRACE(NameOf(kind));
    ScriptedRnd rnd({0.25, 0.75, 0.125});
    const Organism o = Constructed(kind, false);
    EXPECT_EQ(rnd.Calls(), 3u);
    EXPECT_EQ(o.xctr, 95.0);
    EXPECT_EQ(o.yctr, 206.5);
    EXPECT_DOUBLE_EQ(o.Direction, (0.125 * 2.0) * 3.14159265);  // heading from the 3rd
  }
}

TEST_F(OrganismTest, HeadingUsesPiToEightDecimals) {
  ScriptedRnd rnd({0.5, 0.5, 0.5});
  const Organism o = Constructed(Kind::Dot, false);
  EXPECT_EQ(o.Direction, 3.14159265);
}

TEST_F(OrganismTest, HeadingLiesInZeroToTwoPi) {
  {
    ScriptedRnd rnd({0.5, 0.5, 0.0});
    EXPECT_EQ(Constructed(Kind::Dot, false).Direction, 0.0);
  }
  ScriptedRnd rnd({0.5, 0.5, kJustBelowOne});
  const double d = Constructed(Kind::Dot, false).Direction;
  EXPECT_LT(d, 6.2831853);
  EXPECT_GT(d, 6.2831852);
}

// --- Construct: the place ------------------------------------------------------------------------

TEST_F(OrganismTest, RndZeroPutsTheBoxOnTheCanvasLeftAndTopSides) {
  for (Kind kind : {Kind::Dot, Kind::Square}) {
    SCOPED_TRACE(NameOf(kind));
    ScriptedRnd rnd({0.0, 0.0, 0.5});
    const Organism o = Constructed(kind, false);
    EXPECT_EQ(o.xctr, 22 + 6.0);
    EXPECT_EQ(o.yctr, 22 + 6.0);
    EXPECT_EQ(o.left, 22);
    EXPECT_EQ(o.top, 22);
  }
}

TEST_F(OrganismTest, RndZeroPutsASizeTenSquareOnTheLeftAndTopSides) {
  Globals::Mode = "Size";
  ScriptedRnd rnd({0.0, 0.0, 0.0, 0.5});
  const Organism o = Constructed(Kind::Square, true);
  ASSERT_EQ(o.width, 10);
  EXPECT_EQ(o.xctr, 27.0);
  EXPECT_EQ(o.yctr, 27.0);
  EXPECT_EQ(o.left, 22);
  EXPECT_EQ(o.top, 22);
}

TEST_F(OrganismTest, RndNearOnePutsTheBoxOnTheCanvasRightAndBottomSides) {
  for (const char* mode : {"Speed", "Size"}) {
    Globals::Mode = mode;
    for (Kind kind : {Kind::Dot, Kind::Square}) {
      SCOPED_TRACE(std::string(NameOf(kind)) + " " + mode);
      ScriptedRnd rnd({kJustBelowOne, kJustBelowOne, kJustBelowOne, 0.5});
      const Organism o = Constructed(kind, true);
      EXPECT_LE(o.xctr + o.width / 2.0, 302.0);
      EXPECT_NEAR(o.xctr + o.width / 2.0, 302.0, 1e-9);
      EXPECT_LE(o.yctr + o.height / 2.0, 272.0);
      EXPECT_NEAR(o.yctr + o.height / 2.0, 272.0, 1e-9);
      EXPECT_EQ(o.left + o.width, 302);
      EXPECT_EQ(o.top + o.height, 272);
    }
  }
}

TEST_F(OrganismTest, PlaceTakesXFromTheCanvasLeftAndWidthAndYFromItsTopAndHeight) {
  const RectControl canvas(10, 40, 200, 100);  // sides at x 10 and 210, y 40 and 140
  for (Kind kind : {Kind::Dot, Kind::Square}) {
    SCOPED_TRACE(NameOf(kind));
    {
      ScriptedRnd rnd({0.0, 0.0, 0.5});
      const Organism o = Constructed(kind, false, canvas);
      EXPECT_EQ(o.xctr, 16.0);
      EXPECT_EQ(o.yctr, 46.0);
      EXPECT_EQ(o.left, 10);
      EXPECT_EQ(o.top, 40);
    }
    ScriptedRnd rnd({kJustBelowOne, kJustBelowOne, 0.5});
    const Organism o = Constructed(kind, false, canvas);
    EXPECT_EQ(o.left + o.width, 210);
    EXPECT_EQ(o.top + o.height, 140);
  }
}

TEST_F(OrganismTest, ACanvasNarrowerThanTheOrganismStartsItPartlyOutside) {
  ScriptedRnd rnd({0.5, 0.5, 0.0});
  const Organism o = Constructed(Kind::Dot, false, RectControl(0, 0, 8, 8));
  EXPECT_EQ(o.xctr, 4.0);  // 6 + 0.5 * (8 - 12)
  EXPECT_EQ(o.left, -2);
}

// --- Move ----------------------------------------------------------------------------------------

TEST(OrganismMove, HeadingZeroAtSpeedOneAddsOneToXOnly) {
  Organism o = At(100.0, 50.0, 0.0, 1.0);
  o.Move();
  EXPECT_EQ(o.xctr, 101.0);
  EXPECT_EQ(o.yctr, 50.0);
  EXPECT_EQ(o.left, 95);
  EXPECT_EQ(o.top, 44);
  EXPECT_EQ(o.Direction, 0.0);
  EXPECT_EQ(o.speed, 1.0);
}

TEST(OrganismMove, HeadingAHalfTurnGoesDownTheScreen) {
  Organism o = At(100.0, 50.0, 1.570796325, 2.0);
  o.Move();
  EXPECT_NEAR(o.xctr, 100.0, 1e-8);
  EXPECT_NEAR(o.yctr, 52.0, 1e-8);
  EXPECT_EQ(o.top, 46);
}

TEST(OrganismMove, HeadingPiGoesLeft) {
  Organism o = At(100.0, 50.0, 3.14159265, 2.5);
  o.Move();
  EXPECT_NEAR(o.xctr, 97.5, 1e-8);
  EXPECT_NEAR(o.yctr, 50.0, 1e-8);
  EXPECT_EQ(o.left, 92);  // Round(97.5) = 98, less 6
}

TEST(OrganismMove, NeverLooksAtTheArena) {
  Organism o = At(300.0, 50.0, 0.0, 10.0);
  o.Move();
  EXPECT_EQ(o.xctr, 310.0);
  EXPECT_EQ(o.left, 304);
}

TEST(OrganismPlaceBox, BoxIsTheRoundedCentreLessHalfTheSize) {
  Organism o = At(105.6, 105.4, 0.0);
  EXPECT_EQ(o.left, 100);  // 106 - 6
  EXPECT_EQ(o.top, 99);    // 105 - 6
  o.xctr = 105.5;          // halves go away from zero
  o.yctr = -0.5;
  o.PlaceBox();
  EXPECT_EQ(o.left, 100);
  EXPECT_EQ(o.top, -7);
}

// --- Bounce --------------------------------------------------------------------------------------

struct BounceCase {
  const char* name;
  double x;
  double y;
  double direction;
  std::vector<double> script;  // Rnd values the re-aim takes
  double expected;
};
void PrintTo(const BounceCase& c, std::ostream* os) {
  *os << c.name << " x=" << Exact(c.x) << " y=" << Exact(c.y) << " direction=" << Exact(c.direction)
      << " rnd={";
  for (double r : c.script) *os << " " << Exact(r);
  *os << " } expected=" << Exact(c.expected);
}

class BounceTest : public testing::TestWithParam<BounceCase> {};

TEST_P(BounceTest, TurnsTheHeadingAndNothingElse) {
  const BounceCase& c = GetParam();
  Organism o = At(c.x, c.y, c.direction);
  const Organism before = o;
  ScriptedRnd rnd(c.script);
  o.Bounce(kCanvas);
  EXPECT_EQ(rnd.Calls(), c.script.size());
  EXPECT_NEAR(o.Direction, c.expected, kTolerance);
  EXPECT_EQ(o.xctr, before.xctr);
  EXPECT_EQ(o.yctr, before.yctr);
  EXPECT_EQ(o.left, before.left);
  EXPECT_EQ(o.top, before.top);
  EXPECT_EQ(o.speed, before.speed);
}

// The organism is 12 wide: its box is past the left side when xctr < 28, past the right side
// when xctr > 296, past the top when yctr < 28 and past the bottom when yctr > 266.
INSTANTIATE_TEST_SUITE_P(
    Sides, BounceTest,
    testing::Values(BounceCase{"Inside", 150, 150, 2.0, {}, 2.0},
                    BounceCase{"LeftBoxOnTheSide", 28, 150, 3.0, {}, 3.0},
                    BounceCase{"LeftBoxAFractionPast", 27.75, 150, 3.0, {}, 3.14159265 - 3.0},
                    BounceCase{"RightBoxOnTheSide", 296, 150, 0.5, {}, 0.5},
                    BounceCase{"RightBoxAFractionPast", 296.25, 150, 0.5, {}, 3.14159265 - 0.5},
                    BounceCase{"TopBoxOnTheSide", 150, 28, 4.0, {}, 4.0},
                    BounceCase{"TopBoxAFractionPast", 150, 27.75, 4.0, {}, 6.2831853 - 4.0},
                    BounceCase{"BottomBoxOnTheSide", 150, 266, 1.0, {}, 1.0},
                    BounceCase{"BottomBoxAFractionPast", 150, 266.25, 1.0, {}, 6.2831853 - 1.0},
                    BounceCase{"LeftCentreOnTheSide", 22, 150, 3.0, {}, 3.14159265 - 3.0},
                    BounceCase{"LeftCentrePast", 21.5, 150, 3.0, {0.75}, 0.25},
                    BounceCase{
                        "LeftCentrePastAimedUpwards", 21.5, 150, 3.0, {0.25}, 6.2831853 - 0.25},
                    BounceCase{"RightCentrePast", 302.5, 150, 0.5, {0.25}, 3.14159265 - 0.25},
                    BounceCase{"TopCentrePast", 150, 21.5, 4.0, {0.75}, 1.570796325 + 0.25},
                    BounceCase{"BottomCentrePast", 150, 272.5, 1.0, {0.5}, 6.2831853 - 1.570796325},
                    BounceCase{"LeftBoxPastWithHeadingAbovePiWraps",
                               27.75,
                               150,
                               4.0,
                               {},
                               3.14159265 - 4.0 + 6.2831853}),
    [](const testing::TestParamInfo<BounceCase>& info) { return info.param.name; });

TEST(OrganismBounce, AtACornerBothReflectionsHappen) {
  Organism o = At(27.0, 27.0, 4.0);  // box past left and top, centre inside
  o.Bounce(kCanvas);
  EXPECT_NEAR(o.Direction, -(3.14159265 - 4.0), kTolerance);

  o = At(297.0, 267.0, 0.5);  // box past right and bottom
  o.Bounce(kCanvas);
  EXPECT_NEAR(o.Direction, -(3.14159265 - 0.5) + 6.2831853, kTolerance);
}

TEST(OrganismBounce, WithTheCentrePastTwoSidesTheYReaimWins) {
  Organism o = At(20.0, 20.0, 1.0);  // past left and top
  {
    ScriptedRnd rnd({0.75, 0.25});
    o.Bounce(kCanvas);
    EXPECT_EQ(rnd.Calls(), 2u);
  }
  EXPECT_NEAR(o.Direction, (1.570796325 + 0.25) - 0.5, kTolerance);

  o = At(303.0, 273.0, 1.0);  // past right and bottom
  ScriptedRnd rnd({0.75, 0.5});
  o.Bounce(kCanvas);
  EXPECT_EQ(rnd.Calls(), 2u);
  EXPECT_NEAR(o.Direction, -1.570796325 + 6.2831853, kTolerance);
}

TEST(OrganismBounce, TwoCallsInARowFlipTheHeadingBack) {
  Organism o = At(27.75, 150.0, 3.0);
  o.Bounce(kCanvas);
  EXPECT_NEAR(o.Direction, 0.14159265, kTolerance);
  o.Bounce(kCanvas);
  EXPECT_NEAR(o.Direction, 3.0, kTolerance);
}

TEST(OrganismBounce, ANegativeHeadingGetsOneFullTurnAdded) {
  Organism o = At(150.0, 150.0, -1.0);
  o.Bounce(kCanvas);
  EXPECT_NEAR(o.Direction, 5.2831853, kTolerance);

  o = At(150.0, 150.0, -7.0);  // only once, so it stays negative
  o.Bounce(kCanvas);
  EXPECT_NEAR(o.Direction, -7.0 + 6.2831853, kTolerance);
}

TEST(OrganismBounce, AHeadingOfExactlyAFullTurnIsLeftAlone) {
  Organism o = At(150.0, 150.0, 6.2831853);
  o.Bounce(kCanvas);
  EXPECT_EQ(o.Direction, 6.2831853);
}

TEST(OrganismBounce, AHeadingAboveAFullTurnLosesOne) {
  Organism o = At(150.0, 150.0, 7.0);
  o.Bounce(kCanvas);
  EXPECT_NEAR(o.Direction, 7.0 - 6.2831853, kTolerance);
}

TEST(OrganismBounce, SidesAreReadFromTheCanvas) {
  const RectControl canvas(100, 200, 50, 40);  // sides at x 100 and 150, y 200 and 240
  const struct {
    double x, y, expected;
  } cases[] = {
      {106.0, 220.0, 1.0},               // on the left side
      {105.5, 220.0, 3.14159265 - 1.0},  // past the left side
      {144.0, 220.0, 1.0},               // on the right side
      {144.5, 220.0, 3.14159265 - 1.0},  // past the right side
      {125.0, 206.0, 1.0},               // on the top side
      {125.0, 205.5, 6.2831853 - 1.0},   // past the top side
      {125.0, 234.0, 1.0},               // on the bottom side
      {125.0, 234.5, 6.2831853 - 1.0},   // past the bottom side
  };
  for (const auto& c : cases) {
    Organism o = At(c.x, c.y, 1.0);
    o.Bounce(canvas);
    EXPECT_NEAR(o.Direction, c.expected, kTolerance) << "centre (" << c.x << ", " << c.y << ")";
  }
}

TEST(OrganismBounce, EveryTestRunsEvenAfterAnEarlierOneTurnedTheHeading) {
  // Wider and taller than the canvas: past all four sides at once, so the two mirrorings of each
  // axis cancel; the centre is inside, so there is no re-aim.
  Organism o = At(4.0, 4.0, 1.0);
  ScriptedRnd rnd({});
  o.Bounce(RectControl(0, 0, 8, 8));
  EXPECT_EQ(rnd.Calls(), 0u);
  EXPECT_NEAR(o.Direction, 1.0, kTolerance);
}

// --- Draw ----------------------------------------------------------------------------------------

template <class Species>
Species Placed(int left, int top, int size) {
  Species s;
  s.left = left;
  s.top = top;
  s.width = size;
  s.height = size;
  return s;
}

// An arena canvas whose left and top differ, so that buffer x and y cannot be mixed up.
const RectControl kOffsetCanvas(22, 40, 280, 250);

TEST(OrganismDraw, ADotPaintsTheInscribedCircleAtTheBoxLessTheCanvasCorner) {
  const auto dot = Placed<SpeciesDot>(100, 78, 12);  // buffer box (78, 38)
  PicturePtr buffer = NewPicture(280, 250, 8);
  dot.Draw(kOffsetCanvas, *buffer, kRed);

  PicturePtr expected = NewPicture(280, 250, 8);
  expected->Graphics().ForeColor = kRed;
  expected->Graphics().FillOval(78, 38, 12, 12);
  EXPECT_TRUE(SamePixels(*buffer, *expected));

  EXPECT_EQ(buffer->PixelColor(84, 44), kRed);    // centre
  EXPECT_EQ(buffer->PixelColor(78, 43), kRed);    // middle of the left side
  EXPECT_EQ(buffer->PixelColor(89, 44), kRed);    // middle of the right side
  EXPECT_EQ(buffer->PixelColor(78, 38), kWhite);  // corners of the box
  EXPECT_EQ(buffer->PixelColor(89, 49), kWhite);
  EXPECT_EQ(buffer->PixelColor(77, 43), kWhite);  // just outside the box
  EXPECT_EQ(buffer->PixelColor(90, 44), kWhite);
}

TEST(OrganismDraw, ADotOfFourPixelsIsTheBoxWithoutItsCorners) {
  const auto dot = Placed<SpeciesDot>(30, 40, 4);  // buffer box (8, 18) to (11, 21)
  PicturePtr buffer = NewPicture(280, 250, 8);
  dot.Draw(kCanvas, *buffer, kRed);
  for (int y = 16; y < 24; ++y) {
    for (int x = 6; x < 14; ++x) {
      const bool inBox = x >= 8 && x < 12 && y >= 18 && y < 22;
      const bool corner = (x == 8 || x == 11) && (y == 18 || y == 21);
      EXPECT_EQ(buffer->PixelColor(x, y), inBox && !corner ? kRed : kWhite)
          << "pixel (" << x << ", " << y << ")";
    }
  }
  EXPECT_EQ(CountPixels(*buffer, kRed), 12);
}

TEST(OrganismDraw, ASquareLeavesItsCornersUnpainted) {
  const auto square = Placed<SpeciesSquare>(100, 78, 12);  // buffer box (78, 38)
  PicturePtr buffer = NewPicture(280, 250, 8);
  square.Draw(kOffsetCanvas, *buffer, kRed);

  PicturePtr expected = NewPicture(280, 250, 8);
  expected->Graphics().ForeColor = kRed;
  expected->Graphics().FillRoundRect(78, 38, 12, 12, 6, 6);
  EXPECT_TRUE(SamePixels(*buffer, *expected));

  for (auto [x, y] : {std::pair{78, 38}, {89, 38}, {78, 49}, {89, 49}}) {
    EXPECT_EQ(buffer->PixelColor(x, y), kWhite) << "corner (" << x << ", " << y << ")";
  }
  EXPECT_EQ(buffer->PixelColor(84, 44), kRed);
  EXPECT_EQ(buffer->PixelColor(84, 38), kRed);  // middle of the top side
  EXPECT_EQ(buffer->PixelColor(78, 44), kRed);  // middle of the left side
  // A rounded square covers more than the circle in the same box.
  PicturePtr circle = NewPicture(280, 250, 8);
  Placed<SpeciesDot>(100, 78, 12).Draw(kOffsetCanvas, *circle, kRed);
  EXPECT_GT(CountPixels(*buffer, kRed), CountPixels(*circle, kRed));
}

TEST(OrganismDraw, DrawingAgainInTheBackgroundLeavesNoPixelBehind) {
  PicturePtr buffer = NewPicture(280, 250, 8);
  PicturePtr blank = NewPicture(280, 250, 8);
  for (int size : {4, 10, 12, 16}) {
    SCOPED_TRACE(size);
    const auto dot = Placed<SpeciesDot>(61, 97, size);
    dot.Draw(kCanvas, *buffer, RGB(255, 50, 40));
    ASSERT_GT(CountPixels(*buffer, RGB(255, 50, 40)), 0);
    dot.Draw(kCanvas, *buffer, kWhite);
    EXPECT_TRUE(SamePixels(*buffer, *blank));

    const auto square = Placed<SpeciesSquare>(61, 97, size);
    square.Draw(kCanvas, *buffer, RGB(0, 0, 140));
    ASSERT_GT(CountPixels(*buffer, RGB(0, 0, 140)), 0);
    square.Draw(kCanvas, *buffer, kWhite);
    EXPECT_TRUE(SamePixels(*buffer, *blank));
  }
}

TEST(OrganismDraw, ATickOfEraseMoveDrawLeavesOnlyTheNewPlace) {
  Globals::Startup();
  ScriptedRnd rnd({0.5, 0.5, 0.5, 0.1});
  SpeciesDot dot;
  dot.Construct(kCanvas, true);
  PicturePtr buffer = NewPicture(280, 250, 8);
  dot.Draw(kCanvas, *buffer, dot.CoatColor);
  for (int tick = 0; tick < 40; ++tick) {
    dot.Draw(kCanvas, *buffer, kWhite);
    dot.Move();
    dot.Bounce(kCanvas);
    dot.Draw(kCanvas, *buffer, dot.CoatColor);
  }
  PicturePtr fresh = NewPicture(280, 250, 8);
  dot.Draw(kCanvas, *fresh, dot.CoatColor);
  EXPECT_TRUE(SamePixels(*buffer, *fresh));
}

TEST(OrganismDraw, ABoxPartlyOutsideTheBufferIsClipped) {
  PicturePtr buffer = NewPicture(280, 250, 8);
  Placed<SpeciesSquare>(16, 16, 12).Draw(kCanvas, *buffer, kRed);  // buffer box (-6, -6)
  EXPECT_EQ(buffer->PixelColor(0, 0), kRed);                       // the middle of the box
  EXPECT_EQ(buffer->PixelColor(5, 0), kRed);                       // its right side
  EXPECT_EQ(buffer->PixelColor(5, 5), kWhite);  // its bottom-right corner, rounded off
  EXPECT_EQ(buffer->PixelColor(6, 0), kWhite);  // beyond the box
  Placed<SpeciesDot>(298, 268, 12).Draw(kCanvas, *buffer, kRed);  // past right and bottom
  EXPECT_EQ(buffer->PixelColor(279, 249), kRed);
}

}  // namespace
