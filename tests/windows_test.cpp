// The options dialog, the splash and About windows with the cover picture, and the online manual.

#include <QApplication>
#include <QPlainTextEdit>
#include <QPointer>
#include <QWidget>
#include <algorithm>
#include <ostream>
#include <string>

#include "app/cover_picture.h"
#include "model/globals.h"
#include "mutations_role/window_sim_l2.h"
#include "platform/buttons.h"
#include "platform/canvas.h"
#include "platform/list_controls.h"
#include "platform/shapes.h"
#include "platform/text_controls.h"
#include "platform/timer.h"
#include "tests/sim_fixture.h"
#include "windows/help_texts.h"
#include "windows/window_about.h"
#include "windows/window_manual.h"
#include "windows/window_options.h"
#include "windows/window_splash.h"

namespace {

using namespace sim_test;

int BuiltWindowsTitled(const char* title) {
  int n = 0;
  for (QWidget* w : QApplication::topLevelWidgets()) n += w->windowTitle() == title;
  return n;
}

template <class W>
int OpenWindowsOf() {
  const auto open = Window::OpenWindows();
  return static_cast<int>(
      std::count_if(open.begin(), open.end(), [](Window* w) { return dynamic_cast<W*>(w); }));
}

bool AllOneColor(const Picture& p, Color c) {
  return std::all_of(p.Bits(), p.Bits() + p.Width() * p.Height(),
                     [want = PixelOf(c)](uint32_t px) { return px == want; });
}

class AuxWindowsTest : public SimTest {
 protected:
  template <class W>
  W& Open(W& (*accessor)()) {
    AsEvent([accessor] { accessor().Show(); });
    return accessor();
  }
  class WindowOptions& OpenOptions() {
    return Open(&WindowOptions);
  }

  // The simulation window's state that the options dialog resets.
  template <class W>
  void ExpectReset(W& w) {
    EXPECT_EQ(w.Individual.Ubound(), 0);
    EXPECT_TRUE(AllOneColor(*w.PictureBuffer, kWhite));
    EXPECT_TRUE(AllOneColor(*w.RectangleRange->Snapshot(), kWhite));
    EXPECT_TRUE(AllOneColor(*w.HistoStart->Snapshot(), kWhite));
    EXPECT_TRUE(AllOneColor(*w.HistoCurrent->Snapshot(), kWhite));
    EXPECT_EQ(w.StaticTextMaxStart->Text(), "0");
    EXPECT_EQ(w.StaticTextMaxCurrent->Text(), "0");
    EXPECT_EQ(w.ListBox1->ListCount(), 0);
    EXPECT_FALSE(w.PushButtonRun->Enabled());
    EXPECT_FALSE(w.PushButtonDivide->Enabled());
    EXPECT_TRUE(w.PushButtonNewPop->Enabled());
    EXPECT_TRUE(w.CheckBoxSelective->Value());
    EXPECT_EQ(w.StaticTextNumRemaining->Text(), "");
    EXPECT_EQ(w.TrafficLight->FillColor(), kWhite);
  }
};

// Options dialog.

class OptionsModeTest : public AuxWindowsTest, public testing::WithParamInterface<const char*> {};

TEST_P(OptionsModeTest, OpensOnTheCurrentModeAndOkayKeepsIt) {
  Globals::Mode = GetParam();
  auto& options = OpenOptions();
  EXPECT_EQ(options.RadioButtonSpeed->Value(), Globals::Mode == "Speed");
  EXPECT_EQ(options.RadioButtonSize->Value(), Globals::Mode == "Size");
  EXPECT_EQ(options.RadioButtonVisibility->Value(), Globals::Mode == "Visibility");
  options.PushButtonOkay->Push();
  EXPECT_EQ(Globals::Mode, GetParam());
  EXPECT_EQ(OpenWindowsOf<class WindowOptions>(), 0);
}

INSTANTIATE_TEST_SUITE_P(Modes, OptionsModeTest, testing::Values("Speed", "Size", "Visibility"),
                         [](const auto& info) { return std::string(info.param); });

TEST_F(AuxWindowsTest, OkayWithoutChangeResetsTheOpenMainWindow) {
  Press(Main().PushButtonNewPop);
  Main().CheckBoxVariable->SetValue(false);
  Main().CheckBoxHeritable->SetValue(false);
  Main().CheckBoxSelective->SetValue(false);
  ASSERT_EQ(Main().Individual.Ubound(), 50);

  OpenOptions().PushButtonOkay->Push();

  EXPECT_EQ(Globals::Mode, "Speed");
  ExpectReset(Main());
  EXPECT_TRUE(Main().CheckBoxVariable->Value());
  EXPECT_TRUE(Main().CheckBoxHeritable->Value());
  EXPECT_EQ(Main().StaticText1->Text(), "Speed of dots is:");
}

TEST_F(AuxWindowsTest, ChoosingVisibilityRecaptionsTheMainWindow) {
  auto& options = OpenOptions();
  options.RadioButtonVisibility->SetValue(true);
  options.PushButtonOkay->Push();
  EXPECT_EQ(Globals::Mode, "Visibility");
  EXPECT_EQ(Main().StaticText1->Text(), "Color of dots is:");
  for (int k = 0; k < Trait::kClasses; ++k) {
    EXPECT_EQ(Main().OvalColor[k]->FillColor(), kBlue[k]) << k;
  }
}

TEST_F(AuxWindowsTest, NoButtonSelectedStoresSpeed) {
  Globals::Mode = "Size";
  auto& options = OpenOptions();
  options.RadioButtonSize->SetValue(false);
  options.PushButtonOkay->Push();
  EXPECT_EQ(Globals::Mode, "Speed");
}

TEST_F(AuxWindowsTest, WithTheMainWindowClosedOnlyMutationsRoleIsReset) {
  auto& l2 = Open(&WindowSimL2);
  l2.EditFieldPopSz->SetText("7");
  l2.CheckBoxWithMut->SetValue(true);
  l2.CheckBoxSelective->SetValue(false);
  Press(l2.PushButtonNewPop);
  ASSERT_EQ(l2.Individual.Ubound(), 7);
  Main().DeliverCloseBox();
  ASSERT_EQ(BuiltWindowsTitled("Darwin's Theory"), 0);

  OpenOptions().PushButtonOkay->Push();

  EXPECT_EQ(BuiltWindowsTitled("Darwin's Theory"), 0);
  EXPECT_FALSE(app().WindowSimL1Open);
  ExpectReset(l2);
  EXPECT_EQ(l2.EditFieldPopSz->Text(), "50");
  EXPECT_FALSE(l2.CheckBoxWithMut->Value());
}

// Splash and About windows.

TEST_F(AuxWindowsTest, SplashClosesWhenItsTimerFires) {
  auto& splash = Open(&WindowSplash);
  EXPECT_EQ(splash.Timer1->Mode(), TimerMode::Once);
  EXPECT_EQ(splash.Timer1->Period(), 8000);
  splash.Timer1->Fire();
  EXPECT_EQ(OpenWindowsOf<class WindowSplash>(), 0);
}

TEST_F(AuxWindowsTest, ClickClosesTheSplashAndItsTimerGoesWithIt) {
  auto& splash = Open(&WindowSplash);
  QPointer<QWidget> frame = splash.Widget();
  splash.DeliverMouseDown(10, 10);
  EXPECT_EQ(OpenWindowsOf<class WindowSplash>(), 0);
  // The window is destroyed with its timer, so no later firing can reach it.
  EXPECT_TRUE(frame.isNull());
  EXPECT_TRUE(Main().IsOpen());
}

enum class AboutCloser { OK, GoThere, Click };
void PrintTo(AboutCloser closer, std::ostream* os) {
  switch (closer) {
    case AboutCloser::OK:
      *os << "OK";
      return;
    case AboutCloser::GoThere:
      *os << "GoThere";
      return;
    case AboutCloser::Click:
      *os << "Click";
      return;
  }
}

class AboutCloseTest : public AuxWindowsTest, public testing::WithParamInterface<AboutCloser> {};

TEST_P(AboutCloseTest, ClosesAndOnlyGoThereOpensTheAddress) {
  auto& about = Open(&WindowAbout);
  bool closedBeforeBrowser = false;
  SetShowURLHook([&](const std::string& address) {
    closedBeforeBrowser = about.IsClosed();
    urls.push_back(address);
  });
  const std::string address = about.LabelWebAddress->Text();
  switch (GetParam()) {
    case AboutCloser::OK:
      about.PushButtonClose->Push();
      break;
    case AboutCloser::GoThere:
      about.PushButton1->Push();
      break;
    case AboutCloser::Click:
      about.DeliverMouseDown(20, 20);
      break;
  }
  EXPECT_EQ(OpenWindowsOf<class WindowAbout>(), 0);
  if (GetParam() == AboutCloser::GoThere) {
    ASSERT_EQ(urls.size(), 1u);
    EXPECT_EQ(urls[0], address);
    EXPECT_TRUE(closedBeforeBrowser);
  } else {
    EXPECT_TRUE(urls.empty());
  }
}

INSTANTIATE_TEST_SUITE_P(Closers, AboutCloseTest,
                         testing::Values(AboutCloser::OK, AboutCloser::GoThere, AboutCloser::Click),
                         [](const auto& info) { return testing::PrintToString(info.param); });

TEST_F(AuxWindowsTest, ShowingAboutTwiceLeavesOneWindow) {
  auto& first = Open(&WindowAbout);
  auto& second = Open(&WindowAbout);
  EXPECT_EQ(&first, &second);
  EXPECT_EQ(OpenWindowsOf<class WindowAbout>(), 1);
}

TEST_F(AuxWindowsTest, SplashAndAboutShareOneCoverPicture) {
  const PicturePtr cover = CalbrookCover();
  ASSERT_NE(cover, nullptr);
  EXPECT_EQ(cover->Width(), 158);
  EXPECT_EQ(cover->Height(), 204);
  EXPECT_EQ(CalbrookCover(), cover);
  EXPECT_EQ(Open(&WindowSplash).Canvas1->Backdrop(), cover);
  EXPECT_EQ(Open(&WindowAbout).Canvas1->Backdrop(), cover);
  EXPECT_EQ(WindowSplash().StaticText2->Text(), WindowAbout().LabelWebAddress->Text());
}

// Online manual.

TEST_F(AuxWindowsTest, ManualOpensOnTheIntroductionAndFollowsItsFlag) {
  auto& manual = Open(&WindowManual);
  EXPECT_TRUE(app().ManualWindowOpen);
  EXPECT_EQ(manual.PopupMenuTopics->ListCount(), HelpTexts::kTopicCount);
  EXPECT_EQ(manual.PopupMenuTopics->ListIndex(), 0);
  EXPECT_EQ(manual.HelpText->Text().rfind("\rINTRODUCTION\r\rSkellith lets you explore", 0), 0u);
  EXPECT_TRUE(manual.HelpText->ReadOnly());
  EXPECT_TRUE(qobject_cast<QPlainTextEdit*>(manual.HelpText->Widget())->isReadOnly());

  manual.ButtonOK->Push();
  EXPECT_FALSE(app().ManualWindowOpen);
  EXPECT_EQ(OpenWindowsOf<class WindowManual>(), 0);
}

struct TopicCase {
  const char* name;
  int index;
  const char* caption;  // the chosen row; none for an index outside the rows
  const char* start;
  const char* end;
};
void PrintTo(const TopicCase& c, std::ostream* os) {
  *os << c.name << " index=" << c.index << " caption=" << testing::PrintToString(c.caption);
}

class ManualTopicTest : public AuxWindowsTest, public testing::WithParamInterface<TopicCase> {};

TEST_P(ManualTopicTest, ShowsTheTopicAfterAnEmptyLineWithNothingSelected) {
  const TopicCase& c = GetParam();
  auto& manual = Open(&WindowManual);
  AsEvent([&] {
    manual.PopupMenuTopics->SetListIndex(3);
    manual.PopupMenuTopics->SetListIndex(c.index);
  });
  if (c.caption) {
    EXPECT_EQ(manual.PopupMenuTopics->List(c.index), c.caption);
  }
  const std::string text = manual.HelpText->Text();
  EXPECT_EQ(text.rfind(c.start, 0), 0u) << text;
  EXPECT_TRUE(text.ends_with(c.end)) << text;
  EXPECT_EQ(text.find("colour"), std::string::npos) << "the windows say \"color\"";
  EXPECT_EQ(manual.HelpText->SelStart(), 0);
  EXPECT_EQ(manual.HelpText->SelLength(), 0);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Topics, ManualTopicTest, testing::Values(
    TopicCase{"Quitting", 7, "Quitting Skellith", "\rQUITTING SKELLITH\r\rYou can quit Skellith at any time by selecting Quit under the File menu.", "File menu."},
    TopicCase{"HowToLearn", 6, "How to use Skellith to learn about evolution", "\rHOW TO USE SKELLITH TO LEARN ABOUT EVOLUTION\r\r", "\r\rGood luck, and have fun!"},
    TopicCase{"Options", 5, "Options", "\rOPTIONS\r\rBy default the dots vary in the speed at which they run. Their color varies", "ready for a new population."},
    TopicCase{"TwoExplorations", 1, "Two Explorations: Darwin's Theory and Mutation's Role", "\rTWO EXPLORATIONS: \rDARWIN'S THEORY AND MUTATION'S ROLE\r\r", "Window menu."},
    TopicCase{"NoRow", -1, nullptr, "\rINTRODUCTION\r\r", "population is evolving."}),
    [](const testing::TestParamInfo<TopicCase>& info) { return std::string(info.param.name); });
// clang-format on

}  // namespace
