// "Darwin's Theory": its layout after Open, the history panel, the set-up for the trait mode, the
// arena picture and closing.

#include <QApplication>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QTreeWidget>
#include <QWidget>
#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

#include "app/menu.h"
#include "model/globals.h"
#include "platform/buttons.h"
#include "platform/canvas.h"
#include "platform/list_controls.h"
#include "platform/shapes.h"
#include "platform/text_controls.h"
#include "platform/timer.h"
#include "tests/param_print.h"
#include "tests/ui_fixture.h"

namespace {

constexpr Color kWhite = RGB(255, 255, 255);
constexpr Color kBlack = RGB(0, 0, 0);
constexpr Alignment kLeft = Alignment::Left;
constexpr Alignment kCenter = Alignment::Center;
constexpr Alignment kRight = Alignment::Right;

// One control as the window shows it after Open.
struct Expected {
  const char* name;
  int index = -1;
  Kind kind = Kind::StaticText;
  int left = 0, top = 0, width = 0, height = 0;
  const char* text = "";
  int textSize = 12;
  Alignment align = kLeft;
  bool multiLine = false;
  bool enabled = true;
  bool value = false;
  Color border = kBlack;
  int borderWidth = 1;
  bool noFocus = false;
  int tab = 0;
};

// The window's layout, control by control in creation order. StaticText1 and StaticText4 carry
// the "Speed" captions and "New Population" is enabled: Open handling has run.
// clang-format off
const Expected kLayout[] = {
    {.name = "Box1", .kind = Kind::Rectangle, .left = 21, .top = 21, .width = 282, .height = 252, .tab = 0},
    {.name = "RectangleRange", .kind = Kind::Canvas, .left = 22, .top = 22, .width = 280, .height = 250, .noFocus = true, .tab = 0},
    {.name = "Timer1", .kind = Kind::Timer},
    {.name = "Box3", .kind = Kind::Rectangle, .left = 378, .top = 151, .width = 156, .height = 87, .border = kWhite, .tab = 1},
    {.name = "HistoCurrent", .kind = Kind::Canvas, .left = 379, .top = 153, .width = 154, .height = 85, .noFocus = true, .tab = 0},
    {.name = "Box2", .kind = Kind::Rectangle, .left = 378, .top = 39, .width = 156, .height = 87, .border = kWhite, .tab = 2},
    {.name = "HistoStart", .kind = Kind::Canvas, .left = 379, .top = 41, .width = 154, .height = 85, .noFocus = true, .tab = 0},
    {.name = "PushButtonRun", .kind = Kind::PushButton, .left = 148, .top = 310, .width = 58, .height = 20, .text = "Run", .enabled = false, .tab = 3},
    {.name = "PushButtonDivide", .kind = Kind::PushButton, .left = 213, .top = 310, .width = 90, .height = 20, .text = "Reproduce", .enabled = false, .tab = 5},
    {.name = "PushButtonNewPop", .kind = Kind::PushButton, .left = 21, .top = 310, .width = 120, .height = 20, .text = "New Population", .tab = 6},
    {.name = "StaticText1", .left = 316, .top = 292, .width = 120, .height = 16, .text = "Speed of dots is:", .align = kRight, .tab = 7},
    {.name = "CheckBoxVariable", .kind = Kind::CheckBox, .left = 444, .top = 291, .width = 80, .height = 20, .text = "Variable", .value = true, .tab = 8},
    {.name = "CheckBoxHeritable", .kind = Kind::CheckBox, .left = 444, .top = 308, .width = 80, .height = 20, .text = "Heritable", .value = true, .tab = 9},
    {.name = "StaticText2", .left = 368, .top = 332, .width = 75, .height = 16, .text = "Survival is:", .tab = 10},
    {.name = "CheckBoxSelective", .kind = Kind::CheckBox, .left = 444, .top = 330, .width = 80, .height = 20, .text = "Selective", .value = true, .tab = 11},
    {.name = "StaticText4", .left = 420, .top = 256, .width = 70, .height = 16, .text = "Speed", .align = kCenter, .tab = 12},
    {.name = "OvalColor", .index = 0, .kind = Kind::Oval, .left = 385, .top = 242, .width = 10, .height = 10, .tab = 12},
    {.name = "OvalColor", .index = 1, .kind = Kind::Oval, .left = 406, .top = 242, .width = 10, .height = 10, .tab = 13},
    {.name = "OvalColor", .index = 2, .kind = Kind::Oval, .left = 428, .top = 242, .width = 10, .height = 10, .tab = 14},
    {.name = "OvalColor", .index = 3, .kind = Kind::Oval, .left = 450, .top = 242, .width = 10, .height = 10, .tab = 15},
    {.name = "OvalColor", .index = 4, .kind = Kind::Oval, .left = 472, .top = 242, .width = 10, .height = 10, .tab = 16},
    {.name = "OvalColor", .index = 5, .kind = Kind::Oval, .left = 494, .top = 242, .width = 10, .height = 10, .tab = 17},
    {.name = "OvalColor", .index = 6, .kind = Kind::Oval, .left = 516, .top = 242, .width = 10, .height = 10, .tab = 18},
    {.name = "StaticText5", .left = 419, .top = 19, .width = 130, .height = 16, .text = "Starting population", .tab = 20},
    {.name = "StaticText6", .left = 419, .top = 131, .width = 130, .height = 16, .text = "Current population", .tab = 21},
    {.name = "Line1", .kind = Kind::Line, .left = 370, .top = 237, .width = 3, .height = 0, .tab = 21},
    {.name = "Line2", .kind = Kind::Line, .left = 370, .top = 153, .width = 3, .height = 0, .tab = 22},
    {.name = "Line3", .kind = Kind::Line, .left = 370, .top = 125, .width = 3, .height = 0, .tab = 23},
    {.name = "Line4", .kind = Kind::Line, .left = 370, .top = 41, .width = 3, .height = 0, .tab = 24},
    {.name = "StaticText3", .left = 360, .top = 117, .width = 6, .height = 16, .text = "0", .textSize = 10, .tab = 26},
    {.name = "StaticText7", .left = 360, .top = 229, .width = 6, .height = 16, .text = "0", .textSize = 10, .align = kRight, .tab = 27},
    {.name = "StaticTextMaxCurrent", .left = 340, .top = 146, .width = 26, .height = 16, .text = "0", .textSize = 10, .align = kRight, .tab = 28},
    {.name = "StaticTextMaxStart", .left = 340, .top = 34, .width = 26, .height = 16, .text = "0", .textSize = 10, .align = kRight, .tab = 29},
    {.name = "StaticText8", .left = 333, .top = 56, .width = 30, .height = 52, .text = "No. of dots", .align = kCenter, .multiLine = true, .tab = 30},
    {.name = "StaticText9", .left = 333, .top = 168, .width = 30, .height = 52, .text = "No. of dots", .align = kCenter, .multiLine = true, .tab = 31},
    {.name = "StaticText10", .left = 157, .top = 273, .width = 95, .height = 16, .text = "Number remaining:", .textSize = 10, .tab = 32},
    {.name = "StaticTextNumRemaining", .left = 255, .top = 273, .width = 25, .height = 16, .text = "", .textSize = 10, .tab = 33},
    {.name = "Rectangle1", .kind = Kind::Rectangle, .left = 378, .top = 36, .width = 156, .height = 3, .border = kWhite, .tab = 33},
    {.name = "Rectangle2", .kind = Kind::Rectangle, .left = 378, .top = 148, .width = 156, .height = 3, .border = kWhite, .tab = 34},
    {.name = "TrafficLight", .kind = Kind::Oval, .left = 289, .top = 278, .width = 8, .height = 8, .borderWidth = 0, .tab = 35},
    {.name = "Line5", .kind = Kind::Line, .left = 567, .top = 365, .width = 0, .height = -362, .tab = 36},
    {.name = "DisclosureTriangle1", .kind = Kind::DisclosureTriangle, .left = 549, .top = 6, .width = 12, .height = 12, .value = false, .noFocus = true, .tab = 38},
    {.name = "ListBox1", .kind = Kind::Listbox, .left = 583, .top = 41, .width = 152, .height = 290, .textSize = 9, .tab = 39},
    {.name = "StaticText11", .left = 583, .top = 19, .width = 130, .height = 16, .text = "History", .tab = 40},
};
// clang-format on

std::string RowName(const Expected& e) {
  return e.index < 0 ? e.name : std::string(e.name) + std::to_string(e.index);
}
void PrintTo(const Expected& e, std::ostream* os) {
  *os << RowName(e) << " left=" << e.left << " top=" << e.top << " width=" << e.width
      << " height=" << e.height;
  if (*e.text) *os << " text=" << testing::PrintToString(e.text);
}

bool SamePixels(const Picture& a, const Picture& b) {
  return a.Width() == b.Width() && a.Height() == b.Height() &&
         std::equal(a.Bits(), a.Bits() + a.Width() * a.Height(), b.Bits());
}

bool AllOneColor(const Picture& p, Color c) {
  const uint32_t want = PixelOf(c);
  return std::all_of(p.Bits(), p.Bits() + p.Width() * p.Height(),
                     [want](uint32_t px) { return px == want; });
}

}  // namespace

using WindowSimL1Test = ProgramTest;

TEST_F(WindowSimL1Test, ControlsAreCreatedInLayoutOrder) {
  std::vector<std::string> actual;
  for (Control* c : Main().Controls()) {
    actual.push_back(c->Index() < 0 ? c->Name() : c->Name() + std::to_string(c->Index()));
  }
  std::vector<std::string> expected;
  for (const Expected& e : kLayout) expected.push_back(RowName(e));
  EXPECT_EQ(actual, expected);
}

class WindowSimL1LayoutTest : public ProgramTest, public testing::WithParamInterface<Expected> {};

TEST_P(WindowSimL1LayoutTest, ControlStandsAtItsPlaceWithItsSettings) {
  const Expected& e = GetParam();
  Control* c = Main().ControlByName(e.name, e.index);
  ASSERT_NE(c, nullptr);
  EXPECT_EQ(c->TabIndex(), e.tab);
  EXPECT_TRUE(c->Visible());
  EXPECT_EQ(c->Enabled(), e.enabled);

  if (e.kind == Kind::Timer) {
    auto* timer = dynamic_cast<Timer*>(c);
    ASSERT_NE(timer, nullptr);
    EXPECT_EQ(timer->Mode(), TimerMode::Off);  // until Run
    EXPECT_EQ(timer->Period(), 20);
    EXPECT_EQ(c->Widget(), nullptr);
    return;
  }

  EXPECT_EQ(c->Left(), e.left);
  EXPECT_EQ(c->Top(), e.top);
  EXPECT_EQ(c->Width(), e.width);
  EXPECT_EQ(c->Height(), e.height);
  QWidget* w = c->Widget();
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(w->parentWidget(), Main().Content());
  EXPECT_EQ(w->isEnabled(), e.enabled);
  EXPECT_FALSE(w->isHidden());
  if (e.noFocus) {
    EXPECT_EQ(w->focusPolicy(), Qt::NoFocus);
  }

  if (e.kind == Kind::Line) {
    // The widget covers the one-pixel line whichever way it runs.
    const int x1 = e.left, y1 = e.top, x2 = e.left + e.width, y2 = e.top + e.height;
    EXPECT_EQ(w->geometry(), QRect(std::min(x1, x2), std::min(y1, y2), std::abs(e.width) + 1,
                                   std::abs(e.height) + 1));
  } else {
    EXPECT_EQ(w->geometry(), QRect(e.left, e.top, e.width, e.height));
  }

  switch (e.kind) {
    case Kind::StaticText: {
      auto* t = dynamic_cast<StaticText*>(c);
      ASSERT_NE(t, nullptr);
      EXPECT_EQ(t->Text(), e.text);
      EXPECT_EQ(t->TextAlign(), e.align);
      EXPECT_EQ(t->TextSize(), e.textSize);
      auto* label = qobject_cast<QLabel*>(w);
      ASSERT_NE(label, nullptr);
      EXPECT_EQ(label->text().toStdString(), e.text);
      EXPECT_EQ(label->wordWrap(), e.multiLine);
      EXPECT_EQ(label->font().pixelSize(), e.textSize);
      const Qt::Alignment horizontal = label->alignment() & Qt::AlignHorizontal_Mask;
      const Qt::Alignment wanted = e.align == kRight    ? Qt::AlignRight
                                   : e.align == kCenter ? Qt::AlignHCenter
                                                        : Qt::AlignLeft;
      EXPECT_EQ(horizontal, wanted);
      break;
    }
    case Kind::PushButton: {
      auto* b = dynamic_cast<PushButton*>(c);
      ASSERT_NE(b, nullptr);
      EXPECT_EQ(b->Caption(), e.text);
      EXPECT_FALSE(b->Default());
      EXPECT_EQ(w->font().pixelSize(), e.textSize);
      break;
    }
    case Kind::CheckBox: {
      auto* b = dynamic_cast<CheckBox*>(c);
      ASSERT_NE(b, nullptr);
      EXPECT_EQ(b->Caption(), e.text);
      EXPECT_EQ(b->Value(), e.value);
      EXPECT_EQ(w->font().pixelSize(), e.textSize);
      break;
    }
    case Kind::Rectangle: {
      auto* r = dynamic_cast<Rectangle*>(c);
      ASSERT_NE(r, nullptr);
      EXPECT_EQ(r->FillColor(), kWhite);
      EXPECT_EQ(r->BorderWidth(), e.borderWidth);
      EXPECT_EQ(r->BorderColorTopLeft(), e.border);
      EXPECT_EQ(r->BorderColorBottomRight(), e.border);
      break;
    }
    case Kind::Oval: {
      auto* o = dynamic_cast<Oval*>(c);
      ASSERT_NE(o, nullptr);
      EXPECT_EQ(o->BorderWidth(), e.borderWidth);
      EXPECT_EQ(o->BorderColor(), e.border);
      break;
    }
    case Kind::Line: {
      auto* l = dynamic_cast<Line*>(c);
      ASSERT_NE(l, nullptr);
      EXPECT_EQ(l->X1(), e.left);
      EXPECT_EQ(l->Y1(), e.top);
      EXPECT_EQ(l->X2(), e.left + e.width);
      EXPECT_EQ(l->Y2(), e.top + e.height);
      EXPECT_EQ(l->LineColor(), kBlack);
      EXPECT_EQ(l->BorderWidth(), 1);
      break;
    }
    case Kind::Canvas:
      ASSERT_NE(dynamic_cast<Canvas*>(c), nullptr);
      break;
    case Kind::DisclosureTriangle: {
      auto* t = dynamic_cast<DisclosureTriangle*>(c);
      ASSERT_NE(t, nullptr);
      EXPECT_EQ(t->Value(), e.value);
      break;
    }
    case Kind::Listbox: {
      auto* l = dynamic_cast<Listbox*>(c);
      ASSERT_NE(l, nullptr);
      EXPECT_EQ(l->ColumnCount(), 8);
      EXPECT_EQ(l->Heading(0), "g");
      for (int k = 1; k < 8; ++k) EXPECT_EQ(l->Heading(k), "") << "column " << k;
      EXPECT_EQ(l->ListCount(), 0);
      auto* tree = qobject_cast<QTreeWidget*>(w);
      ASSERT_NE(tree, nullptr);
      EXPECT_FALSE(tree->isHeaderHidden());
      EXPECT_EQ(tree->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
      EXPECT_EQ(tree->verticalScrollBarPolicy(), Qt::ScrollBarAsNeeded);
      EXPECT_EQ(w->font().pixelSize(), e.textSize);
      break;
    }
    default:
      ADD_FAILURE() << "no check for this kind";
  }
}

INSTANTIATE_TEST_SUITE_P(AfterOpen, WindowSimL1LayoutTest, testing::ValuesIn(kLayout),
                         [](const testing::TestParamInfo<Expected>& info) {
                           return RowName(info.param);
                         });

TEST_F(WindowSimL1Test, WindowIsDarwinsTheory566By368AfterOpen) {
  auto& w = Main();
  EXPECT_TRUE(w.IsOpen());
  EXPECT_EQ(w.Title(), "Darwin's Theory");
  EXPECT_EQ(w.Widget()->windowTitle().toStdString(), "Darwin's Theory");
  EXPECT_EQ(w.Width(), 566);
  EXPECT_EQ(w.Height(), 368);
  EXPECT_EQ(w.Content()->size(), QSize(566, 368));
  EXPECT_EQ(w.MenuBar(), &TheMenu());
  // Not resizable: the frame is held at the content's width.
  EXPECT_EQ(w.Widget()->minimumWidth(), 566);
  EXPECT_EQ(w.Widget()->maximumWidth(), 566);
  EXPECT_TRUE(w.Widget()->windowFlags() & Qt::WindowCloseButtonHint);

  EXPECT_FALSE(w.Running);
  EXPECT_EQ(w.NumIndivs, 50);
  EXPECT_EQ(w.Gen, 0);
  EXPECT_EQ(w.Individual.Ubound(), 0);
  EXPECT_EQ(w.TrafficLight->FillColor(), kWhite);
  EXPECT_EQ(w.HistoStart->Backdrop(), nullptr);
  EXPECT_EQ(w.HistoCurrent->Backdrop(), nullptr);
}

TEST_F(WindowSimL1Test, TriangleWidensTo750AndBackKeepingTheHistoryRows) {
  auto& w = Main();
  w.PushButtonNewPop->Push();
  ASSERT_EQ(w.ListBox1->ListCount(), 1);
  // At 566 the panel lies outside the window; the triangle does not.
  EXPECT_GE(w.ListBox1->Left(), w.Width());
  EXPECT_GE(w.Find<Line>("Line5").X1(), w.Width());
  EXPECT_LE(w.DisclosureTriangle1->Left() + w.DisclosureTriangle1->Width(), w.Width());

  w.DisclosureTriangle1->Click();
  EXPECT_TRUE(w.DisclosureTriangle1->Value());
  EXPECT_EQ(w.Width(), 750);
  EXPECT_EQ(w.Height(), 368);
  EXPECT_EQ(w.Widget()->maximumWidth(), 750);
  EXPECT_EQ(w.ListBox1->ListCount(), 1);

  w.DisclosureTriangle1->Click();
  EXPECT_FALSE(w.DisclosureTriangle1->Value());
  EXPECT_EQ(w.Width(), 566);
  EXPECT_EQ(w.Height(), 368);
  ASSERT_EQ(w.ListBox1->ListCount(), 1);
  EXPECT_EQ(w.ListBox1->Cell(0, 0), "0");
  EXPECT_EQ(w.ListBox1->Heading(0), "g");
}

struct ModeCase {
  const char* mode;
  bool blue;
  const char* trait;
  const char* form;
};
static void PrintTo(const ModeCase& c, std::ostream* os) {
  *os << c.mode << " palette=" << (c.blue ? "Blue" : "Spectrum")
      << " trait=" << testing::PrintToString(c.trait) << " form=" << testing::PrintToString(c.form);
}

class SetupForModeTest : public ProgramTest, public testing::WithParamInterface<ModeCase> {};

TEST_P(SetupForModeTest, LegendLabelsLightAndListFollowTheMode) {
  const ModeCase& m = GetParam();
  auto& w = Main();
  w.PushButtonNewPop->Push();
  ASSERT_NE(w.TrafficLight->FillColor(), kWhite);
  ASSERT_EQ(w.ListBox1->ListCount(), 1);
  const PicturePtr histogram = w.HistoStart->Backdrop();
  const PicturePtr arena = w.PictureBuffer;
  const std::string count = w.StaticTextNumRemaining->Text();

  Globals::Mode = m.mode;
  AsEvent([&w] { w.SetupWindowForMode(); });

  const Array<Color>& palette = m.blue ? Globals::Blue : Globals::Spectrum;
  for (int k = 0; k < Trait::kClasses; ++k) {
    EXPECT_EQ(w.OvalColor[k]->FillColor(), palette(k)) << "legend oval " << k;
  }
  auto& traitLabel = w.Find<StaticText>("StaticText4");
  EXPECT_EQ(traitLabel.Text(), m.trait);
  EXPECT_EQ(qobject_cast<QLabel*>(traitLabel.Widget())->text().toStdString(), m.trait);
  EXPECT_EQ(w.StaticText1->Text(), m.form);
  EXPECT_EQ(qobject_cast<QLabel*>(w.StaticText1->Widget())->text().toStdString(), m.form);
  EXPECT_EQ(w.TrafficLight->FillColor(), kWhite);
  EXPECT_EQ(w.ListBox1->ListCount(), 0);
  EXPECT_EQ(w.ListBox1->Heading(0), "g");
  // Everything else stays as it was.
  EXPECT_EQ(w.HistoStart->Backdrop(), histogram);
  EXPECT_EQ(w.PictureBuffer, arena);
  EXPECT_EQ(w.Individual.Ubound(), 50);
  EXPECT_EQ(w.StaticTextNumRemaining->Text(), count);
  EXPECT_TRUE(w.PushButtonRun->Enabled());
}

INSTANTIATE_TEST_SUITE_P(
    Modes, SetupForModeTest,
    testing::Values(ModeCase{"Speed", false, "Speed", "Speed of dots is:"},
                    ModeCase{"Size", false, "Size", "Size of dots is:"},
                    ModeCase{"Visibility", true, "Color", "Color of dots is:"}),
    [](const testing::TestParamInfo<ModeCase>& info) { return std::string(info.param.mode); });

TEST_F(WindowSimL1Test, UnknownModeKeepsLegendAndLabelsButResetsLightAndList) {
  auto& w = Main();
  Globals::Mode = "Visibility";
  AsEvent([&w] { w.SetupWindowForMode(); });
  w.PushButtonNewPop->Push();
  ASSERT_EQ(w.ListBox1->ListCount(), 1);
  ASSERT_NE(w.TrafficLight->FillColor(), kWhite);

  // Near misses of the three words are none of them.
  for (const char* mode : {"speed", "Size ", ""}) {
    Globals::Mode = mode;
    AsEvent([&w] { w.SetupWindowForMode(); });
    for (int k = 0; k < Trait::kClasses; ++k) {
      EXPECT_EQ(w.OvalColor[k]->FillColor(), Globals::Blue(k)) << mode << ", oval " << k;
    }
    EXPECT_EQ(w.Find<StaticText>("StaticText4").Text(), "Color") << mode;
    EXPECT_EQ(w.StaticText1->Text(), "Color of dots is:") << mode;
    EXPECT_EQ(w.TrafficLight->FillColor(), kWhite) << mode;
    EXPECT_EQ(w.ListBox1->ListCount(), 0) << mode;
  }
}

TEST_F(WindowSimL1Test, ArenaPictureIsWhite280By250AndShownAtPaintAndActivation) {
  auto& w = Main();
  ASSERT_NE(w.PictureBuffer, nullptr);
  EXPECT_EQ(w.PictureBuffer->Width(), 280);
  EXPECT_EQ(w.PictureBuffer->Height(), 250);
  EXPECT_TRUE(AllOneColor(*w.PictureBuffer, kWhite));

  // A change to the picture shows only when activation copies it.
  Graphics& g = w.PictureBuffer->Graphics();
  g.ForeColor = RGB(10, 20, 30);
  g.FillRect(0, 0, 280, 125);
  ASSERT_TRUE(AllOneColor(*w.RectangleRange->Snapshot(), kWhite));
  w.DeliverActivate();
  EXPECT_TRUE(SamePixels(*w.RectangleRange->Snapshot(), *w.PictureBuffer));

  // Erased and repainted, the canvas draws the picture again.
  g.ForeColor = RGB(200, 0, 200);
  g.FillRect(140, 0, 140, 250);
  w.RectangleRange->Refresh(true);
  EXPECT_TRUE(SamePixels(*w.RectangleRange->Snapshot(), *w.PictureBuffer));
  EXPECT_EQ(w.RectangleRange->Snapshot()->PixelColor(279, 0), RGB(200, 0, 200));
  EXPECT_EQ(w.RectangleRange->Snapshot()->PixelColor(0, 249), kWhite);
}

TEST_F(WindowSimL1Test, FillPictureBufferMakesANewPictureAndLeavesTheCanvasAsItWas) {
  auto& w = Main();
  w.PushButtonNewPop->Push();
  const PicturePtr before = w.PictureBuffer;
  const PicturePtr shown = w.RectangleRange->Snapshot();
  ASSERT_FALSE(AllOneColor(*shown, kWhite)) << "New Population shows its dots";

  AsEvent([&w] { w.FillPictureBuffer(*w.RectangleRange, Globals::White); });
  ASSERT_NE(w.PictureBuffer, nullptr);
  EXPECT_NE(w.PictureBuffer, before);
  EXPECT_EQ(w.PictureBuffer->Width(), 280);
  EXPECT_EQ(w.PictureBuffer->Height(), 250);
  EXPECT_TRUE(AllOneColor(*w.PictureBuffer, kWhite));
  EXPECT_TRUE(SamePixels(*w.RectangleRange->Snapshot(), *shown));
}

TEST_F(WindowSimL1Test, ClosingWhileRunningClearsOnlyTheOpenFlag) {
  auto& w = Main();
  w.PushButtonNewPop->Push();
  w.PushButtonRun->Push();
  ASSERT_TRUE(w.Running);
  AsEvent([this, &w] {
    w.Close();
    // Still there until the event ends.
    EXPECT_FALSE(app().WindowSimL1Open);
    EXPECT_TRUE(w.Running);
    EXPECT_EQ(w.Individual.Ubound(), 50);
    EXPECT_EQ(w.PushButtonRun->Caption(), "Stop");
  });
  EXPECT_FALSE(app().WindowSimL1Open);

  auto& again = Main();
  EXPECT_FALSE(again.Running);
  EXPECT_EQ(again.Individual.Ubound(), 0);
}

// A tick line covers both its end points (Line1 paints x 370..373, Line5 y 3..365).
TEST_F(WindowSimL1Test, LinesPaintBothEndPoints) {
  for (const char* name : {"Line1", "Line2", "Line3", "Line4", "Line5"}) {
    Line& line = Main().Find<Line>(name);
    const QImage shown = line.Widget()->grab().toImage();
    ASSERT_FALSE(shown.isNull()) << name;
    const int last = std::max(shown.width(), shown.height()) - 1;
    const bool across = shown.width() > shown.height();
    EXPECT_EQ(shown.pixel(0, 0), qRgb(0, 0, 0)) << name << " first pixel";
    EXPECT_EQ(shown.pixel(across ? last : 0, across ? 0 : last), qRgb(0, 0, 0))
        << name << " last pixel";
  }
}

// All eight history columns, the class-6 count included, fit inside the list.
TEST_F(WindowSimL1Test, EveryHistoryColumnLiesInsideTheList) {
  auto& w = Main();
  w.DisclosureTriangle1->Click();
  w.PushButtonNewPop->Push();
  QCoreApplication::sendPostedEvents();
  auto* tree = qobject_cast<QTreeWidget*>(w.ListBox1->Widget());
  ASSERT_NE(tree, nullptr);
  const QHeaderView* header = tree->header();
  for (int k = 0; k < w.ListBox1->ColumnCount(); ++k) {
    EXPECT_LE(header->sectionViewportPosition(k) + header->sectionSize(k),
              tree->viewport()->width())
        << "column " << k;
    EXPECT_GE(header->sectionSize(k), 12) << "column " << k;
  }
}
