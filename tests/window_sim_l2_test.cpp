// "Mutation's Role": opening from the Window menu, what its layout does differently, the typed
// population size, and Reproduce with and without mutation.

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "app/menu.h"
#include "mutations_role/window_sim_l2.h"
#include "platform/canvas.h"
#include "platform/list_controls.h"
#include "platform/menu.h"
#include "platform/shapes.h"
#include "platform/text_controls.h"
#include "platform/timer.h"
#include "tests/sim_fixture.h"

namespace {

using namespace sim_test;

constexpr const char* kTitle = "Mutation's Role";
constexpr const char* kCeiling =
    "You've got to be kidding!  That's too many squares.  I'm not making any more.";
constexpr Color kGreen = RGB(0, 145, 0);

// Table rows print as their names in failure messages.
template <class Row>
requires requires(const Row& r) {
  r.name;
}
void PrintTo(const Row& r, std::ostream* os) {
  *os << r.name;
}

// Top-level Qt windows of this kind that still exist.
int BuiltWindows() {
  int n = 0;
  for (QWidget* w : QApplication::topLevelWidgets()) n += w->windowTitle() == kTitle;
  return n;
}

// A square of class k in the current mode, as Construct would make it, centred at (x, y).
SpeciesSquare Classed(int k, double x, double y) {
  SpeciesSquare s;
  s.width = s.height = Globals::Mode == "Size" ? Trait::SizeOf(k) : 12;
  s.speed = Globals::Mode == "Speed" ? Trait::SpeedOf(k) : 1.0;
  s.CoatColor = Trait::Palette()(k);
  s.xctr = x;
  s.yctr = y;
  s.PlaceBox();
  s.Alive = true;
  return s;
}

void ExpectClass(const SpeciesSquare& o, int k, const char* who) {
  const std::string& mode = Globals::Mode;
  EXPECT_EQ(o.CoatColor, mode == "Visibility" ? kBlue[k] : kSpectrum[k]) << who;
  EXPECT_EQ(o.width, mode == "Size" ? 2 * k + 4 : 12) << who;
  EXPECT_EQ(o.height, o.width) << who;
  EXPECT_DOUBLE_EQ(o.speed, mode == "Speed" ? k * k / 12.0 + 0.1 : 1.0) << who;
}

class MutationsRoleTest : public SimTest {
 protected:
  void SetUp() override {
    SimTest::SetUp();
    app().Choose(app().Item("WindowMutationsRole"));
    ASSERT_TRUE(app().WindowSimL2Open) << "the Window menu did not open it";
  }

  class WindowSimL2& L2() {
    return WindowSimL2();
  }

  void SetL2Mode(const std::string& mode) {
    Globals::Mode = mode;
    AsEvent([this] { L2().SetupWindowForMode(); });
  }

  // As the user types into the size field: the field's limit applies.
  void Type(const std::string& text) {
    auto* edit = qobject_cast<QLineEdit*>(L2().EditFieldPopSz->Widget());
    ASSERT_NE(edit, nullptr);
    edit->clear();
    QTest::keyClicks(edit, QString::fromStdString(text));
  }

  // A stopped window holding this one square, drawn on a fresh white arena.
  void StoppedWith(const SpeciesSquare& s) {
    auto& w = L2();
    Press(w.PushButtonNewPop);
    w.Individual.Redim(1);
    w.Individual(1) = s;
    w.FillPictureBuffer(*w.RectangleRange, Globals::White);
    s.Draw(*w.RectangleRange, *w.PictureBuffer, s.CoatColor);
  }

  // The squares drawn in index order on a white arena.
  PicturePtr Rendered() {
    auto& w = L2();
    PicturePtr p = NewPicture(w.RectangleRange->Width(), w.RectangleRange->Height(), 8);
    for (int i = 1; i <= w.Individual.Ubound(); ++i) {
      const SpeciesSquare& o = w.Individual(i);
      o.Draw(*w.RectangleRange, *p, o.CoatColor);
    }
    return p;
  }

  // Every square lies in the four classes a new population starts in: 0..3, or 3..6 in "Size"
  // mode. With allFour, each of them holds some.
  void ExpectStartingClasses(bool allFour) {
    auto& w = L2();
    const int first = Globals::Mode == "Size" ? 3 : 0;
    int counts[Trait::kClasses] = {};
    for (int i = 1; i <= w.Individual.Ubound(); ++i) {
      const int k = Trait::ClassOf(w.Individual(i).CoatColor);
      ASSERT_GE(k, 0) << "square " << i;
      ++counts[k];
    }
    for (int k = 0; k < Trait::kClasses; ++k) {
      const bool starting = k >= first && k <= first + 3;
      if (!starting || allFour) {
        EXPECT_EQ(counts[k] > 0, starting) << "class " << k;
      }
    }
  }
};

TEST_F(MutationsRoleTest, WindowMenuOpensItWithTheApplicationsMenuBar) {
  auto& w = L2();
  EXPECT_TRUE(w.IsOpen());
  EXPECT_EQ(BuiltWindows(), 1);
  EXPECT_EQ(w.Widget()->windowTitle().toStdString(), kTitle);
  EXPECT_EQ(w.Width(), 566);
  EXPECT_EQ(w.Height(), 376);
  EXPECT_EQ(w.MenuBar(), &TheMenu());
  EXPECT_FALSE(app().Item("WindowMutationsRole").Enabled());
  // The application's menus show in this window too, following the enabled states.
  auto* bar = w.Widget()->findChild<QMenuBar*>();
  ASSERT_NE(bar, nullptr);
  ASSERT_EQ(bar->actions().size(), 4);
  QAction* shown = bar->actions().at(2)->menu()->actions().at(1);
  EXPECT_EQ(shown->text().toStdString(), kTitle);
  EXPECT_FALSE(shown->isEnabled());

  // Its handler called again shows the one that is open.
  AsEvent([this] { app()._WindowMutationsRole_Action(); });
  EXPECT_EQ(&L2(), &w);
  EXPECT_EQ(BuiltWindows(), 1);
}

TEST_F(MutationsRoleTest, ControlsAreCreatedInLayoutOrder) {
  // clang-format off
  const std::string expected =
      "Box1 RectangleRange Timer1 Box3 HistoCurrent Box2 HistoStart PushButtonRun "
      "PushButtonDivide PushButtonNewPop StaticText1 StaticText2 CheckBoxSelective StaticText5 "
      "StaticText6 Line1 Line2 Line3 Line4 StaticText3 StaticText7 StaticTextMaxCurrent "
      "StaticTextMaxStart StaticText8 StaticText9 CheckBoxWithMut StaticText10 EditFieldPopSz "
      "StaticText11 OvalColor0 OvalColor1 OvalColor2 OvalColor3 OvalColor4 OvalColor5 OvalColor6 "
      "StaticText4 StaticTextNumRemaining Rectangle1 Rectangle2 TrafficLight Line5 "
      "DisclosureTriangle1 StaticText12 ListBox1";
  // clang-format on
  std::string actual;
  for (Control* c : L2().Controls()) {
    actual += (actual.empty() ? "" : " ") + c->Name() +
              (c->Index() < 0 ? "" : std::to_string(c->Index()));
  }
  EXPECT_EQ(actual, expected);
  EXPECT_EQ(L2().ControlByName("CheckBoxVariable"), nullptr);
  EXPECT_EQ(L2().ControlByName("CheckBoxHeritable"), nullptr);
}

// The controls that stand or read differently from the main window, after Open in "Speed".
struct Placed {
  const char* name;
  Kind kind = Kind::StaticText;
  int left = 0, top = 0, width = 0, height = 0;
  const char* text = "";
  int textSize = 12;
  Alignment align = Alignment::Left;
  bool multiLine = false;
  bool value = false;
};

class MutationsRoleLayoutTest : public MutationsRoleTest,
                                public testing::WithParamInterface<Placed> {};

TEST_P(MutationsRoleLayoutTest, ControlStandsAtItsPlaceWithItsSettings) {
  const Placed& e = GetParam();
  Control* c = L2().ControlByName(e.name);
  ASSERT_NE(c, nullptr);
  if (e.kind == Kind::Timer) {
    auto* timer = dynamic_cast<Timer*>(c);
    ASSERT_NE(timer, nullptr);
    EXPECT_EQ(timer->Mode(), TimerMode::Off);  // until Run
    EXPECT_EQ(timer->Period(), 40);
    return;
  }
  ASSERT_NE(c->Widget(), nullptr);
  EXPECT_EQ(c->Widget()->geometry(), QRect(e.left, e.top, e.width, e.height));
  EXPECT_EQ(c->Widget()->font().pixelSize(), e.textSize);
  if (auto* t = dynamic_cast<StaticText*>(c)) {
    EXPECT_EQ(t->Text(), e.text);
    EXPECT_EQ(t->TextAlign(), e.align);
    EXPECT_EQ(qobject_cast<QLabel*>(c->Widget())->wordWrap(), e.multiLine);
  } else if (auto* b = dynamic_cast<CheckBox*>(c)) {
    EXPECT_EQ(b->Caption(), e.text);
    EXPECT_EQ(b->Value(), e.value);
  } else if (auto* f = dynamic_cast<EditField*>(c)) {
    EXPECT_EQ(f->Text(), e.text);
    EXPECT_EQ(f->LimitText(), 3);
    EXPECT_EQ(qobject_cast<QLineEdit*>(c->Widget())->maxLength(), 3);
  } else {
    ADD_FAILURE() << "no check for this kind";
  }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(AfterOpen, MutationsRoleLayoutTest, testing::Values(
    Placed{.name = "StaticText1", .left = 336, .top = 299, .width = 185, .height = 33, .text = "Speed of dots is variable and heritable", .multiLine = true},
    Placed{.name = "StaticText2", .left = 336, .top = 343, .width = 101, .height = 16, .text = "Survival is:"},
    Placed{.name = "CheckBoxSelective", .kind = Kind::CheckBox, .left = 411, .top = 341, .width = 80, .height = 20, .text = "Selective", .value = true},
    Placed{.name = "CheckBoxWithMut", .kind = Kind::CheckBox, .left = 411, .top = 315, .width = 115, .height = 15, .text = "with mutation"},
    Placed{.name = "StaticText10", .left = 20, .top = 339, .width = 95, .height = 16, .text = "Starting pop'n size:", .textSize = 10},
    Placed{.name = "EditFieldPopSz", .kind = Kind::EditField, .left = 116, .top = 338, .width = 25, .height = 18, .text = "50", .textSize = 10},
    Placed{.name = "StaticText11", .left = 420, .top = 256, .width = 70, .height = 16, .text = "Speed", .align = Alignment::Center},
    Placed{.name = "StaticText4", .left = 157, .top = 273, .width = 95, .height = 16, .text = "Number remaining:", .textSize = 10},
    Placed{.name = "StaticText12", .left = 583, .top = 19, .width = 130, .height = 16, .text = "History"},
    Placed{.name = "Timer1", .kind = Kind::Timer}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

struct ModeCase {
  const char* name;
  bool blue;
  const char* trait;
  const char* form;
};

class MutationsRoleModeTest : public MutationsRoleTest,
                              public testing::WithParamInterface<ModeCase> {};

TEST_P(MutationsRoleModeTest, LegendAndLabelsFollowTheMode) {
  const ModeCase& m = GetParam();
  auto& w = L2();
  SetL2Mode(m.name);
  for (int k = 0; k < Trait::kClasses; ++k) {
    EXPECT_EQ(w.OvalColor[k]->FillColor(), m.blue ? kBlue[k] : kSpectrum[k]) << "oval " << k;
  }
  EXPECT_EQ(w.Find<StaticText>("StaticText11").Text(), m.trait);
  EXPECT_EQ(w.StaticText1->Text(), m.form);
  EXPECT_EQ(w.Find<StaticText>("StaticText4").Text(), "Number remaining:");
}

struct SizeCase {
  const char* name;
  const char* typed;
  const char* shown;  // the field after typing, its limit applied
  int size;
  int numIndivs;
};

class MutationsRoleSizeTest : public MutationsRoleTest,
                              public testing::WithParamInterface<SizeCase> {};

TEST_P(MutationsRoleSizeTest, NewPopulationHasTheTypedSize) {
  const SizeCase& c = GetParam();
  auto& w = L2();
  Type(c.typed);
  ASSERT_EQ(w.EditFieldPopSz->Text(), c.shown);

  Press(w.PushButtonNewPop);

  EXPECT_EQ(w.NumIndivs, c.numIndivs);
  ASSERT_EQ(w.Individual.Ubound(), c.size);
  EXPECT_EQ(w.StaticTextNumRemaining->Text(), std::to_string(c.size));
  EXPECT_EQ(w.TrafficLight->FillColor(), c.size > 30 ? kGreen : kWhite);
  EXPECT_TRUE(w.PushButtonRun->Enabled());
  EXPECT_TRUE(w.PushButtonDivide->Enabled());
  ASSERT_EQ(w.ListBox1->ListCount(), 1);
  EXPECT_EQ(w.ListBox1->Cell(0, 0), "0");
  int counted = 0;
  for (int col = 1; col < 8; ++col) counted += std::stoi(w.ListBox1->Cell(0, col));
  EXPECT_EQ(counted, c.size);
  EXPECT_EQ(Differing(*w.RectangleRange->Snapshot(), *Rendered()), 0);
  EXPECT_TRUE(messages.empty());
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Texts, MutationsRoleSizeTest, testing::Values(
    SizeCase{"Fifty", "50", "50", 50, 50},
    SizeCase{"Thirty", "30", "30", 30, 30},
    SizeCase{"ThirtyOne", "31", "31", 31, 31},
    SizeCase{"Zero", "0", "0", 0, 0},
    SizeCase{"Empty", "", "", 0, 0},
    SizeCase{"Letters", "abc", "abc", 0, 0},
    SizeCase{"MostTheFieldHolds", "999", "999", 999, 999},
    SizeCase{"CutToThreeCharacters", "1234", "123", 123, 123},
    SizeCase{"Negative", "-5", "-5", 0, -5},
    SizeCase{"FractionIsCut", "7.9", "7.9", 7, 7}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST_F(MutationsRoleTest, TypingTakesEffectOnlyAtTheNextNewPopulation) {
  auto& w = L2();
  Press(w.PushButtonNewPop);
  Type("12");
  EXPECT_EQ(w.Individual.Ubound(), 50);
  EXPECT_EQ(w.NumIndivs, 50);
  EXPECT_EQ(w.StaticTextNumRemaining->Text(), "50");

  Press(w.PushButtonNewPop);
  EXPECT_EQ(w.Individual.Ubound(), 12);
  EXPECT_EQ(w.NumIndivs, 12);
  EXPECT_EQ(w.TrafficLight->FillColor(), kGreen) << "a small population keeps the light it had";
}

// New squares are varied; exact copies never leave the classes they started in.
TEST_P(MutationsRoleModeTest, WithoutMutationDaughtersAreExactCopies) {
  auto& w = L2();
  SetL2Mode(GetParam().name);
  Type("999");
  Press(w.PushButtonNewPop);
  ExpectStartingClasses(true);
  Type("40");
  Press(w.PushButtonNewPop);

  for (int press = 1; press <= 4; ++press) {
    const int before = w.Individual.Ubound();
    Press(w.PushButtonDivide);
    ASSERT_EQ(w.Individual.Ubound(), 2 * before) << "press " << press;
    for (int j = before + 1; j <= 2 * before; ++j) {
      const SpeciesSquare& d = w.Individual(j);
      const SpeciesSquare& p = w.Individual(j - before);
      ASSERT_EQ(d.CoatColor, p.CoatColor) << "daughter " << j;
      ASSERT_EQ(d.width, p.width) << "daughter " << j;
      ASSERT_EQ(d.speed, p.speed) << "daughter " << j;
    }
  }
  ExpectStartingClasses(false);
  EXPECT_TRUE(messages.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Modes, MutationsRoleModeTest,
    testing::Values(ModeCase{"Speed", false, "Speed", "Speed of dots is variable and heritable"},
                    ModeCase{"Size", false, "Size", "Size of dots is variable and heritable"},
                    ModeCase{"Visibility", true, "Color",
                             "Color of dots is variable and heritable"}),
    [](const auto& info) { return std::string(info.param.name); });

// 500 squares make 1000 in one press, 999 in their first division; every press past 999 adds one.
TEST_F(MutationsRoleTest, EachPressPastTheCeilingShowsTheSquaresMessageOnce) {
  auto& w = L2();
  for (const auto& [typed, sizes] : {std::pair<const char*, std::vector<int>>{"500", {1000, 1001}},
                                     std::pair<const char*, std::vector<int>>{"999", {1000}}}) {
    messages.clear();
    Type(typed);
    Press(w.PushButtonNewPop);
    for (size_t p = 0; p < sizes.size(); ++p) {
      Press(w.PushButtonDivide);
      EXPECT_EQ(w.Individual.Ubound(), sizes[p]) << typed << ", press " << p + 1;
      ASSERT_EQ(messages.size(), p + 1) << typed << ", press " << p + 1;
      EXPECT_EQ(messages.back(), kCeiling);
    }
  }
}

// Rnd after the daughter's four Construct draws: the roll (x10, rounded: 6 mutates), who mutates
// (below one half: the parent) and the direction (below one half: up).
constexpr double kParent = 0.2, kDaughter = 0.7, kUp = 0.2, kDown = 0.7;

struct MutationCase {
  const char* name;
  const char* mode;
  bool withMutation;
  int start;
  std::vector<double> draws;
  int parent;
  int daughter;
};

class MutationsRoleMutationTest : public MutationsRoleTest,
                                  public testing::WithParamInterface<MutationCase> {};

TEST_P(MutationsRoleMutationTest, ParentAndDaughterTakeTheirClasses) {
  const MutationCase& c = GetParam();
  auto& w = L2();
  SetL2Mode(c.mode);
  StoppedWith(Classed(c.start, 150, 150));
  w.CheckBoxWithMut->SetValue(c.withMutation);
  std::vector<double> script = {0.5, 0.5, 0.5, 0.5};
  script.insert(script.end(), c.draws.begin(), c.draws.end());
  RndScript rnd(script);

  Press(w.PushButtonDivide);

  ASSERT_EQ(w.Individual.Ubound(), 2);
  EXPECT_EQ(rnd.Used(), script.size()) << "no Rnd beyond the roll without a mutation";
  const SpeciesSquare& p = w.Individual(1);
  const SpeciesSquare& d = w.Individual(2);
  ExpectClass(p, c.parent, "parent");
  ExpectClass(d, c.daughter, "daughter");
  // Both are placed by the sizes they have after the mutation.
  EXPECT_DOUBLE_EQ(p.xctr, 150 - p.width / 3.0);
  EXPECT_DOUBLE_EQ(d.xctr, 150 + d.width / 3.0);
  EXPECT_EQ(p.left, ToInt32(Round(p.xctr) - p.width / 2.0));
  EXPECT_EQ(p.top, 150 - p.width / 2);
  // Nothing of the parent's former image stays behind.
  EXPECT_EQ(Differing(*w.PictureBuffer, *Rendered()), 0);
  EXPECT_EQ(Differing(*w.RectangleRange->Snapshot(), *Rendered()), 0);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Rolls, MutationsRoleMutationTest, testing::Values(
    MutationCase{"Speed_ParentUp", "Speed", true, 3, {0.6, kParent, kUp}, 4, 3},
    MutationCase{"Speed_ParentDown", "Speed", true, 5, {0.6, kParent, kDown}, 4, 5},
    MutationCase{"Speed_DaughterDown", "Speed", true, 3, {0.6, kDaughter, kDown}, 3, 2},
    MutationCase{"Speed_RollOfFiveAndAHalf", "Speed", true, 3, {0.55, kParent, kUp}, 4, 3},
    MutationCase{"Speed_SixUpStays", "Speed", true, 6, {0.6, kParent, kUp}, 6, 6},
    MutationCase{"Speed_ZeroDownStays", "Speed", true, 0, {0.6, kDaughter, kDown}, 0, 0},
    MutationCase{"Speed_RollThreeCopies", "Speed", true, 3, {0.3}, 3, 3},
    MutationCase{"Speed_RollOfSixAndAHalfCopies", "Speed", true, 3, {0.65}, 3, 3},
    MutationCase{"Speed_SwitchOffDrawsNoRoll", "Speed", false, 3, {}, 3, 3},
    MutationCase{"Size_ParentGrows", "Size", true, 4, {0.6, kParent, kUp}, 5, 4},
    MutationCase{"Size_ParentShrinks", "Size", true, 5, {0.6, kParent, kDown}, 4, 5},
    MutationCase{"Size_DaughterShrinks", "Size", true, 3, {0.6, kDaughter, kDown}, 3, 2},
    MutationCase{"Visibility_ParentUp", "Visibility", true, 2, {0.6, kParent, kUp}, 3, 2},
    MutationCase{"Visibility_DaughterDown", "Visibility", true, 4, {0.6, kDaughter, kDown}, 4, 3},
    MutationCase{"Visibility_ZeroDownStays", "Visibility", true, 0, {0.6, kParent, kDown}, 0, 0}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// The shared tick and Run/Stop on squares, a smoke test of the wiring; "Options..." waits while
// this window runs, and comes back when the window is closed running.
TEST_F(MutationsRoleTest, RunningTicksRemoveAnEatenSquareAndHoldOffOptions) {
  auto& w = L2();
  Press(w.PushButtonNewPop);
  w.CheckBoxSelective->SetValue(false);
  Press(w.PushButtonRun);
  EXPECT_FALSE(app().Item("FileOptions").Enabled());
  const double x = w.Individual(2).xctr, y = w.Individual(2).yctr;
  {
    RndScript first({0.0});
    w.DeliverMouseDown(10, 340);
  }
  ASSERT_FALSE(w.Individual(1).Alive);

  w.Timer1->Fire();

  EXPECT_EQ(w.Individual.Ubound(), 49);
  EXPECT_EQ(w.StaticTextNumRemaining->Text(), "49");
  EXPECT_NE(std::make_pair(w.Individual(1).xctr, w.Individual(1).yctr), std::make_pair(x, y));
  Press(w.PushButtonRun);
  EXPECT_TRUE(app().Item("FileOptions").Enabled());

  Press(w.PushButtonRun);
  w.DeliverCloseBox();
  EXPECT_FALSE(app().WindowSimL2Open);
  EXPECT_EQ(BuiltWindows(), 0) << "the menu check must not build the window again";
  EXPECT_TRUE(app().Item("FileOptions").Enabled());
  EXPECT_TRUE(app().Item("WindowMutationsRole").Enabled());
  EXPECT_TRUE(messages.empty());
}

TEST_F(MutationsRoleTest, ReopenedWindowStartsAfreshWithFifty) {
  auto& old = L2();
  Type("77");
  old.CheckBoxWithMut->SetValue(true);
  Press(old.PushButtonNewPop);
  old.DeliverCloseBox();
  ASSERT_EQ(BuiltWindows(), 0);

  app().Choose(app().Item("WindowMutationsRole"));

  auto& fresh = L2();
  EXPECT_TRUE(fresh.IsOpen());
  EXPECT_EQ(fresh.EditFieldPopSz->Text(), "50");
  EXPECT_FALSE(fresh.CheckBoxWithMut->Value());
  EXPECT_EQ(fresh.NumIndivs, 50);
  EXPECT_EQ(fresh.Individual.Ubound(), 0);
  Press(fresh.PushButtonNewPop);
  EXPECT_EQ(fresh.Individual.Ubound(), 50);
}

}  // namespace
