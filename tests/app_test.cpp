#include <algorithm>
// The application shell: start-up order, the menu bar, the menu-enabling rules, the Window-menu
// command and quitting.

#include <QAction>
#include <QApplication>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QWidget>
#include <ostream>
#include <string>
#include <vector>

#include "app/menu.h"
#include "model/globals.h"
#include "platform/buttons.h"
#include "platform/list_controls.h"
#include "platform/menu.h"
#include "platform/shapes.h"
#include "platform/text_controls.h"
#include "tests/param_print.h"
#include "tests/ui_fixture.h"

namespace {

// Top-level Qt windows titled "Darwin's Theory" that still exist: how many main windows are built.
int BuiltMainWindows() {
  int n = 0;
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (w->windowTitle() == "Darwin's Theory") ++n;
  }
  return n;
}

// The action a window's own menu bar shows for an item, found by the item's caption.
QAction* ShownAction(const Window& window, const std::string& text) {
  auto* bar = window.Widget()->findChild<QMenuBar*>();
  if (!bar) return nullptr;
  for (QAction* menu : bar->actions()) {
    if (!menu->menu()) continue;
    for (QAction* a : menu->menu()->actions()) {
      if (a->text().toStdString() == text) return a;
    }
  }
  return nullptr;
}

int CountNamed(MenuItem& item, const std::string& name) {
  int n = item.Name == name ? 1 : 0;
  for (int i = 0; i < item.Count(); ++i) n += CountNamed(item.Item(i), name);
  return n;
}

void ExpectLegendIs(class WindowSimL1& w, const Array<Color>& palette) {
  for (int k = 0; k < Trait::kClasses; ++k) {
    EXPECT_EQ(w.OvalColor[k]->FillColor(), palette(k)) << "legend oval " << k;
  }
}

}  // namespace

// Without the fixture: the program as far as the event loop, then the application's Open.
TEST(StartUp, MainWindowIsBuiltBeforeTheLoopButOpensOnlyAfterTheGlobalsAreSetUp) {
  ASSERT_EQ(BuiltMainWindows(), 0);
  auto app = StartApplication();
  EXPECT_EQ(BuiltMainWindows(), 1);
  EXPECT_TRUE(Window::OpenWindows().empty());
  EXPECT_FALSE(app->WindowSimL1Open);
  EXPECT_FALSE(app->WindowSimL2Open);
  EXPECT_FALSE(app->ManualWindowOpen);
  EXPECT_EQ(Globals::Mode, "");

  auto& built = WindowSimL1();
  EXPECT_EQ(BuiltMainWindows(), 1);
  EXPECT_FALSE(built.IsOpen());
  // Still as the layout made it: no Open handling has run.
  EXPECT_EQ(built.Width(), 750);
  EXPECT_EQ(built.Find<StaticText>("StaticText4").Text(), "Phenotype");
  EXPECT_EQ(built.Find<StaticText>("StaticText1").Text(), "Form of dots is:");
  EXPECT_FALSE(built.PushButtonNewPop->Enabled());
  EXPECT_EQ(built.NumIndivs, 0);
  EXPECT_EQ(built.PictureBuffer, nullptr);

  EXPECT_TRUE(EventGate::Dispatch([&app] { app->Event_Open(); }));
  EXPECT_EQ(&WindowSimL1(), &built) << "Open must show the window built at start-up";
  EXPECT_EQ(BuiltMainWindows(), 1);
  EXPECT_TRUE(built.IsOpen());
  EXPECT_TRUE(app->WindowSimL1Open);
  EXPECT_FALSE(app->WindowSimL2Open);
  EXPECT_FALSE(app->ManualWindowOpen);
  EXPECT_EQ(Globals::Mode, "Speed");
  // These read the globals, so they hold only if the window opened after Startup.
  ExpectLegendIs(built, Globals::Spectrum);
  EXPECT_EQ(built.Find<StaticText>("StaticText4").Text(), "Speed");
  EXPECT_EQ(built.Find<StaticText>("StaticText1").Text(), "Speed of dots is:");
  EXPECT_EQ(built.Width(), 566);
  EXPECT_EQ(built.NumIndivs, 50);

  EndApplication(std::move(app));
  EXPECT_EQ(BuiltMainWindows(), 0);
  EXPECT_EQ(Globals::Mode, "");
}

TEST(MenuBarTree, FourMenusWithTheirItemsCaptionsShortcutsAndKinds) {
  struct Row {
    std::string menu, name, text, shortcut, kind;
    bool autoEnable;
  };
  // Menus first with their own name and caption (kind "menu"), then each item.
  const std::vector<Row> expected = {
      {"", "UntitledMenu3", "File", "", "menu", false},
      {"UntitledMenu3", "FileOptions", "Options...", "", "item", false},
      {"UntitledMenu3", "FileQuit", "Quit", "Cmd+Q", "quit", true},
      {"", "UntitledMenu1", "Edit", "", "menu", false},
      {"UntitledMenu1", "EditUndo", "Undo", "Cmd+Z", "item", false},
      {"UntitledMenu1", "UntitledMenu2", "-", "", "item", false},
      {"UntitledMenu1", "EditCut", "Cut", "Cmd+X", "item", false},
      {"UntitledMenu1", "EditCopy", "Copy", "Cmd+C", "item", false},
      {"UntitledMenu1", "EditPaste", "Paste", "Cmd+V", "item", false},
      {"UntitledMenu1", "EditClear", "Clear", "", "item", false},
      {"", "MenuWindow", "Window", "", "menu", false},
      {"MenuWindow", "WindowDarwinsTheory", "Darwin's Theory", "", "item", false},
      {"MenuWindow", "WindowMutationsRole", "Mutation's Role", "", "item", false},
      {"", "UntitledMenu0", "Help", "", "menu", false},
      {"UntitledMenu0", "HelpOnlinemanual", "Online manual...", "", "item", false},
      {"UntitledMenu0", "AppleAboutSkellith", "About Skellith...", "", "about", false},
  };
  auto kindOf = [](MenuItem& item, bool isMenu) -> std::string {
    if (isMenu) return "menu";
    if (dynamic_cast<QuitMenuItem*>(&item)) return "quit";
    if (dynamic_cast<AppleMenuItem*>(&item)) return "about";
    return "item";
  };
  auto describe = [](const Row& r) {
    return r.menu + "/" + r.name + " \"" + r.text + "\" [" + r.shortcut + "] " + r.kind +
           (r.autoEnable ? " auto" : "");
  };

  MenuBar& bar = TheMenu();
  std::vector<std::string> actual;
  for (int m = 0; m < bar.Count(); ++m) {
    MenuItem& menu = bar.Item(m);
    EXPECT_GT(menu.Count(), 0) << menu.Name;
    actual.push_back(describe(
        {"", menu.Name, menu.Text, menu.KeyboardShortcut, kindOf(menu, true), menu.AutoEnable}));
    for (int i = 0; i < menu.Count(); ++i) {
      MenuItem& item = menu.Item(i);
      EXPECT_EQ(item.Count(), 0) << item.Name;
      actual.push_back(describe({menu.Name, item.Name, item.Text, item.KeyboardShortcut,
                                 kindOf(item, false), item.AutoEnable}));
    }
  }
  std::vector<std::string> wanted;
  for (const Row& r : expected) wanted.push_back(describe(r));
  EXPECT_EQ(actual, wanted);
  ReleaseMenu();
}

TEST(MenuBarTree, EachCommandItemIsFoundByNameExactlyOnce) {
  MenuBar& bar = TheMenu();
  for (const char* name : {"WindowDarwinsTheory", "WindowMutationsRole", "AppleAboutSkellith",
                           "FileOptions", "HelpOnlinemanual"}) {
    EXPECT_EQ(CountNamed(bar, name), 1) << name;
    MenuItem* found = bar.Lookup(name);
    ASSERT_NE(found, nullptr) << name;
    EXPECT_EQ(found->Name, name);
  }
  ReleaseMenu();
}

using ShellTest = ProgramTest;

TEST_F(ShellTest, MainWindowShowsTheBarWithCtrlShortcutsAndTheAboutItemInHelp) {
  auto* bar = Main().Widget()->findChild<QMenuBar*>();
  ASSERT_NE(bar, nullptr);
  std::vector<std::string> titles;
  for (QAction* menu : bar->actions()) titles.push_back(menu->text().toStdString());
  EXPECT_EQ(titles, (std::vector<std::string>{"File", "Edit", "Window", "Help"}));

  struct Shortcut {
    const char* text;
    QKeySequence keys;
  };
  for (const Shortcut& s :
       {Shortcut{"Quit", QKeySequence(Qt::CTRL | Qt::Key_Q)},
        Shortcut{"Undo", QKeySequence(Qt::CTRL | Qt::Key_Z)},
        Shortcut{"Cut", QKeySequence(Qt::CTRL | Qt::Key_X)},
        Shortcut{"Copy", QKeySequence(Qt::CTRL | Qt::Key_C)},
        Shortcut{"Paste", QKeySequence(Qt::CTRL | Qt::Key_V)}, Shortcut{"Clear", QKeySequence()},
        Shortcut{"Options...", QKeySequence()}}) {
    QAction* a = ShownAction(Main(), s.text);
    ASSERT_NE(a, nullptr) << s.text;
    EXPECT_EQ(a->shortcut(), s.keys) << s.text;
  }

  QMenu* help = bar->actions().at(3)->menu();
  ASSERT_NE(help, nullptr);
  std::vector<std::string> helpItems;
  for (QAction* a : help->actions()) helpItems.push_back(a->text().toStdString());
  EXPECT_EQ(helpItems, (std::vector<std::string>{"Online manual...", "About Skellith..."}));
}

// The enabled state of every item, in the tree and in the main window's menus, after a road of
// user actions.
enum class Road { AfterStartup, MainClosed, MainReopened, Running, Stopped, ClosedWhileRunning };

struct MenuCase {
  const char* name;
  Road road;
  bool darwinsTheory;
  bool options;
};
static void PrintTo(const MenuCase& c, std::ostream* os) {
  *os << c.name << " DarwinsTheory=" << (c.darwinsTheory ? "enabled" : "disabled")
      << " Options=" << (c.options ? "enabled" : "disabled");
}

class MenuEnablingTest : public ProgramTest, public testing::WithParamInterface<MenuCase> {
 protected:
  void Walk(Road road) {
    switch (road) {
      case Road::AfterStartup:
        return;
      case Road::MainClosed:
        Main().DeliverCloseBox();
        return;
      case Road::MainReopened:
        Main().DeliverCloseBox();
        app().Choose(app().Item("WindowDarwinsTheory"));
        return;
      case Road::Running:
        Main().PushButtonNewPop->Push();
        Main().PushButtonRun->Push();
        return;
      case Road::Stopped:
        Main().PushButtonNewPop->Push();
        Main().PushButtonRun->Push();
        Main().PushButtonRun->Push();
        return;
      case Road::ClosedWhileRunning:
        Main().PushButtonNewPop->Push();
        Main().PushButtonRun->Push();
        Main().DeliverCloseBox();
        return;
    }
  }
};

TEST_P(MenuEnablingTest, ItemsFollowTheFlagsAndRunning) {
  const MenuCase& c = GetParam();
  Walk(c.road);
  if (c.road == Road::Running) {
    ASSERT_TRUE(Main().Running);
  }

  const bool mainOpen = c.road != Road::MainClosed && c.road != Road::ClosedWhileRunning;
  EXPECT_EQ(app().WindowSimL1Open, mainOpen);
  // The check reads Running only of a window that exists, so it builds none.
  EXPECT_EQ(BuiltMainWindows(), mainOpen ? 1 : 0);

  struct Expect {
    const char* name;
    const char* text;
    bool enabled;
  };
  const Expect items[] = {
      {"WindowDarwinsTheory", "Darwin's Theory", c.darwinsTheory},
      {"WindowMutationsRole", "Mutation's Role", true},
      {"FileOptions", "Options...", c.options},
      {"HelpOnlinemanual", "Online manual...", true},
      {"AppleAboutSkellith", "About Skellith...", true},
      {"FileQuit", "Quit", true},
      {"EditUndo", "Undo", false},
      {"EditCut", "Cut", false},
      {"EditCopy", "Copy", false},
      {"EditPaste", "Paste", false},
      {"EditClear", "Clear", false},
  };
  for (const Expect& e : items) {
    EXPECT_EQ(app().Item(e.name).Enabled(), e.enabled) << e.name;
    if (!mainOpen) continue;
    QAction* shown = ShownAction(Main(), e.text);
    ASSERT_NE(shown, nullptr) << e.text;
    EXPECT_EQ(shown->isEnabled(), e.enabled) << e.text << " as the window's menu shows it";
  }
}

INSTANTIATE_TEST_SUITE_P(
    Roads, MenuEnablingTest,
    testing::Values(MenuCase{"AfterStartup", Road::AfterStartup, false, true},
                    MenuCase{"MainClosed", Road::MainClosed, true, true},
                    MenuCase{"MainReopened", Road::MainReopened, false, true},
                    MenuCase{"Running", Road::Running, false, false},
                    MenuCase{"Stopped", Road::Stopped, false, true},
                    MenuCase{"ClosedWhileRunning", Road::ClosedWhileRunning, true, true}),
    [](const testing::TestParamInfo<MenuCase>& info) { return std::string(info.param.name); });

TEST_F(ShellTest, ChoosingDarwinsTheoryAfterClosingBuildsAFreshWindow) {
  auto& old = Main();
  old.PushButtonNewPop->Push();
  old.PushButtonRun->Push();
  old.PushButtonRun->Push();
  old.PushButtonDivide->Push();
  old.CheckBoxVariable->SetValue(false);
  old.CheckBoxHeritable->SetValue(false);
  old.CheckBoxSelective->SetValue(false);
  old.DisclosureTriangle1->Click();
  ASSERT_GT(old.ListBox1->ListCount(), 0);
  ASSERT_EQ(old.Gen, 1);
  old.PushButtonRun->Push();
  ASSERT_TRUE(old.Running);

  old.DeliverCloseBox();
  ASSERT_FALSE(app().WindowSimL1Open);
  ASSERT_EQ(BuiltMainWindows(), 0);
  ASSERT_TRUE(app().Item("WindowDarwinsTheory").Enabled());

  app().Choose(app().Item("WindowDarwinsTheory"));
  EXPECT_EQ(BuiltMainWindows(), 1);
  auto& fresh = Main();
  EXPECT_TRUE(fresh.IsOpen());
  EXPECT_TRUE(app().WindowSimL1Open);
  EXPECT_FALSE(app().Item("WindowDarwinsTheory").Enabled());
  EXPECT_FALSE(fresh.Running);
  EXPECT_EQ(fresh.Individual.Ubound(), 0);
  EXPECT_EQ(fresh.Gen, 0);
  EXPECT_EQ(fresh.NumIndivs, 50);
  EXPECT_TRUE(fresh.CheckBoxVariable->Value());
  EXPECT_TRUE(fresh.CheckBoxHeritable->Value());
  EXPECT_TRUE(fresh.CheckBoxSelective->Value());
  EXPECT_EQ(fresh.ListBox1->ListCount(), 0);
  EXPECT_FALSE(fresh.PushButtonRun->Enabled());
  EXPECT_EQ(fresh.PushButtonRun->Caption(), "Run");
  EXPECT_FALSE(fresh.PushButtonDivide->Enabled());
  EXPECT_TRUE(fresh.PushButtonNewPop->Enabled());
  EXPECT_EQ(fresh.StaticTextNumRemaining->Text(), "");
  EXPECT_EQ(fresh.TrafficLight->FillColor(), RGB(255, 255, 255));
  EXPECT_EQ(fresh.Width(), 566);
  EXPECT_FALSE(fresh.DisclosureTriangle1->Value());
}

TEST_F(ShellTest, TheWindowCommandNeverBuildsASecondMainWindow) {
  auto& first = Main();
  first.PushButtonNewPop->Push();
  // Disabled while the window is open, so choosing it does nothing at all.
  app().Choose(app().Item("WindowDarwinsTheory"));
  // Its handler called anyway shows the one that is open.
  AsEvent([this] { app()._WindowDarwinsTheory_Action(); });
  EXPECT_EQ(&Main(), &first);
  EXPECT_EQ(BuiltMainWindows(), 1);
  EXPECT_EQ(first.Individual.Ubound(), 50);
  const auto open = Window::OpenWindows();
  EXPECT_EQ(std::count_if(open.begin(), open.end(),
                          [](Window* w) { return dynamic_cast<class WindowSimL1*>(w); }),
            1);
}

TEST_F(ShellTest, ChoosingQuitRequestsQuit) {
  EXPECT_FALSE(app().QuitRequested());
  app().Choose(app().Item("FileQuit"));
  EXPECT_TRUE(app().QuitRequested());
}

TEST_F(ShellTest, ClosingTheMainWindowRequestsQuitWhenNoDocumentWindowIsLeft) {
  Main().DeliverActivate();
  EXPECT_FALSE(app().QuitRequested());
  Main().DeliverCloseBox();
  EXPECT_TRUE(app().QuitRequested());
}
