#include <ostream>
#include <string>
#include <vector>

#include "platform/buttons.h"
#include "platform/canvas.h"
#include "platform/shapes.h"
#include "platform/text_controls.h"
#include "platform/timer.h"
#include "tests/sim_fixture.h"

namespace {

using namespace sim_test;

constexpr int kArenaLeft = 22;
constexpr int kArenaTop = 22;
constexpr Color kGreen = RGB(0, 145, 0);
constexpr Color kRedLight = RGB(230, 0, 0);

SpeciesDot Dot(double x, double y) {
  SpeciesDot d;
  d.width = d.height = 12;
  d.xctr = x;
  d.yctr = y;
  d.PlaceBox();
  d.speed = 0.85;
  d.CoatColor = Globals::Spectrum(3);
  d.Alive = true;
  return d;
}

bool Eaten(const SpeciesDot& o) {
  return !o.Alive && o.CoatColor == kRed;
}

class PredationTest : public SimTest {
 protected:
  // A running window whose population is the given organisms, not yet drawn by any tick.
  void RunWith(const std::vector<SpeciesDot>& dots) {
    auto& w = Main();
    w.PushButtonNewPop->Push();
    w.Individual.Redim(static_cast<int>(dots.size()));
    for (size_t i = 0; i < dots.size(); ++i) w.Individual(static_cast<int>(i) + 1) = dots[i];
    w.PushButtonRun->Push();
    ASSERT_TRUE(w.Running);
  }

  void PressAt(int x, int y) { Main().DeliverMouseDown(x, y); }

  int Living() {
    int n = 0;
    for (int i = 1; i <= Main().Individual.Ubound(); ++i) n += Main().Individual(i).Alive;
    return n;
  }

  // What the arena shows at a point in window coordinates.
  Color ArenaAt(double x, double y) {
    return Main().RectangleRange->Snapshot()->PixelColor(static_cast<int>(x) - kArenaLeft,
                                                         static_cast<int>(y) - kArenaTop);
  }
};

TEST_F(PredationTest, PressWhileStoppedDoesNothing) {
  auto& w = Main();
  w.PushButtonNewPop->Push();
  const SpeciesDot target = w.Individual(1);
  for (bool selective : {true, false}) {
    w.CheckBoxSelective->SetValue(selective);
    PressAt(static_cast<int>(target.xctr), static_cast<int>(target.yctr));
    EXPECT_EQ(Living(), 50) << "selective " << selective;
  }
}

TEST_F(PredationTest, PressOnAnEmptyPopulationDoesNothing) {
  RunWith({});
  RndScript script({});
  for (bool selective : {true, false}) {
    Main().CheckBoxSelective->SetValue(selective);
    PressAt(100, 80);
  }
  EXPECT_EQ(script.Used(), 0u);
  EXPECT_EQ(Main().Individual.Ubound(), 0);
}

struct HitCase {
  const char* name;
  int x;
  int y;
  bool eaten;
};
void PrintTo(const HitCase& c, std::ostream* os) {
  *os << c.name;
}

class SelectiveHitTest : public PredationTest, public ::testing::WithParamInterface<HitCase> {};

// The whole bounding box of a 12 by 12 organism at (100, 80) counts, its sides excluded.
TEST_P(SelectiveHitTest, PressEatsWithinTheBoundingBox) {
  RunWith({Dot(100.0, 80.0)});
  PressAt(GetParam().x, GetParam().y);

  const SpeciesDot& o = Main().Individual(1);
  EXPECT_EQ(Eaten(o), GetParam().eaten);
  if (GetParam().eaten) {
    EXPECT_EQ(ArenaAt(o.xctr, o.yctr), kRed) << "not shown red at once";
  }
}

INSTANTIATE_TEST_SUITE_P(
    Presses, SelectiveHitTest,
    ::testing::Values(HitCase{"Centre", 100, 80, true}, HitCase{"BoxCorner", 105, 85, true},
                      HitCase{"OppositeCorner", 95, 75, true}, HitCase{"RightSide", 106, 80, false},
                      HitCase{"TopSide", 100, 74, false}, HitCase{"LeftSide", 94, 80, false},
                      HitCase{"BottomSide", 100, 86, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(PredationTest, SelectivePressEatsEveryOrganismUnderIt) {
  RunWith({Dot(100, 80), Dot(200, 200), Dot(106, 80)});
  PressAt(103, 80);

  EXPECT_TRUE(Eaten(Main().Individual(1)));
  EXPECT_TRUE(Main().Individual(2).Alive);
  EXPECT_TRUE(Eaten(Main().Individual(3)));
}

TEST_F(PredationTest, SelectivePressPassesOverAnEatenOrganism) {
  RunWith({Dot(100, 80), Dot(104, 80)});
  PressAt(97, 80);  // only the first lies under it
  ASSERT_TRUE(Eaten(Main().Individual(1)));
  ASSERT_TRUE(Main().Individual(2).Alive);

  PressAt(101, 80);
  EXPECT_TRUE(Eaten(Main().Individual(1)));
  EXPECT_TRUE(Eaten(Main().Individual(2)));
}

TEST_F(PredationTest, SelectivePressOnNothingChangesNothing) {
  RunWith({Dot(100, 80), Dot(200, 200)});
  const PicturePtr before = Main().RectangleRange->Snapshot();
  PressAt(250, 100);

  EXPECT_EQ(Living(), 2);
  const PicturePtr after = Main().RectangleRange->Snapshot();
  for (int y = 0; y < after->Height(); ++y) {
    for (int x = 0; x < after->Width(); ++x) ASSERT_EQ(after->Pixel(x, y), before->Pixel(x, y));
  }
}

// Wherever the press lands, one living organism is eaten; when none is left, nothing is.
TEST_F(PredationTest, NotSelectiveEatsOneLivingOrganismPerPress) {
  RunWith({Dot(40, 40), Dot(100, 80), Dot(200, 200), Dot(250, 60), Dot(150, 250)});
  Main().CheckBoxSelective->SetValue(false);
  const int presses[][2] = {{100, 80}, {5, 5}, {400, 300}, {280, 260}, {40, 40}};
  for (int p = 0; p < 5; ++p) {
    PressAt(presses[p][0], presses[p][1]);
    ASSERT_EQ(Living(), 4 - p) << "after press " << p + 1;
  }
  for (int i = 1; i <= 5; ++i) {
    const SpeciesDot& o = Main().Individual(i);
    EXPECT_TRUE(Eaten(o)) << i;
    EXPECT_EQ(ArenaAt(o.xctr, o.yctr), kRed) << i;
  }

  PressAt(100, 80);
  EXPECT_EQ(Main().Individual.Ubound(), 5);
  EXPECT_EQ(Living(), 0);
}

// r = Round(Rnd * (n - 1)) + 1: with five organisms, 0 picks the first and 0.99 the fifth, 0.5
// the third. Draws that land on eaten organisms are drawn again.
TEST_F(PredationTest, RandomVictimIsNeverAnEatenOrganism) {
  RunWith({Dot(40, 40), Dot(100, 80), Dot(200, 200), Dot(250, 60), Dot(150, 250)});
  Main().CheckBoxSelective->SetValue(false);
  RndScript script({0.0, 0.99, 0.0, 0.99, 0.5});
  PressAt(10, 10);
  PressAt(10, 10);
  ASSERT_EQ(script.Used(), 2u);
  PressAt(10, 10);

  EXPECT_EQ(script.Used(), 5u);
  const bool eaten[] = {true, false, true, false, true};
  for (int i = 1; i <= 5; ++i) EXPECT_EQ(Eaten(Main().Individual(i)), eaten[i - 1]) << i;
}

TEST_F(PredationTest, NotSelectiveTakesTheLastOrganismAtEveryPress) {
  RunWith({Dot(100, 80)});
  Main().CheckBoxSelective->SetValue(false);
  for (int p = 0; p < 3; ++p) {
    PressAt(10, 10);
    ASSERT_TRUE(Eaten(Main().Individual(1))) << "press " << p + 1;
  }
  EXPECT_EQ(Main().Individual.Ubound(), 1);
}

TEST_F(PredationTest, CountAndLightWaitForTheNextTick) {
  auto& w = Main();
  w.PushButtonNewPop->Push();
  w.CheckBoxSelective->SetValue(false);
  w.PushButtonRun->Push();
  for (int p = 0; p < 25; ++p) PressAt(10, 10);

  EXPECT_EQ(w.StaticTextNumRemaining->Text(), "50");
  EXPECT_EQ(w.TrafficLight->FillColor(), kGreen);
  w.Timer1->Fire();
  EXPECT_EQ(w.StaticTextNumRemaining->Text(), "25");
  EXPECT_EQ(w.TrafficLight->FillColor(), kRedLight);
}

}  // namespace
