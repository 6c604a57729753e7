#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "platform/buttons.h"
#include "platform/canvas.h"
#include "platform/list_controls.h"
#include "platform/shapes.h"
#include "platform/text_controls.h"
#include "platform/timer.h"
#include "tests/sim_fixture.h"

namespace {

using namespace sim_test;

constexpr int kArenaWidth = 280;
constexpr int kArenaHeight = 250;
constexpr Color kOff = RGB(255, 255, 255);
constexpr Color kGreen = RGB(0, 145, 0);
constexpr Color kYellow = RGB(245, 200, 0);
constexpr Color kRedLight = RGB(230, 0, 0);
constexpr const char* kDeadDot =
    "There's a dead dot hanging around. Look in Timer1's Action Method.";

struct ButtonState {
  bool running;
  const char* runCaption;
  bool runEnabled;
  bool newPopEnabled;
  bool divideEnabled;
  TimerMode timerMode;  // the animation timer runs only while the window runs
};
constexpr ButtonState kEmpty{false, "Run", false, true, false, TimerMode::Off};
constexpr ButtonState kStopped{false, "Run", true, true, true, TimerMode::Off};
constexpr ButtonState kRunning{true, "Stop", true, false, false, TimerMode::Repeating};

PicturePtr Filled(Color c) {
  PicturePtr p = NewPicture(kArenaWidth, kArenaHeight, 8);
  p->Graphics().ForeColor = c;
  p->Graphics().FillRect(0, 0, kArenaWidth, kArenaHeight);
  return p;
}

class AnimationTest : public SimTest {
 protected:
  void Tick() { Main().Timer1->Fire(); }
  // A press far from every organism: with Selective off it still eats one.
  void PressAnywhere() { Main().DeliverMouseDown(10, 340); }
  void EatOneAndTick() {
    PressAnywhere();
    Tick();
  }

  std::string Count() { return Main().StaticTextNumRemaining->Text(); }
  Color Light() { return Main().TrafficLight->FillColor(); }
  PicturePtr Arena() { return Main().RectangleRange->Snapshot(); }

  // The living organisms drawn in index order on a fresh arena.
  PicturePtr Rendered(Color bg) {
    PicturePtr p = Filled(bg);
    auto& w = Main();
    for (int i = 1; i <= w.Individual.Ubound(); ++i) {
      const SpeciesDot& o = w.Individual(i);
      if (o.Alive) o.Draw(*w.RectangleRange, *p, o.CoatColor);
    }
    return p;
  }

  // One organism of each class in a row, far enough apart never to overlap, heading right.
  void PopulateSpaced() {
    auto& w = Main();
    w.Individual.Redim(Trait::kClasses);
    for (int k = 0; k < Trait::kClasses; ++k) {
      SpeciesDot d;
      d.width = d.height = Globals::Mode == "Size" ? Trait::SizeOf(k) : 12;
      d.xctr = 40 + 35 * k;
      d.yctr = 100;
      d.PlaceBox();
      d.speed = 1.0;
      d.Direction = 0;
      d.CoatColor = Trait::Palette()(k);
      d.Alive = true;
      w.Individual(k + 1) = d;
    }
  }

  void ExpectState(const ButtonState& s) {
    auto& w = Main();
    EXPECT_EQ(w.Running, s.running);
    EXPECT_EQ(w.PushButtonRun->Caption(), s.runCaption);
    EXPECT_EQ(w.PushButtonRun->Enabled(), s.runEnabled);
    EXPECT_EQ(w.PushButtonNewPop->Enabled(), s.newPopEnabled);
    EXPECT_EQ(w.PushButtonDivide->Enabled(), s.divideEnabled);
    EXPECT_EQ(w.Timer1->Mode(), s.timerMode);
  }
};

TEST_F(AnimationTest, TicksAfterOpenChangeNothing) {
  auto& w = Main();
  const Picture* buffer = w.PictureBuffer.get();
  for (int t = 0; t < 3; ++t) Tick();

  EXPECT_EQ(w.PictureBuffer.get(), buffer);
  EXPECT_EQ(Differing(*w.PictureBuffer, *Filled(kWhite)), 0);
  EXPECT_EQ(Differing(*Arena(), *Filled(kWhite)), 0);
  EXPECT_EQ(w.Individual.Ubound(), 0);
  EXPECT_EQ(Count(), "");
  EXPECT_EQ(Light(), kOff);
  ExpectState(kEmpty);
}

TEST_F(AnimationTest, NewPopulationPaintsFiftyOnWhiteAndStaysStopped) {
  auto& w = Main();
  Press(w.PushButtonNewPop);

  ASSERT_EQ(w.Individual.Ubound(), 50);
  for (int i = 1; i <= 50; ++i) EXPECT_TRUE(w.Individual(i).Alive) << i;
  EXPECT_EQ(Differing(*w.PictureBuffer, *Rendered(kWhite)), 0);
  EXPECT_EQ(Differing(*Arena(), *Rendered(kWhite)), 0);
  EXPECT_EQ(Count(), "50");
  EXPECT_EQ(Light(), kGreen);
  EXPECT_EQ(w.Gen, 0);
  EXPECT_EQ(w.ListBox1->ListCount(), 1);
  const PicturePtr& current = w.HistoCurrent->Backdrop();
  ASSERT_TRUE(current);
  EXPECT_EQ(current->Width(), 154);
  EXPECT_EQ(current->Height(), 85);
  for (int y = 0; y < 85; ++y) {
    for (int x = 0; x < 154; ++x) ASSERT_EQ(current->PixelColor(x, y), kWhite) << x << "," << y;
  }
  EXPECT_EQ(w.StaticTextMaxCurrent->Text(), "0");
  ExpectState(kStopped);
}

TEST_F(AnimationTest, NewPopulationAgainReplacesEverything) {
  auto& w = Main();
  Press(w.PushButtonNewPop);
  std::vector<std::pair<double, double>> before;
  for (int i = 1; i <= 50; ++i) before.emplace_back(w.Individual(i).xctr, w.Individual(i).yctr);
  Press(w.PushButtonRun);
  Press(w.PushButtonRun);
  Press(w.PushButtonDivide);
  ASSERT_EQ(w.Individual.Ubound(), 100);

  Press(w.PushButtonNewPop);

  ASSERT_EQ(w.Individual.Ubound(), 50);
  for (int i = 1; i <= 50; ++i) {
    const std::pair<double, double> at{w.Individual(i).xctr, w.Individual(i).yctr};
    EXPECT_NE(at, before[i - 1]) << "organism " << i << " survived";
  }
  EXPECT_EQ(Differing(*Arena(), *Rendered(kWhite)), 0);
  EXPECT_EQ(w.Gen, 0);
  EXPECT_EQ(Count(), "50");
  ASSERT_EQ(w.ListBox1->ListCount(), 1);
  EXPECT_EQ(w.ListBox1->Cell(0, 0), "0");
  EXPECT_EQ(w.StaticTextMaxCurrent->Text(), "0");
}

// Run and Stop toggle the state and touch neither the count nor the light; while running, the
// other two buttons cannot be pressed.
TEST_F(AnimationTest, RunAndStopFollowTheStateTable) {
  auto& w = Main();
  ExpectState(kEmpty);
  Press(w.PushButtonNewPop);
  ExpectState(kStopped);

  Press(w.PushButtonRun);
  ExpectState(kRunning);
  w.PushButtonNewPop->Push();
  w.PushButtonDivide->Push();
  EXPECT_EQ(w.Individual.Ubound(), 50);
  EXPECT_EQ(w.Gen, 0);
  EXPECT_EQ(Count(), "50");
  EXPECT_EQ(Light(), kGreen);

  Press(w.PushButtonRun);
  ExpectState(kStopped);
  EXPECT_EQ(Count(), "50");
  EXPECT_EQ(Light(), kGreen);
}

TEST_F(AnimationTest, SeveralEatenBetweenTicksGoAtTheNextTick) {
  auto& w = Main();
  Press(w.PushButtonNewPop);
  w.CheckBoxSelective->SetValue(false);
  Press(w.PushButtonRun);
  for (int k = 0; k < 3; ++k) PressAnywhere();
  Tick();

  ASSERT_EQ(w.Individual.Ubound(), 47);
  for (int i = 1; i <= 47; ++i) EXPECT_TRUE(w.Individual(i).Alive) << i;
  EXPECT_EQ(Count(), "47");
}

// The light stays green down to 31, is yellow from 30 to 26 and red from 25; once all are
// eaten, the arena is empty and Run and Stop still toggle.
TEST_F(AnimationTest, LightAndCountFollowEachRemovalDownToNothing) {
  auto& w = Main();
  Press(w.PushButtonNewPop);
  w.CheckBoxSelective->SetValue(false);
  Press(w.PushButtonRun);
  for (int remaining = 49; remaining >= 0; --remaining) {
    const Color light = Light();
    PressAnywhere();
    ASSERT_EQ(Count(), std::to_string(remaining + 1));
    ASSERT_EQ(Light(), light);
    Tick();
    ASSERT_EQ(w.Individual.Ubound(), remaining);
    ASSERT_EQ(Count(), std::to_string(remaining));
    const Color want = remaining >= 31 ? kGreen : remaining >= 26 ? kYellow : kRedLight;
    ASSERT_EQ(Light(), want) << remaining << " remaining";
  }

  Tick();
  EXPECT_EQ(Differing(*Arena(), *Filled(kWhite)), 0);
  Press(w.PushButtonRun);
  ExpectState(kStopped);
  EXPECT_EQ(w.StaticTextMaxCurrent->Text(), "0");
  EXPECT_EQ(w.ListBox1->Cell(w.ListBox1->LastIndex(), 1), "0");
  Press(w.PushButtonRun);
  ExpectState(kRunning);
  Press(w.PushButtonRun);
  EXPECT_EQ(Light(), kRedLight);
  EXPECT_EQ(Count(), "0");

  Press(w.PushButtonNewPop);
  EXPECT_EQ(Light(), kGreen);
}

TEST_F(AnimationTest, RedLightAfterReproduceStaysRedUntilARemovalLeavesThirty) {
  auto& w = Main();
  Press(w.PushButtonNewPop);
  w.CheckBoxSelective->SetValue(false);
  Press(w.PushButtonRun);
  for (int k = 0; k < 30; ++k) EatOneAndTick();
  ASSERT_EQ(Light(), kRedLight);
  Press(w.PushButtonRun);
  Press(w.PushButtonDivide);
  ASSERT_EQ(Count(), "40");
  EXPECT_EQ(Light(), kRedLight);

  Press(w.PushButtonRun);
  Tick();
  EXPECT_EQ(Light(), kRedLight);
  for (int k = 0; k < 9; ++k) EatOneAndTick();
  ASSERT_EQ(Count(), "31");
  EXPECT_EQ(Light(), kRedLight);
  EatOneAndTick();
  EXPECT_EQ(Light(), kYellow);
}

// Stop before the tick that would remove an eaten organism: it stays, unpainted, counted and in
// no class, and the first tick after Run removes it.
TEST_F(AnimationTest, StopLeavesAnEatenOrganismUntilTheNextRun) {
  auto& w = Main();
  Press(w.PushButtonNewPop);
  w.CheckBoxSelective->SetValue(false);
  Press(w.PushButtonRun);
  Tick();
  {
    RndScript script({0.0});  // the first organism
    PressAnywhere();
  }
  Press(w.PushButtonRun);

  ASSERT_EQ(w.Individual.Ubound(), 50);
  EXPECT_FALSE(w.Individual(1).Alive);
  EXPECT_EQ(w.Individual(1).CoatColor, kRed);
  EXPECT_EQ(Count(), "50");
  EXPECT_EQ(Differing(*w.PictureBuffer, *Rendered(kWhite)), 0);
  EXPECT_EQ(Differing(*Arena(), *Rendered(kWhite)), 0);
  int counted = 0;
  for (int col = 1; col < 8; ++col) counted += std::stoi(w.ListBox1->Cell(1, col));
  EXPECT_EQ(counted, 49);

  Press(w.PushButtonRun);
  Tick();
  ASSERT_EQ(w.Individual.Ubound(), 49);
  for (int i = 1; i <= 49; ++i) EXPECT_TRUE(w.Individual(i).Alive) << i;
  EXPECT_EQ(Count(), "49");
  EXPECT_TRUE(messages.empty());
}

TEST_F(AnimationTest, DeadOrganismThatIsNotRedIsReportedOnceAndRemoved) {
  auto& w = Main();
  Press(w.PushButtonNewPop);
  Press(w.PushButtonRun);
  w.Individual(2).Alive = false;  // keeps its palette color
  w.Individual(5).Alive = false;
  w.Individual(5).CoatColor = Globals::Red;
  const SpeciesDot last = w.Individual(50);

  Tick();

  EXPECT_EQ(messages, std::vector<std::string>{kDeadDot});
  ASSERT_EQ(w.Individual.Ubound(), 48);
  for (int i = 1; i <= 48; ++i) EXPECT_TRUE(w.Individual(i).Alive) << i;
  EXPECT_EQ(Count(), "48");
  EXPECT_NE(std::make_pair(w.Individual(48).xctr, w.Individual(48).yctr),
            std::make_pair(last.xctr, last.yctr))
      << "the tick stopped before the last organism";
  EXPECT_EQ(Differing(*Arena(), *w.PictureBuffer), 0);

  Tick();
  EXPECT_EQ(messages.size(), 1u);
}

struct BackgroundCase {
  const char* mode;
  Color running;
};
void PrintTo(const BackgroundCase& c, std::ostream* os) {
  *os << c.mode;
}

class ArenaBackgroundTest : public AnimationTest,
                            public ::testing::WithParamInterface<BackgroundCase> {};

// Run refills the picture without showing it; the first tick shows the organisms on the running
// background; Stop repaints them on white.
TEST_P(ArenaBackgroundTest, RunPaintsTheBackgroundAndStopRepaintsWhite) {
  auto& w = Main();
  SetMode(GetParam().mode);
  Press(w.PushButtonNewPop);
  PopulateSpaced();
  const PicturePtr stopped = Arena();

  Press(w.PushButtonRun);
  EXPECT_EQ(Differing(*w.PictureBuffer, *Filled(GetParam().running)), 0);
  EXPECT_EQ(Differing(*Arena(), *stopped), 0);

  Tick();
  for (int k = 0; k < Trait::kClasses; ++k) {
    EXPECT_DOUBLE_EQ(w.Individual(k + 1).xctr, 41 + 35 * k);
  }
  EXPECT_EQ(Differing(*Arena(), *Rendered(GetParam().running)), 0);

  Press(w.PushButtonRun);
  EXPECT_EQ(Differing(*w.PictureBuffer, *Rendered(kWhite)), 0);
  EXPECT_EQ(Differing(*Arena(), *Rendered(kWhite)), 0);
}

INSTANTIATE_TEST_SUITE_P(Modes, ArenaBackgroundTest,
                         ::testing::Values(BackgroundCase{"Speed", kWhite},
                                           BackgroundCase{"Size", kWhite},
                                           BackgroundCase{"Visibility", kBlack}),
                         [](const auto& info) { return std::string(info.param.mode); });

}  // namespace
