#include <array>
#include <ostream>
#include <string>
#include <tuple>
#include <vector>

#include "platform/buttons.h"
#include "platform/canvas.h"
#include "platform/list_controls.h"
#include "platform/text_controls.h"
#include "platform/timer.h"
#include "tests/sim_fixture.h"

namespace {

using namespace sim_test;

constexpr const char* kCeiling =
    "You've got to be kidding!  That's too many dots.  I'm not making any more.";

// An organism of class k in the current mode, as Construct would make it, centred at (x, y).
SpeciesDot Classed(int k, double x, double y) {
  SpeciesDot d;
  const bool size = Globals::Mode == "Size";
  d.width = d.height = size ? 2 * k + 4 : 12;
  d.speed = Globals::Mode == "Speed" ? k * k / 12.0 + 0.1 : 1.0;
  d.CoatColor = Trait::Palette()(k);
  d.xctr = x;
  d.yctr = y;
  d.PlaceBox();
  d.Alive = true;
  return d;
}

void ExpectClass(const SpeciesDot& o, int k, const char* who) {
  const std::string& mode = Globals::Mode;
  EXPECT_EQ(o.CoatColor, mode == "Visibility" ? kBlue[k] : kSpectrum[k]) << who;
  EXPECT_EQ(o.width, mode == "Size" ? 2 * k + 4 : 12) << who;
  EXPECT_EQ(o.height, o.width) << who;
  EXPECT_DOUBLE_EQ(o.speed, mode == "Speed" ? k * k / 12.0 + 0.1 : 1.0) << who;
}

class ReproductionTest : public SimTest {
 protected:
  // A stopped window holding exactly these organisms, drawn on a fresh white arena.
  void StoppedWith(const std::vector<SpeciesDot>& dots) {
    auto& w = Main();
    Press(w.PushButtonNewPop);
    w.Individual.Redim(static_cast<int>(dots.size()));
    for (size_t i = 0; i < dots.size(); ++i) w.Individual(static_cast<int>(i) + 1) = dots[i];
    w.FillPictureBuffer(*w.RectangleRange, Globals::White);
    for (const SpeciesDot& d : dots) d.Draw(*w.RectangleRange, *w.PictureBuffer, d.CoatColor);
  }

  PicturePtr Rendered() {
    auto& w = Main();
    PicturePtr p = NewPicture(w.RectangleRange->Width(), w.RectangleRange->Height(), 8);
    for (int i = 1; i <= w.Individual.Ubound(); ++i) {
      const SpeciesDot& o = w.Individual(i);
      if (o.Alive) o.Draw(*w.RectangleRange, *p, o.CoatColor);
    }
    return p;
  }

  int LastRowSum() {
    Listbox& list = *Main().ListBox1;
    int sum = 0;
    for (int col = 1; col < 8; ++col) sum += std::stoi(list.Cell(list.LastIndex(), col));
    return sum;
  }
};

struct CeilingCase {
  const char* name;
  int start;
  std::vector<int> sizes;     // after each press
  std::vector<int> messages;  // ceiling messages shown so far, after each press
};
void PrintTo(const CeilingCase& c, std::ostream* os) {
  *os << c.name;
}

class CeilingTest : public ReproductionTest, public ::testing::WithParamInterface<CeilingCase> {};

// Each press doubles the population until it passes 999; the children follow the old population
// in the order of their parents, each on its parent's line.
TEST_P(CeilingTest, DoublingStopsOnceThePopulationPassesTheCeiling) {
  const CeilingCase& c = GetParam();
  auto& w = Main();
  w.NumIndivs = c.start;
  Press(w.PushButtonNewPop);
  for (size_t p = 0; p < c.sizes.size(); ++p) {
    const int before = w.Individual.Ubound();
    Press(w.PushButtonDivide);
    ASSERT_EQ(w.Individual.Ubound(), c.sizes[p]) << "press " << p + 1;
    EXPECT_EQ(w.StaticTextNumRemaining->Text(), std::to_string(c.sizes[p]));
    EXPECT_EQ(w.Gen, static_cast<int>(p) + 1);
    ASSERT_EQ(messages.size(), static_cast<size_t>(c.messages[p])) << "press " << p + 1;
    for (int j = before + 1; j <= w.Individual.Ubound(); ++j) {
      ASSERT_EQ(w.Individual(j).yctr, w.Individual(j - before).yctr) << "child " << j;
    }
  }
  for (const std::string& m : messages) EXPECT_EQ(m, kCeiling);
}

INSTANTIATE_TEST_SUITE_P(Populations, CeilingTest,
                         ::testing::Values(CeilingCase{"Fifty",
                                                       50,
                                                       {100, 200, 400, 800, 1000, 1001},
                                                       {0, 0, 0, 0, 1, 2}},
                                           CeilingCase{"FiveHundred", 500, {1000, 1001}, {1, 2}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ReproductionTest, NothingElseRunsWhileTheCeilingMessageIsUp) {
  auto& w = Main();
  w.NumIndivs = 500;
  Press(w.PushButtonNewPop);
  SetMsgBoxHook([this, &w](const std::string& text) {
    messages.push_back(text);
    w.PushButtonDivide->Push();
    w.PushButtonNewPop->Push();
    w.Timer1->Fire();
  });
  Press(w.PushButtonDivide);

  EXPECT_EQ(messages.size(), 1u);
  EXPECT_EQ(w.Individual.Ubound(), 1000);
  EXPECT_EQ(w.Gen, 1);
}

TEST_F(ReproductionTest, EmptyPopulationStillAdvancesTheGeneration) {
  auto& w = Main();
  Press(w.PushButtonNewPop);
  w.CheckBoxSelective->SetValue(false);
  Press(w.PushButtonRun);
  for (int p = 0; p < 50; ++p) {
    w.DeliverMouseDown(10, 10);
    w.Timer1->Fire();
  }
  Press(w.PushButtonRun);
  ASSERT_EQ(w.Individual.Ubound(), 0);

  Press(w.PushButtonDivide);

  EXPECT_EQ(w.Gen, 1);
  EXPECT_EQ(w.StaticTextNumRemaining->Text(), "0");
  EXPECT_EQ(w.StaticTextMaxCurrent->Text(), "0");
  const PicturePtr& histo = w.HistoCurrent->Backdrop();
  for (int y = 0; y < histo->Height(); ++y) {
    for (int x = 0; x < histo->Width(); ++x) ASSERT_EQ(histo->PixelColor(x, y), kWhite);
  }
  ASSERT_EQ(w.ListBox1->ListCount(), 3);
  EXPECT_EQ(w.ListBox1->Cell(2, 0), "1");
  EXPECT_EQ(LastRowSum(), 0);
}

struct RuleCase {
  const char* name;
  bool heritable;
  bool variable;
  int parentClass;  // after the press, the parent having been class 5
  int childClass;
  size_t rndCalls;
};
void PrintTo(const RuleCase& c, std::ostream* os) {
  *os << c.name;
}

class TraitRuleTest : public ReproductionTest,
                      public ::testing::WithParamInterface<std::tuple<std::string, RuleCase>> {};

// Rnd gives, in order: the child's class when Variable (0.34: class 2), its place and heading,
// then the parent's fresh class when only Variable is on (0.99: class 6).
TEST_P(TraitRuleTest, ParentAndChildTakeTheirTraits) {
  const auto& [mode, rule] = GetParam();
  auto& w = Main();
  SetMode(mode);
  StoppedWith({Classed(5, 150, 150)});
  w.CheckBoxHeritable->SetValue(rule.heritable);
  w.CheckBoxVariable->SetValue(rule.variable);
  RndScript script({0.34, 0.5, 0.5, 0.5, 0.99});

  Press(w.PushButtonDivide);

  ASSERT_EQ(w.Individual.Ubound(), 2);
  ExpectClass(w.Individual(1), rule.parentClass, "parent");
  ExpectClass(w.Individual(2), rule.childClass, "child");
  EXPECT_EQ(script.Used(), rule.rndCalls);
  EXPECT_EQ(Differing(*w.PictureBuffer, *Rendered()), 0);
}

INSTANTIATE_TEST_SUITE_P(
    ModesAndRules, TraitRuleTest,
    ::testing::Combine(::testing::Values("Speed", "Size", "Visibility"),
                       ::testing::Values(RuleCase{"HeritableVariable", true, true, 5, 5, 4},
                                         RuleCase{"HeritableOnly", true, false, 5, 5, 3},
                                         RuleCase{"VariableOnly", false, true, 6, 2, 5},
                                         RuleCase{"Neither", false, false, 3, 3, 3})),
    [](const auto& info) {
      return std::string(std::get<0>(info.param)) + "_" + std::get<1>(info.param).name;
    });

struct EdgeCase {
  const char* name;
  double start;
  double parent;
  double child;
};
void PrintTo(const EdgeCase& c, std::ostream* os) {
  *os << c.name;
}

class EdgeShiftTest : public ReproductionTest, public ::testing::WithParamInterface<EdgeCase> {};

// The arena spans x 22..302; a parent 12 wide (centres are whole numbers here) within one width of
// a side first moves 4 away.
TEST_P(EdgeShiftTest, ParentNearASideMovesAThirdOfItsWidthAway) {
  const EdgeCase& c = GetParam();
  auto& w = Main();
  StoppedWith({Classed(3, c.start, 150)});

  Press(w.PushButtonDivide);

  ASSERT_EQ(w.Individual.Ubound(), 2);
  const SpeciesDot& parent = w.Individual(1);
  const SpeciesDot& child = w.Individual(2);
  EXPECT_DOUBLE_EQ(parent.xctr, c.parent);
  EXPECT_EQ(parent.left, static_cast<int>(c.parent) - 6);
  EXPECT_DOUBLE_EQ(child.xctr, c.child);
  EXPECT_EQ(child.left, static_cast<int>(c.child) - 6);
  EXPECT_EQ(parent.top, 144);
  EXPECT_EQ(child.top, 144);
  EXPECT_EQ(Differing(*w.PictureBuffer, *Rendered()), 0);
  EXPECT_EQ(Differing(*w.RectangleRange->Snapshot(), *Rendered()), 0);
}

INSTANTIATE_TEST_SUITE_P(Places, EdgeShiftTest,
                         ::testing::Values(EdgeCase{"FiveInsideLeft", 27, 27, 35},
                                           EdgeCase{"ElevenInsideRight", 291, 283, 291},
                                           EdgeCase{"TwelveInsideLeft", 34, 30, 38},
                                           EdgeCase{"TwelveInsideRight", 290, 286, 294},
                                           EdgeCase{"Middle", 150, 146, 154}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ReproductionTest, ShrinkingParentLeavesNoTrace) {
  auto& w = Main();
  SetMode("Size");
  StoppedWith({Classed(6, 150, 150)});
  w.CheckBoxHeritable->SetValue(false);
  w.CheckBoxVariable->SetValue(false);

  Press(w.PushButtonDivide);

  ASSERT_EQ(w.Individual(1).width, 10);
  EXPECT_EQ(Differing(*w.PictureBuffer, *Rendered()), 0);
}

// With Heritable off a dividing parent would get a palette color; an eaten one must stay red,
// undivided, until the next tick removes it without complaint.
TEST_F(ReproductionTest, EatenOrganismLeftByStopDoesNotDivide) {
  auto& w = Main();
  Press(w.PushButtonNewPop);
  w.CheckBoxHeritable->SetValue(false);
  w.CheckBoxSelective->SetValue(false);
  Press(w.PushButtonRun);
  w.Timer1->Fire();
  {
    RndScript script({0.0});  // the first organism
    w.DeliverMouseDown(10, 10);
  }
  Press(w.PushButtonRun);

  Press(w.PushButtonDivide);

  ASSERT_EQ(w.Individual.Ubound(), 99);
  EXPECT_FALSE(w.Individual(1).Alive);
  EXPECT_EQ(w.Individual(1).CoatColor, kRed);
  EXPECT_EQ(w.Individual(51).yctr, w.Individual(2).yctr) << "the first child is not the second's";
  EXPECT_EQ(w.StaticTextNumRemaining->Text(), "99");
  EXPECT_EQ(LastRowSum(), 98);

  Press(w.PushButtonRun);
  w.Timer1->Fire();
  EXPECT_EQ(w.Individual.Ubound(), 98);
  EXPECT_TRUE(messages.empty());
}

}  // namespace
