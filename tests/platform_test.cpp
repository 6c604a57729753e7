// The framework over Qt: one event at a time, the application and its menus, windows, controls,
// canvases, message boxes and resources. Small windows of their own drive the real widgets.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QComboBox>
#include <QDesktopServices>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextBrowser>
#include <QThread>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>
#include <QWindow>
#include <memory>
#include <ostream>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "platform/application.h"
#include "platform/buttons.h"
#include "platform/canvas.h"
#include "platform/dialogs.h"
#include "platform/event_gate.h"
#include "platform/list_controls.h"
#include "platform/menu.h"
#include "platform/resources.h"
#include "platform/shapes.h"
#include "platform/text_controls.h"
#include "platform/timer.h"
#include "platform/window.h"
#include "platform/window_keeper.h"
#include "platform/wm_record.h"
#include "tests/param_print.h"

// xcb after Qt, as Qt's own native interface header expects.
#include <xcb/xcb.h>

namespace {

using Log = std::vector<std::string>;
using Presses = std::vector<std::pair<int, int>>;

constexpr Color kWhite = RGB(255, 255, 255);
constexpr Color kRed = RGB(220, 20, 30);
constexpr Color kGreen = RGB(20, 160, 40);
constexpr Color kBlue = RGB(30, 40, 200);

// What happened, in order, across windows, controls and the application.
Log gLog;

// A window logs its Open and Close handling and its destruction, and keeps its presses.
class TestWindow : public Window {
 public:
  TestWindow(const WindowRecord& record, std::span<const ControlSpec> table) {
    Build(record, nullptr, table);
  }
  ~TestWindow() override { gLog.push_back(Title() + " destroyed"); }

  void Event_Open() override { gLog.push_back(Title() + " open"); }
  void Event_Close() override { gLog.push_back(Title() + " close"); }
  bool Event_MouseDown(int x, int y) override {
    presses.emplace_back(x, y);
    return true;
  }

  static inline int built = 0;
  const int serial = ++built;
  Presses presses;
  int touched = 0;
};

constexpr WindowRecord kFormRecord{.Title = "Form", .Width = 400, .Height = 300};

// clang-format off
const ControlSpec kFormControls[] = {
    {.Name = "Box", .kind = Kind::Rectangle, .Left = 10, .Top = 10, .Width = 40, .Height = 30},
    {.Name = "Art", .kind = Kind::Canvas, .Left = 60, .Top = 10, .Width = 40, .Height = 30},
    {.Name = "Label", .kind = Kind::StaticText, .Left = 110, .Top = 10, .Width = 80, .Height = 30, .Text = "one\rtwo", .MultiLine = true},
    {.Name = "Ring", .kind = Kind::Oval, .Left = 200, .Top = 10, .Width = 30, .Height = 30},
    {.Name = "Field", .kind = Kind::EditField, .Left = 10, .Top = 50, .Width = 80, .Height = 22, .LimitText = 3},
    {.Name = "Notes", .kind = Kind::EditField, .Left = 100, .Top = 50, .Width = 150, .Height = 60, .Text = "hello\rworld", .MultiLine = true, .ReadOnly = true},
    {.Name = "Go", .kind = Kind::PushButton, .Left = 10, .Top = 120, .Width = 60, .Height = 24, .Text = "Go"},
    {.Name = "Off", .kind = Kind::PushButton, .Left = 80, .Top = 120, .Width = 60, .Height = 24, .Text = "Off", .Enabled = false},
    {.Name = "R1", .kind = Kind::RadioButton, .Left = 150, .Top = 120, .Width = 60, .Height = 20, .Text = "A", .Value = true},
    {.Name = "R2", .kind = Kind::RadioButton, .Left = 220, .Top = 120, .Width = 60, .Height = 20, .Text = "B"},
    {.Name = "Opt", .kind = Kind::CheckBox, .Index = 0, .Left = 10, .Top = 150, .Width = 60, .Height = 20, .Text = "X"},
    {.Name = "Opt", .kind = Kind::CheckBox, .Index = 1, .Left = 80, .Top = 150, .Width = 60, .Height = 20, .Text = "Y"},
    {.Name = "Ask", .kind = Kind::PushButton, .Left = 150, .Top = 150, .Width = 60, .Height = 24, .Text = "Ask"},
    {.Name = "List", .kind = Kind::Listbox, .Left = 10, .Top = 180, .Width = 200, .Height = 80, .ColumnCount = 3, .HasHeading = true},
    {.Name = "Pick", .kind = Kind::PopupMenu, .Left = 220, .Top = 180, .Width = 100, .Height = 24, .Rows = "One\rTwo\rThree"},
    {.Name = "More", .kind = Kind::DisclosureTriangle, .Left = 330, .Top = 180, .Width = 16, .Height = 16},
    // Never fires by itself within a test: ticks come from Fire.
    {.Name = "Tick", .kind = Kind::Timer, .TimerMode = TimerMode::Repeating, .Period = 1000000},
};
// clang-format on

class FormWindow : public TestWindow {
 public:
  FormWindow() : TestWindow(kFormRecord, kFormControls) {}
};

constexpr WindowRecord kTimerRecord{
    .Title = "Timers", .Width = 100, .Height = 50, .frame = Frame::Floating};

const ControlSpec kTimerControls[] = {
    {.Name = "Once", .kind = Kind::Timer, .TimerMode = TimerMode::Once, .Period = 0},
    {.Name = "Repeat", .kind = Kind::Timer, .TimerMode = TimerMode::Repeating, .Period = 0},
    {.Name = "Off", .kind = Kind::Timer, .Period = 0},  // a table that names no mode
};

class TimerWindow : public TestWindow {
 public:
  TimerWindow() : TestWindow(kTimerRecord, kTimerControls) {}
};

// A dialog with a default and a cancel button, a field that leaves Return alone and one that
// uses it.
constexpr WindowRecord kKeysRecord{
    .Title = "Keys", .Width = 300, .Height = 120, .frame = Frame::MovableModal};

// clang-format off
const ControlSpec kKeysControls[] = {
    {.Name = "Field", .kind = Kind::EditField, .Left = 10, .Top = 10, .Width = 80, .Height = 22},
    {.Name = "Notes", .kind = Kind::EditField, .Left = 100, .Top = 10, .Width = 150, .Height = 60, .MultiLine = true},
    {.Name = "Okay", .kind = Kind::PushButton, .Left = 10, .Top = 80, .Width = 60, .Height = 24, .Text = "Okay", .Default = true},
    {.Name = "Cancel", .kind = Kind::PushButton, .Left = 80, .Top = 80, .Width = 60, .Height = 24, .Text = "Cancel", .Cancel = true},
};
// clang-format on

class KeysWindow : public TestWindow {
 public:
  KeysWindow() : TestWindow(kKeysRecord, kKeysControls) {}
};

// File: New (handled by name), Open (always enabled, no handler), a separator, Quit.
class TestApp : public Application {
 public:
  TestApp() {
    auto& file = bar_.Append(std::make_unique<MenuItem>());
    file.Name = "FileMenu";
    file.Text = "File";
    auto add = [&file](std::unique_ptr<MenuItem> item, const char* name, const char* text,
                       const char* shortcut) -> MenuItem& {
      item->Name = name;
      item->Text = text;
      item->KeyboardShortcut = shortcut;
      return file.Append(std::move(item));
    };
    add(std::make_unique<MenuItem>(), "FileNew", "New", "Cmd+N");
    add(std::make_unique<MenuItem>(), "FileOpen", "Open", "").AutoEnable = true;
    add(std::make_unique<MenuItem>(), "FileSep", "-", "");
    add(std::make_unique<QuitMenuItem>(), "FileQuit", "Quit", "Cmd+Q").AutoEnable = true;
    MenuBar = &bar_;
  }

  void Event_Open() override {
    ++opens;
    if (onOpen) onOpen();
  }
  void Event_EnableMenuItems() override {
    ++enables;
    if (logEnables) gLog.push_back("enable");
    Item("FileNew").SetEnabled(newAllowed);
  }

  MenuItem& Item(const char* name) { return *bar_.Lookup(name); }

  bool newAllowed = false;
  bool logEnables = false;
  int opens = 0;
  int enables = 0;
  std::function<void()> onOpen;

 private:
  ::MenuBar bar_;
};

// The action a window's own menu bar shows for a menu item, by its text.
QAction* ActionOf(const Window& w, const QString& text) {
  auto* bar = w.Widget()->findChild<QMenuBar*>();
  if (!bar) return nullptr;
  for (QAction* menu : bar->actions()) {
    if (!menu->menu()) continue;
    for (QAction* action : menu->menu()->actions()) {
      if (action->text() == text) return action;
    }
  }
  return nullptr;
}

Color At(const Canvas& canvas, int x, int y) {
  return canvas.Snapshot()->PixelColor(x, y);
}

Color OnScreen(const Canvas& canvas, int x, int y) {
  const QColor c = canvas.Widget()->grab().toImage().pixelColor(x, y);
  return RGB(c.red(), c.green(), c.blue());
}

// Ends a run that never delivered what the test waits for, so a fault fails instead of hanging.
class RunGuard {
 public:
  RunGuard() {
    timer_.setSingleShot(true);
    QObject::connect(&timer_, &QTimer::timeout, [] { QCoreApplication::exit(1); });
    timer_.start(20000);
  }

 private:
  QTimer timer_;
};

class PlatformTest : public ::testing::Test {
 protected:
  void SetUp() override {
    gLog.clear();
    app = std::make_unique<TestApp>();
    EventGate::SetUnhandledExceptionHook([this](const char* what) { reports.emplace_back(what); });
  }

  void TearDown() override {
    Window::DestroyAll();
    app.reset();
    EventGate::SetUnhandledExceptionHook(nullptr);
    SetMsgBoxHook(nullptr);
    SetShowURLHook(nullptr);
    EXPECT_EQ(reports, Log{}) << "handlers threw";
  }

  std::unique_ptr<TestApp> app;
  Log reports;
};

// ---- One event at a time ----

TEST_F(PlatformTest, EventsArrivingWhileAHandlerWaitsOnAMessageBoxAreDropped) {
  auto& form = ImplicitWindow<FormWindow>();
  auto& timers = ImplicitWindow<TimerWindow>();
  form.Show();
  auto& tick = form.Find<Timer>("Tick");
  auto& go = form.Find<PushButton>("Go");
  auto& ask = form.Find<PushButton>("Ask");
  int ticks = 0, goes = 0, fast = 0;
  tick.Action = [&] { ++ticks; };
  go.Action = [&] { ++goes; };
  timers.Find<Timer>("Repeat").Action = [&] { ++fast; };
  ask.Action = [] { MsgBox("Wait"); };

  std::string shown;
  bool busyInBox = false;
  int fastInBox = -1;
  SetMsgBoxHook([&](const std::string& text) {
    shown = text;
    busyInBox = EventGate::Busy();
    const int fastBefore = fast;
    tick.Fire();
    go.Push();
    QTest::mouseClick(go.Widget(), Qt::LeftButton);
    QTest::mouseClick(form.Content(), Qt::LeftButton, {}, QPoint(380, 100));
    form.DeliverCloseBox();
    for (int i = 0; i < 20; ++i) QCoreApplication::processEvents();
    fastInBox = fast - fastBefore;
  });
  QTest::mouseClick(ask.Widget(), Qt::LeftButton);

  EXPECT_EQ(shown, "Wait");
  EXPECT_TRUE(busyInBox);
  EXPECT_EQ(ticks, 0);
  EXPECT_EQ(goes, 0);
  EXPECT_EQ(fastInBox, 0);
  EXPECT_EQ(form.presses, Presses{});
  EXPECT_TRUE(form.IsOpen());

  // The box is gone: the repeating timer and the button are delivered again.
  EXPECT_FALSE(EventGate::Busy());
  tick.Fire();
  tick.Fire();
  EXPECT_EQ(ticks, 2);
  go.Push();
  EXPECT_EQ(goes, 1);
  const int fastAfter = fast;
  for (int i = 0; i < 100 && fast == fastAfter; ++i) QCoreApplication::processEvents();
  EXPECT_GT(fast, fastAfter);
}

TEST_F(PlatformTest, AThrowingHandlerIsReportedAndTheNextEventRuns) {
  auto& form = ImplicitWindow<FormWindow>();
  auto& go = form.Find<PushButton>("Go");
  auto& tick = form.Find<Timer>("Tick");
  int ticks = 0;
  go.Action = [] { throw std::runtime_error("boom"); };
  tick.Action = [&] { ++ticks; };

  go.Push();
  tick.Fire();
  EXPECT_EQ(ticks, 1);
  EXPECT_TRUE(EventGate::Dispatch([] { throw 7; }));
  EXPECT_TRUE(
      EventGate::Dispatch([] { EventGate::Later([] { throw std::logic_error("later"); }); }));
  EXPECT_FALSE(EventGate::Busy());
  bool ran = false;
  EXPECT_TRUE(EventGate::Dispatch([&] { ran = true; }));
  EXPECT_TRUE(ran);
  EXPECT_EQ(reports, (Log{"boom", "unknown exception", "later"}));
  reports.clear();
}

TEST_F(PlatformTest, LaterRunsAfterTheOutermostHandlerThenMenusAreEnabled) {
  app->logEnables = true;
  EventGate::Later([] { gLog.push_back("at once"); });
  EXPECT_EQ(gLog, Log{"at once"});

  gLog.clear();
  bool nestedRan = true;
  EXPECT_TRUE(EventGate::Dispatch([&] {
    gLog.push_back("handler");
    nestedRan = EventGate::Dispatch([] { gLog.push_back("nested"); });
    EventGate::Later([] {
      gLog.push_back("later");
      EventGate::Later([] { gLog.push_back("later from later"); });
    });
    gLog.push_back("handler end");
  }));
  EXPECT_FALSE(nestedRan);
  EXPECT_EQ(gLog, (Log{"handler", "handler end", "later", "later from later", "enable"}));
}

// A task queued by a task that ran at once runs right after it, not at some later event.
TEST_F(PlatformTest, LaterFromATaskRunAtOnceRunsRightAfterThatTask) {
  Log ran;
  EventGate::Later([&ran] {
    EventGate::Later([&ran] { ran.push_back("inner"); });
    ran.push_back("outer");
  });
  EXPECT_EQ(ran, (Log{"outer", "inner"}));
  EventGate::Dispatch([] {});  // lets a stuck task go before `ran` does
}

// ---- Application ----

TEST_F(PlatformTest, RunDeliversOpenOnceFromInsideTheLoop) {
  int loopLevel = -1;
  bool busy = false;
  app->onOpen = [&] {
    loopLevel = QThread::currentThread()->loopLevel();
    busy = EventGate::Busy();
    QTimer::singleShot(0, [this] { app->Quit(); });
  };
  RunGuard guard;
  EXPECT_EQ(app->opens, 0);
  EXPECT_EQ(app->Run(), 0);
  EXPECT_EQ(app->opens, 1);
  EXPECT_EQ(loopLevel, 1);
  EXPECT_TRUE(busy);
  EXPECT_TRUE(app->QuitRequested());
  EXPECT_GE(app->enables, 1);
}

TEST_F(PlatformTest, ChooseRunsTheHandlerBoundToTheItemName) {
  auto& form = ImplicitWindow<FormWindow>();
  form.Show();
  int news = 0;
  bool busy = false;
  app->AddMenuHandler("FileNew", [&] {
    ++news;
    busy = EventGate::Busy();
    return true;
  });

  app->Choose(app->Item("FileNew"));  // disabled
  EXPECT_EQ(news, 0);

  app->newAllowed = true;
  app->EnableMenuItems();
  app->Choose(app->Item("FileNew"));
  EXPECT_EQ(news, 1);
  EXPECT_TRUE(busy);
  ActionOf(form, "New")->trigger();
  EXPECT_EQ(news, 2);
  app->Choose(app->Item("FileOpen"));  // enabled, but nothing is bound to its name
  EXPECT_EQ(news, 2);

  int renewed = 0;
  app->AddMenuHandler("FileNew", [&] { return ++renewed > 0; });
  app->Choose(app->Item("FileNew"));
  EXPECT_EQ(news, 2);
  EXPECT_EQ(renewed, 1);
}

TEST_F(PlatformTest, ChoosingTheQuitItemRequestsQuit) {
  MenuItem& quit = app->Item("FileQuit");
  quit.AutoEnable = false;
  app->Choose(quit);
  EXPECT_FALSE(app->QuitRequested());
  quit.SetEnabled(true);
  app->Choose(quit);
  EXPECT_TRUE(app->QuitRequested());
}

TEST_F(PlatformTest, MenusFollowTheFlagsAfterEveryEvent) {
  auto& form = ImplicitWindow<FormWindow>();
  auto* second = new TestWindow({.Title = "Second", .Width = 100, .Height = 50}, {});
  form.Show();
  QAction* formNew = ActionOf(form, "New");
  QAction* secondNew = ActionOf(*second, "New");
  ASSERT_NE(formNew, nullptr);
  ASSERT_NE(secondNew, nullptr);
  EXPECT_FALSE(formNew->isEnabled());
  EXPECT_TRUE(ActionOf(form, "Open")->isEnabled());

  form.Find<PushButton>("Go").Action = [&] { app->newAllowed = true; };
  form.Find<PushButton>("Go").Push();
  EXPECT_TRUE(formNew->isEnabled());
  EXPECT_TRUE(secondNew->isEnabled());

  form.Find<Timer>("Tick").Action = [&] { app->newAllowed = false; };
  form.Find<Timer>("Tick").Fire();
  EXPECT_FALSE(formNew->isEnabled());
  EXPECT_FALSE(secondNew->isEnabled());

  // A menu about to open asks for the current state first.
  app->newAllowed = true;
  auto* menu = qobject_cast<QMenu*>(formNew->associatedObjects().value(0));
  ASSERT_NE(menu, nullptr);
  Q_EMIT menu->aboutToShow();
  EXPECT_TRUE(formNew->isEnabled());

  app->Item("FileNew").SetEnabled(false);
  EXPECT_FALSE(formNew->isEnabled());
  EXPECT_FALSE(secondNew->isEnabled());
}

// ---- Windows ----

TEST_F(PlatformTest, ImplicitWindowIsTheSameUntilClosedThenAFreshOne) {
  auto& first = ImplicitWindow<FormWindow>();
  EXPECT_EQ(&first, &ImplicitWindow<FormWindow>());
  first.Show();
  EXPECT_EQ(&first, &ImplicitWindow<FormWindow>());
  const int firstSerial = first.serial;

  EventGate::Dispatch([&first] { first.Close(); });
  EXPECT_EQ(gLog, (Log{"Form open", "Form close", "Form destroyed"}));

  auto& second = ImplicitWindow<FormWindow>();
  EXPECT_NE(second.serial, firstSerial);
  EXPECT_FALSE(second.IsOpen());
  EXPECT_FALSE(second.IsClosed());
  EXPECT_EQ(&second, &ImplicitWindow<FormWindow>());
}

TEST_F(PlatformTest, OpenRunsAtTheFirstShowAfterTheControlsOpen) {
  app->logEnables = true;
  auto& form = ImplicitWindow<FormWindow>();
  auto& art = form.Find<Canvas>("Art");
  form.Find<PushButton>("Go").Open = [] { gLog.push_back("Go open"); };
  art.Open = [] { gLog.push_back("Art open"); };
  art.Paint = [](Graphics&) { gLog.push_back("Art paint"); };

  EventGate::Dispatch([&form] {
    form.Show();
    gLog.push_back("shown");
  });
  EXPECT_EQ(gLog, (Log{"Art open", "Go open", "Form open", "shown", "Art paint", "enable"}));
  EXPECT_TRUE(form.IsOpen());
  EXPECT_TRUE(form.Widget()->isVisible());

  gLog.clear();
  EventGate::Dispatch([&form] { form.Show(); });
  EXPECT_EQ(gLog, Log{"enable"});
}

enum class CloseBy { Push, ClickThroughWindow };
void PrintTo(CloseBy by, std::ostream* os) {
  *os << (by == CloseBy::Push ? "Push" : "ClickThroughWindow");
}

class CloseFromOwnHandler : public PlatformTest, public ::testing::WithParamInterface<CloseBy> {};

TEST_P(CloseFromOwnHandler, ClosesOnceAndIsDestroyedAfterTheHandler) {
  auto& form = ImplicitWindow<FormWindow>();
  form.Show();
  auto& art = form.Find<Canvas>("Art");
  auto& go = form.Find<PushButton>("Go");
  art.Paint = [](Graphics&) { gLog.push_back("Art paint"); };
  Log seenInHandler;
  go.Action = [&form, &art, &seenInHandler] {
    form.Close();
    form.Close();
    art.Refresh(true);  // asked after Close: must not reach the destroyed canvas
    form.touched = form.IsClosed() ? 1 : 2;
    seenInHandler = gLog;
  };
  gLog.clear();

  if (GetParam() == CloseBy::Push) {
    go.Push();
  } else {
    const QPoint at = go.Widget()->mapTo(form.Widget(), go.Widget()->rect().center());
    QTest::mouseClick(form.Widget()->windowHandle(), Qt::LeftButton, {}, at);
  }
  EXPECT_EQ(seenInHandler, Log{"Form close"});
  EXPECT_EQ(gLog, (Log{"Form close", "Form destroyed"}));
  EXPECT_TRUE(Window::OpenWindows().empty());
}

INSTANTIATE_TEST_SUITE_P(Platform, CloseFromOwnHandler,
                         ::testing::Values(CloseBy::Push, CloseBy::ClickThroughWindow),
                         [](const auto& info) { return ::testing::PrintToString(info.param); });

struct CloseBoxCase {
  const char* name;
  bool hasCloseBox;
  bool desktop;  // the desktop's close box, or the framework's delivery of it
};
void PrintTo(const CloseBoxCase& c, std::ostream* os) {
  *os << c.name << (c.hasCloseBox ? " with a close box" : " without a close box")
      << (c.desktop ? ", closed from the desktop" : ", delivered by the framework");
}

class CloseBox : public PlatformTest, public ::testing::WithParamInterface<CloseBoxCase> {};

TEST_P(CloseBox, ClosesOnlyAWindowThatHasOne) {
  const CloseBoxCase& c = GetParam();
  auto* w = new TestWindow({.Title = "Box",
                            .Width = 100,
                            .Height = 50,
                            .frame = Frame::Floating,
                            .CloseButton = c.hasCloseBox},
                           {});
  w->Show();
  gLog.clear();
  if (c.desktop) {
    w->Widget()->close();
  } else {
    w->DeliverCloseBox();
  }
  if (c.hasCloseBox) {
    EXPECT_EQ(gLog, (Log{"Box close", "Box destroyed"}));
    return;
  }
  EXPECT_EQ(gLog, Log{});
  EXPECT_TRUE(w->IsOpen());
  EXPECT_TRUE(w->Widget()->isVisible());
}

INSTANTIATE_TEST_SUITE_P(Platform, CloseBox,
                         ::testing::Values(CloseBoxCase{"Delivered", true, false},
                                           CloseBoxCase{"Desktop", true, true},
                                           CloseBoxCase{"NoneDelivered", false, false},
                                           CloseBoxCase{"NoneDesktop", false, true}),
                         [](const auto& info) { return std::string(info.param.name); });

struct PressCase {
  const char* target;  // a control that lets presses through, or "" for the bare content
  int x, y;            // in the target's own coordinates
  bool throughWindow;  // as the desktop delivers it, or straight to the widget
};
// A press goes by its target, the bare content being "Content", and by the way it arrives.
std::string PressName(const PressCase& c) {
  return std::string(*c.target ? c.target : "Content") +
         (c.throughWindow ? "ThroughWindow" : "ToWidget");
}
void PrintTo(const PressCase& c, std::ostream* os) {
  *os << PressName(c) << " x=" << c.x << " y=" << c.y;
}

class ContentPress : public PlatformTest, public ::testing::WithParamInterface<PressCase> {};

TEST_P(ContentPress, ReachesMouseDownInContentCoordinates) {
  const PressCase& c = GetParam();
  auto& form = ImplicitWindow<FormWindow>();
  form.Show();
  ASSERT_NE(form.Widget()->findChild<QMenuBar*>(), nullptr);  // content starts below it
  QWidget* target = form.Content();
  int left = 0, top = 0;
  if (*c.target) {
    const auto& control = form.Find<Control>(c.target);
    target = control.Widget();
    left = control.Left();
    top = control.Top();
  }
  if (c.throughWindow) {
    QTest::mouseClick(form.Widget()->windowHandle(), Qt::LeftButton, {},
                      target->mapTo(form.Widget(), QPoint(c.x, c.y)));
  } else {
    QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(c.x, c.y));
  }
  EXPECT_EQ(form.presses, (Presses{{left + c.x, top + c.y}}));
}

INSTANTIATE_TEST_SUITE_P(
    Platform, ContentPress,
    ::testing::Values(PressCase{"", 380, 100, false}, PressCase{"", 380, 100, true},
                      PressCase{"Art", 5, 6, false}, PressCase{"Art", 5, 6, true},
                      PressCase{"Box", 3, 4, false}, PressCase{"Box", 3, 4, true},
                      PressCase{"Ring", 15, 15, true}, PressCase{"Label", 2, 3, true}),
    [](const auto& info) { return PressName(info.param); });

struct BarCase {
  const char* name;
  Frame frame;
  bool barVisible;
  bool showsBar;
};
void PrintTo(const BarCase& c, std::ostream* os) {
  *os << c.name << (c.frame == Frame::Document ? " document window" : " other window")
      << (c.barVisible ? ", bar visible" : ", bar hidden")
      << (c.showsBar ? ", shows the bar" : ", shows no bar");
}

class MenuBarOf : public PlatformTest, public ::testing::WithParamInterface<BarCase> {};

TEST_P(MenuBarOf, OnlyADocumentWindowShowsTheApplicationsBar) {
  const BarCase& c = GetParam();
  auto* w = new TestWindow({.Title = "Bar",
                            .Width = 200,
                            .Height = 100,
                            .frame = c.frame,
                            .MenuBarVisible = c.barVisible},
                           {});
  auto* bar = w->Widget()->findChild<QMenuBar*>();
  ASSERT_EQ(bar != nullptr, c.showsBar);
  EXPECT_EQ(w->Width(), 200);
  EXPECT_EQ(w->Height(), 100);
  if (!c.showsBar) {
    EXPECT_EQ(w->Content()->y(), 0);
    return;
  }
  EXPECT_EQ(w->MenuBar(), app->MenuBar);
  EXPECT_GT(bar->height(), 0);
  EXPECT_EQ(w->Content()->y(), bar->height());
  EXPECT_EQ(w->Widget()->height(), 100 + bar->height());
  ASSERT_NE(ActionOf(*w, "Quit"), nullptr);
  EXPECT_EQ(ActionOf(*w, "Quit")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q));
  EXPECT_TRUE(ActionOf(*w, "Open")->shortcut().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Platform, MenuBarOf,
                         ::testing::Values(BarCase{"Document", Frame::Document, true, true},
                                           BarCase{"HiddenBar", Frame::Document, false, false},
                                           BarCase{"Modal", Frame::Modal, true, false},
                                           BarCase{"Floating", Frame::Floating, true, false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(PlatformTest, FindByNameAndKindAndSetWidthKeepsHeight) {
  auto& form = ImplicitWindow<FormWindow>();
  EXPECT_THROW(form.Find<PushButton>("Nope"), std::out_of_range);
  EXPECT_THROW(form.Find<PushButton>("Label"), std::out_of_range);
  EXPECT_THROW(form.Find<CheckBox>("Opt"), std::out_of_range);  // an array needs its index
  EXPECT_EQ(form.Find<CheckBox>("Opt", 1).Caption(), "Y");

  const int bar = form.Content()->y();
  form.SetWidth(320);
  EXPECT_EQ(form.Width(), 320);
  EXPECT_EQ(form.Height(), 300);
  EXPECT_EQ(form.Widget()->size(), QSize(320, 300 + bar));
}

TEST_F(PlatformTest, ControlsAreCreatedInTableOrderAndContainersFirst) {
  auto& form = ImplicitWindow<FormWindow>();
  std::vector<std::string> names, expected;
  std::vector<QWidget*> widgets, stacked;
  for (const ControlSpec& entry : kFormControls) expected.emplace_back(entry.Name);
  for (Control* c : form.Controls()) {
    names.push_back(c->Name());
    if (c->Widget()) widgets.push_back(c->Widget());
  }
  EXPECT_EQ(names, expected);
  // A later control lies over an earlier one.
  for (QObject* child : form.Content()->children()) {
    if (auto* w = qobject_cast<QWidget*>(child)) stacked.push_back(w);
  }
  EXPECT_EQ(stacked, widgets);

  const ControlSpec contentFirst[] = {
      {.Name = "Inner", .kind = Kind::PushButton, .Width = 10, .Height = 10, .Inside = "Panel"},
      {.Name = "Panel", .kind = Kind::Rectangle, .Width = 50, .Height = 50},
  };
  const ControlSpec containerFirst[] = {contentFirst[1], contentFirst[0]};
  const WindowRecord record{.Title = "Nest", .Width = 60, .Height = 60};
  EXPECT_THROW(TestWindow bad(record, contentFirst), std::logic_error);
  auto* good = new TestWindow(record, containerFirst);
  EXPECT_NE(good->ControlByName("Inner"), nullptr);
}

// ---- Controls ----

TEST_F(PlatformTest, ADisabledPushButtonRaisesNoAction) {
  auto& form = ImplicitWindow<FormWindow>();
  form.Show();
  auto& off = form.Find<PushButton>("Off");
  int actions = 0;
  off.Action = [&] { ++actions; };
  off.Push();
  QTest::mouseClick(off.Widget(), Qt::LeftButton);
  EXPECT_EQ(actions, 0);

  off.SetEnabled(true);
  QTest::mouseClick(off.Widget(), Qt::LeftButton);
  off.Push();
  EXPECT_EQ(actions, 2);
  off.SetEnabled(false);
  off.Push();
  EXPECT_EQ(actions, 2);
}

TEST_F(PlatformTest, RadioButtonsFormOneGroupPerWindowAndCanAllBeCleared) {
  auto& form = ImplicitWindow<FormWindow>();
  const ControlSpec lone[] = {
      {.Name = "R1", .kind = Kind::RadioButton, .Width = 40, .Height = 20, .Value = true}};
  auto* other = new TestWindow({.Title = "Other", .Width = 60, .Height = 30}, lone);
  auto& r1 = form.Find<RadioButton>("R1");
  auto& r2 = form.Find<RadioButton>("R2");
  auto& otherR1 = other->Find<RadioButton>("R1");
  EXPECT_TRUE(r1.Value());
  EXPECT_FALSE(r2.Value());

  r2.SetValue(true);
  EXPECT_FALSE(r1.Value());
  EXPECT_TRUE(r2.Value());
  EXPECT_TRUE(otherR1.Value());

  r1.SetValue(false);  // not the selected one: the selection stays
  EXPECT_TRUE(r2.Value());
  r2.SetValue(false);
  EXPECT_FALSE(r1.Value());
  EXPECT_FALSE(r2.Value());

  static_cast<QAbstractButton*>(r1.Widget())->click();
  EXPECT_TRUE(r1.Value());
  r2.SetValue(true);
  EXPECT_FALSE(r1.Value());
  EXPECT_TRUE(otherR1.Value());
}

struct TextCase {
  const char* name;
  const char* text;
  const char* shown;
};
void PrintTo(const TextCase& c, std::ostream* os) {
  *os << c.name << " text=" << ::testing::PrintToString(c.text)
      << " shown=" << ::testing::PrintToString(c.shown);
}

class StaticTextLines : public PlatformTest, public ::testing::WithParamInterface<TextCase> {};

TEST_P(StaticTextLines, CarriageReturnsBreakLinesAndTextRoundTrips) {
  auto& label = ImplicitWindow<FormWindow>().Find<StaticText>("Label");
  auto* qlabel = static_cast<QLabel*>(label.Widget());
  EXPECT_EQ(qlabel->text(), QString("one\ntwo"));
  label.SetText(GetParam().text);
  EXPECT_EQ(label.Text(), GetParam().text);
  EXPECT_EQ(qlabel->text(), QString(GetParam().shown));
}

INSTANTIATE_TEST_SUITE_P(Platform, StaticTextLines,
                         ::testing::Values(TextCase{"Plain", "plain", "plain"},
                                           TextCase{"Returns", "a\rb\rc", "a\nb\nc"},
                                           TextCase{"ReturnLineFeed", "a\r\nb", "a\nb"},
                                           TextCase{"ReturnsAtBothEnds", "\rx\r", "\nx\n"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(PlatformTest, EditFieldLimitAndSelection) {
  auto& form = ImplicitWindow<FormWindow>();
  auto& field = form.Find<EditField>("Field");
  QTest::keyClicks(field.Widget(), "abcd");
  EXPECT_EQ(field.Text(), "abc");
  field.SetText("wxyz");
  EXPECT_EQ(field.Text(), "wxy");
  field.SetSelStart(1);
  field.SetSelLength(2);
  EXPECT_EQ(field.SelStart(), 1);
  EXPECT_EQ(field.SelLength(), 2);

  auto& notes = form.Find<EditField>("Notes");
  auto* edit = static_cast<QPlainTextEdit*>(notes.Widget());
  EXPECT_EQ(notes.Text(), "hello\rworld");
  QTest::keyClicks(notes.Widget(), "x");
  EXPECT_EQ(notes.Text(), "hello\rworld");  // read-only
  notes.SetSelStart(6);
  notes.SetSelLength(5);
  EXPECT_EQ(notes.SelStart(), 6);
  EXPECT_EQ(notes.SelLength(), 5);
  EXPECT_EQ(edit->textCursor().selectedText(), QString("world"));
  notes.SetSelStart(100);
  EXPECT_EQ(notes.SelStart(), 11);
  EXPECT_EQ(notes.SelLength(), 0);
  notes.SetSelStart(3);
  notes.SetSelLength(100);
  EXPECT_EQ(notes.SelStart(), 3);
  EXPECT_EQ(notes.SelLength(), 8);
  notes.SetText("a\rb");
  EXPECT_EQ(notes.Text(), "a\rb");
}

TEST_F(PlatformTest, ListboxRowsCellsAlignmentsAndHeadings) {
  auto& list = ImplicitWindow<FormWindow>().Find<Listbox>("List");
  auto* tree = static_cast<QTreeWidget*>(list.Widget());
  EXPECT_EQ(list.ColumnCount(), 3);
  EXPECT_EQ(list.LastIndex(), -1);
  list.SetHeading(1, "Gen");
  EXPECT_EQ(list.Heading(1), "Gen");
  EXPECT_EQ(list.Heading(3), "");

  list.AddRow("a");
  list.AddRow("b");
  EXPECT_EQ(list.ListCount(), 2);
  EXPECT_EQ(list.LastIndex(), 1);
  list.SetCell(1, 2, "7");
  EXPECT_EQ(list.Cell(1, 0), "b");
  EXPECT_EQ(list.Cell(1, 2), "7");
  EXPECT_EQ(list.Cell(2, 0), "");
  EXPECT_EQ(list.Cell(0, 3), "");
  list.SetCellAlignment(1, 2, Alignment::Right);
  EXPECT_EQ(list.CellAlignment(1, 2), Alignment::Right);
  EXPECT_EQ(list.CellAlignment(0, 2), Alignment::Left);
  EXPECT_TRUE(tree->topLevelItem(1)->textAlignment(2) & Qt::AlignRight);

  list.DeleteAllRows();
  EXPECT_EQ(list.ListCount(), 0);
  EXPECT_EQ(list.LastIndex(), -1);
  EXPECT_EQ(list.CellAlignment(1, 2), Alignment::Left);
  list.AddRow("c");
  EXPECT_EQ(list.LastIndex(), 0);
  EXPECT_EQ(list.CellAlignment(0, 2), Alignment::Left);
  EXPECT_EQ(list.Heading(1), "Gen");  // the heading row is no row of the list
}

TEST_F(PlatformTest, PopupMenuRowsIndexAndChange) {
  auto& form = ImplicitWindow<FormWindow>();
  auto& pick = form.Find<PopupMenu>("Pick");
  EXPECT_EQ(pick.ListCount(), 3);
  EXPECT_EQ(pick.List(1), "Two");
  EXPECT_EQ(pick.ListIndex(), -1);
  std::vector<int> changes;
  pick.Change = [&] { changes.push_back(pick.ListIndex()); };

  pick.SetListIndex(2);
  pick.SetListIndex(3);
  pick.SetListIndex(-2);
  EXPECT_EQ(changes, std::vector<int>{2});
  EXPECT_EQ(pick.ListIndex(), 2);

  pick.AddRow("Four");
  pick.SetListIndex(3);
  EXPECT_EQ(pick.List(3), "Four");
  EXPECT_EQ(changes, (std::vector<int>{2, 3}));

  // A choice by the user is an event of its own.
  QTest::keyClick(pick.Widget(), Qt::Key_Up);
  EXPECT_EQ(changes, (std::vector<int>{2, 3, 2}));
  pick.SetEnabled(false);
  QTest::keyClick(pick.Widget(), Qt::Key_Up);
  EXPECT_EQ(changes.size(), 3u);
}

TEST_F(PlatformTest, DisclosureTriangleTogglesThenRaisesAction) {
  auto& form = ImplicitWindow<FormWindow>();
  form.Show();
  auto& more = form.Find<DisclosureTriangle>("More");
  auto* button = static_cast<QToolButton*>(more.Widget());
  std::vector<bool> seen;
  more.Action = [&] { seen.push_back(more.Value()); };
  EXPECT_FALSE(more.Value());

  more.Click();
  EXPECT_EQ(seen, std::vector<bool>{true});
  EXPECT_EQ(button->arrowType(), Qt::DownArrow);
  QTest::mouseClick(button, Qt::LeftButton);
  EXPECT_EQ(seen, (std::vector<bool>{true, false}));
  EXPECT_EQ(button->arrowType(), Qt::RightArrow);

  more.SetEnabled(false);
  more.Click();
  EXPECT_FALSE(more.Value());
  EXPECT_EQ(seen.size(), 2u);
}

TEST_F(PlatformTest, TimersFireByModeThroughQtAndNotAfterClose) {
  auto& timers = ImplicitWindow<TimerWindow>();
  int once = 0, repeat = 0, off = 0;
  timers.Find<Timer>("Once").Action = [&] { ++once; };
  timers.Find<Timer>("Repeat").Action = [&] { ++repeat; };
  timers.Find<Timer>("Off").Action = [&] { ++off; };

  for (int i = 0; i < 200 && (once == 0 || repeat < 3); ++i) QCoreApplication::processEvents();
  for (int i = 0; i < 10; ++i) QCoreApplication::processEvents();
  EXPECT_EQ(once, 1);
  EXPECT_GE(repeat, 3);
  EXPECT_EQ(off, 0);
  timers.Find<Timer>("Off").Fire();
  EXPECT_EQ(off, 1);

  timers.Close();  // outside any handler: the window lingers until the next event
  const int repeated = repeat;
  timers.Find<Timer>("Repeat").Fire();
  timers.Find<Timer>("Off").Fire();
  for (int i = 0; i < 10; ++i) QCoreApplication::processEvents();
  EXPECT_EQ(repeat, repeated);
  EXPECT_EQ(off, 1);
}

// A single firing that comes while a handler runs (here, one waiting on a message box) is
// delivered once that handler ends, unless the timer was stopped or restarted meanwhile; a
// repeating one is dropped. SetMode starts and stops a timer.
TEST_F(PlatformTest, ASingleFiringWaitsForTheHandlerARepeatingOneIsDropped) {
  auto& timers = ImplicitWindow<TimerWindow>();
  auto& once = timers.Find<Timer>("Once");
  auto& repeat = timers.Find<Timer>("Repeat");
  Log log;
  once.Action = [&] { log.push_back("once"); };
  repeat.Action = [&] { log.push_back("repeat"); };
  SetMsgBoxHook([&](const std::string&) {
    once.Fire();
    repeat.Fire();
    log.push_back("box closed");
  });
  EventGate::Dispatch([&] {
    MsgBox("Wait");
    log.push_back("handler ends");
  });
  EXPECT_EQ(log, (Log{"box closed", "handler ends", "once"}));
  // A firing put off belongs to the run that was going: one stopped or started afresh drops it.
  log.clear();
  EventGate::Dispatch([&] { once.Fire(), once.SetMode(TimerMode::Off); });
  EventGate::Dispatch([&] {
    once.SetMode(TimerMode::Once);
    once.Fire();
    once.SetMode(TimerMode::Once);
  });
  EXPECT_EQ(log, Log{});

  auto& off = timers.Find<Timer>("Off");
  int ticks = 0;
  off.Action = [&] { ++ticks; };
  off.SetMode(TimerMode::Repeating);
  for (int i = 0; i < 200 && ticks < 3; ++i) QCoreApplication::processEvents();
  EXPECT_GE(ticks, 3);
  off.SetMode(TimerMode::Off);
  const int stopped = ticks;
  for (int i = 0; i < 20; ++i) QCoreApplication::processEvents();
  EXPECT_EQ(ticks, stopped);
}

// ---- Keys ----

// Return and Enter press the default button and Escape the cancel button, from a field that does
// not use those keys; a field that does keeps them, and a disabled button takes nothing.
TEST_F(PlatformTest, ReturnPressesTheDefaultButtonAndEscapeTheCancelButton) {
  auto& dialog = ImplicitWindow<KeysWindow>();
  dialog.Show();
  Log pressed;
  dialog.Find<PushButton>("Okay").Action = [&] { pressed.push_back("Okay"); };
  dialog.Find<PushButton>("Cancel").Action = [&] { pressed.push_back("Cancel"); };
  QWidget* field = dialog.Find<EditField>("Field").Widget();

  QTest::keyClick(field, Qt::Key_Return);
  QTest::keyClick(field, Qt::Key_Enter);
  QTest::keyClick(field, Qt::Key_Escape);
  QTest::keyClick(dialog.Widget(), Qt::Key_Return);
  EXPECT_EQ(pressed, (Log{"Okay", "Okay", "Cancel", "Okay"}));

  auto& notes = dialog.Find<EditField>("Notes");
  QTest::keyClick(notes.Widget(), Qt::Key_Return);
  EXPECT_EQ(notes.Text(), "\r");
  dialog.Find<PushButton>("Okay").SetEnabled(false);
  QTest::keyClick(field, Qt::Key_Return);
  EXPECT_EQ(pressed.size(), 4u);
}

// A window without a menu bar still answers the bar's shortcuts, unless it is a dialog that
// holds up the whole program.
TEST_F(PlatformTest, ShortcutsReachWindowsWithoutABarButNotBlockingDialogs) {
  auto quitAction = [](const Window& w) -> QAction* {
    for (QAction* a : w.Widget()->actions()) {
      if (a->shortcut() == QKeySequence(Qt::CTRL | Qt::Key_Q)) return a;
    }
    return nullptr;
  };
  auto& floating = ImplicitWindow<TimerWindow>();
  EXPECT_EQ(quitAction(ImplicitWindow<KeysWindow>()), nullptr);
  QAction* quit = quitAction(floating);
  ASSERT_NE(quit, nullptr);
  quit->trigger();
  EXPECT_TRUE(app->QuitRequested());
}

// ---- Canvas ----

class CanvasRefresh : public PlatformTest, public ::testing::WithParamInterface<bool> {};

TEST_P(CanvasRefresh, DrawingShowsUntilErasedAndPaintComesOnceAfterTheHandler) {
  const bool erase = GetParam();
  auto& form = ImplicitWindow<FormWindow>();
  form.Show();
  auto& art = form.Find<Canvas>("Art");
  int paints = 0;
  art.Paint = [&](Graphics& g) {
    ++paints;
    EXPECT_EQ(&g, &art.Graphics());
    g.ForeColor = kBlue;
    g.FillRect(0, 0, 2, 2);
  };
  int paintsInHandler = -1;
  Color inHandler;
  EventGate::Dispatch([&] {
    art.Graphics().ForeColor = kRed;
    art.Graphics().FillRect(5, 5, 10, 10);
    art.Refresh(erase);
    art.Refresh(erase);
    paintsInHandler = paints;
    inHandler = At(art, 6, 6);
  });
  const Color kept = erase ? kWhite : kRed;
  EXPECT_EQ(paintsInHandler, 0);
  EXPECT_EQ(inHandler, kept);
  EXPECT_EQ(paints, 1);
  EXPECT_EQ(At(art, 6, 6), kept);
  EXPECT_EQ(At(art, 1, 1), kBlue);
  EXPECT_EQ(OnScreen(art, 6, 6), kept);
  EXPECT_EQ(OnScreen(art, 1, 1), kBlue);
}

INSTANTIATE_TEST_SUITE_P(Platform, CanvasRefresh, ::testing::Bool(), [](const auto& info) {
  return std::string(info.param ? "Erasing" : "Keeping");
});

TEST_F(PlatformTest, CanvasBackdropShowsUnderTheDrawing) {
  auto& form = ImplicitWindow<FormWindow>();
  form.Show();
  auto& art = form.Find<Canvas>("Art");
  auto backdrop = NewPicture(art.Width(), art.Height(), 32);
  backdrop->Graphics().ForeColor = kGreen;
  backdrop->Graphics().FillRect(0, 0, art.Width(), art.Height());
  art.SetBackdrop(backdrop);
  EXPECT_EQ(At(art, 6, 6), kGreen);

  art.Graphics().ForeColor = kRed;
  art.Graphics().FillRect(5, 5, 10, 10);
  EXPECT_EQ(At(art, 6, 6), kRed);
  EXPECT_EQ(At(art, 0, 0), kGreen);
  EXPECT_EQ(OnScreen(art, 0, 0), kGreen);

  art.Refresh(true);
  EXPECT_EQ(At(art, 6, 6), kGreen);

  // Drawn on the backdrop itself, shown once the canvas is erased.
  art.Backdrop()->Graphics().ForeColor = kBlue;
  art.Backdrop()->Graphics().FillRect(0, 0, 10, 10);
  art.Refresh(true);
  EXPECT_EQ(At(art, 6, 6), kBlue);
  EXPECT_EQ(OnScreen(art, 6, 6), kBlue);
  EXPECT_EQ(OnScreen(art, 20, 20), kGreen);
}

// ---- Message box, web addresses, resources ----

TEST_F(PlatformTest, HooksReplaceMsgBoxAndShowURL) {
  Log boxes, urls;
  EXPECT_FALSE(SetMsgBoxHook([&](const std::string& t) { boxes.push_back(t); }));
  EXPECT_FALSE(SetShowURLHook([&](const std::string& t) { urls.push_back(t); }));
  MsgBox("Hello");
  ShowURL("https://example.org/");
  EXPECT_EQ(boxes, Log{"Hello"});
  EXPECT_EQ(urls, Log{"https://example.org/"});

  TextHook previous = SetMsgBoxHook(nullptr);
  ASSERT_TRUE(previous);
  previous("again");
  EXPECT_EQ(boxes, (Log{"Hello", "again"}));
}

TEST_F(PlatformTest, ResetMsgBoxShowsARealBoxAgain) {
  Log boxes;
  SetMsgBoxHook([&](const std::string& t) { boxes.push_back(t); });
  SetMsgBoxHook(nullptr);

  std::vector<QString> shown;
  QTimer closer;  // the user, pressing OK on whatever box is up
  closer.setInterval(0);
  QObject::connect(&closer, &QTimer::timeout, [&] {
    for (QWidget* w : QApplication::topLevelWidgets()) {
      auto* box = qobject_cast<QMessageBox*>(w);
      if (box && box->isVisible()) {
        shown.push_back(box->text());
        box->accept();
      }
    }
  });
  app->onOpen = [&] {
    closer.start();
    MsgBox("Real box");
    closer.stop();
    app->Quit();
  };
  RunGuard guard;
  EXPECT_EQ(app->Run(), 0);
  EXPECT_EQ(shown, std::vector<QString>{"Real box"});
  EXPECT_EQ(boxes, Log{});
}

TEST_F(PlatformTest, ResetShowURLOpensTheAddressAgain) {
  Log urls;
  SetShowURLHook([&](const std::string& t) { urls.push_back(t); });
  SetShowURLHook(nullptr);
  QTextBrowser opened;  // stands in for the desktop's browser
  QDesktopServices::setUrlHandler("skellith-test", &opened, "setSource");
  ShowURL("skellith-test:manual");
  QDesktopServices::unsetUrlHandler("skellith-test");
  EXPECT_EQ(opened.source(), QUrl("skellith-test:manual"));
  EXPECT_EQ(urls, Log{});
}

// The cover is compiled into the program; an unknown number gives none.
TEST_F(PlatformTest, GetPictureReadsTheCoverAndNothingElse) {
  PicturePtr cover = GetPicture(168);
  ASSERT_NE(cover, nullptr);
  EXPECT_EQ(cover->Width(), 158);
  EXPECT_EQ(cover->Height(), 204);
  bool varied = false;
  for (int y = 0; y < cover->Height() && !varied; ++y) {
    for (int x = 0; x < cover->Width() && !varied; ++x) {
      varied = cover->Pixel(x, y) != cover->Pixel(0, 0);
    }
  }
  EXPECT_TRUE(varied);
  EXPECT_EQ(GetPicture(999), nullptr);
}

// Off an X server (offscreen here, Wayland for a user) nothing tells a minimise from a pause of
// the compositor: a kept window stays as the desktop has it, whatever reaches the program's native
// event filters (here an X unmap of the window, as a keeper would hear of a minimise).
TEST_F(PlatformTest, KeptWindowsAreLeftAloneOffAnXServer) {
  QWidget window;
  WindowKeeper::KeepInReach(&window);
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  window.setWindowState(Qt::WindowMinimized);
  xcb_unmap_notify_event_t unmap{};
  unmap.response_type = XCB_UNMAP_NOTIFY;
  unmap.event = unmap.window = xcb_window_t(window.winId());
  qintptr result = 0;
  QAbstractEventDispatcher::instance()->filterNativeEvent("xcb_generic_event_t", &unmap, &result);
  // Longer than any keeper waits before it brings a window back.
  QTest::qWait(400);
  EXPECT_TRUE(window.isMinimized());
}

// The window manager's record, as the keeper reads it, and whether the window is brought back.
struct RecordCase {
  const char* name;
  WmRecord record;
  bool outOfReach;
};

void PrintTo(const RecordCase& c, std::ostream* os) {
  *os << c.name;
}

class KeeperDecision : public ::testing::TestWithParam<RecordCase> {};

TEST_P(KeeperDecision, OnlyAMinimiseWhereTheUserLooksWithNothingOnScreen) {
  EXPECT_EQ(GetParam().record.OutOfReach(), GetParam().outOfReach);
}

constexpr uint32_t kNormal = 1, kIconic = 3, kEveryDesktop = 0xFFFFFFFF;

INSTANTIATE_TEST_SUITE_P(
    Platform, KeeperDecision,
    ::testing::Values(
        RecordCase{"Minimised", {kIconic, false, 0u, 0u, false, false}, true},
        RecordCase{"HiddenOnly", {kNormal, true, 0u, 0u, false, false}, true},
        RecordCase{"NoWorkspacesAtAll", {kIconic, false, {}, {}, false, false}, true},
        RecordCase{"OnEveryWorkspace", {kIconic, false, kEveryDesktop, 1u, false, false}, true},
        RecordCase{"OnScreen", {kNormal, false, 0u, 0u, false, true}, false},
        RecordCase{"NoStateYet", {{}, false, 0u, 0u, false, false}, false},
        RecordCase{"HiddenForAnotherWorkspace", {kNormal, false, 0u, 1u, false, false}, false},
        RecordCase{"MinimisedOnAnotherWorkspace", {kIconic, true, 0u, 1u, false, false}, false},
        RecordCase{"WhileTheDesktopIsShown", {kIconic, true, 0u, 0u, true, false}, false},
        RecordCase{"RolledUpOnly", {kIconic, false, 0u, 0u, false, true}, false},
        RecordCase{"RolledUpAndMinimised", {kIconic, true, 0u, 0u, false, false}, true}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
