#include "tests/desktop/desktop.h"

#include <unistd.h>
#include <QApplication>
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMetaObject>
#include <QPointer>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <thread>

#include "app/startup.h"
#include "platform/application.h"
#include "platform/control.h"
#include "platform/text_controls.h"
#include "platform/window.h"

namespace {

QAction* ActionTitled(const QList<QAction*>& actions, const std::string& text) {
  for (QAction* a : actions) {
    if (a->text().toStdString() == text) return a;
  }
  return nullptr;
}

// How often the desktop stage has had to start its window manager again.
long WindowManagerRestarts() {
  const char* restarts = std::getenv("SKELLITH_WM_RESTARTS");
  if (!restarts || !std::filesystem::exists(restarts)) return 0;
  return long(std::filesystem::file_size(restarts));
}

}  // namespace

// Counts, on the program's thread, the clicks that reached the program: presses, and the ends of
// clicks. A click ends with its release, or when the window it pressed is hidden: the splash
// closes on the press, and its release is then never delivered.
class ClickWatch : public QObject {
 public:
  std::atomic<int> presses{0}, ends{0};

 protected:
  bool eventFilter(QObject* receiver, QEvent* event) override {
    // A mouse event comes to the window first, then to the widget in it; one of them counts.
    if (!receiver->isWindowType()) return false;
    if (event->type() == QEvent::MouseButtonPress) {
      pressed_ = receiver;
      ++presses;
    } else if (event->type() == QEvent::MouseButtonRelease ||
               (event->type() == QEvent::Hide && receiver == pressed_)) {
      pressed_ = nullptr;
      ++ends;
    }
    return false;
  }

 private:
  QPointer<QObject> pressed_;
};

Window* Desktop::OpenWindowTitled(const std::string& title) {
  for (Window* w : Window::OpenWindows()) {
    if (w->Title() == title) return w;
  }
  return nullptr;
}

std::string Desktop::Text(const std::string& title, const std::string& control) {
  return OnUi([=] {
    Window* w = OpenWindowTitled(title);
    Control* c = w ? w->ControlByName(control) : nullptr;
    if (auto* label = dynamic_cast<StaticText*>(c)) return label->Text();
    if (auto* field = dynamic_cast<EditField*>(c)) return field->Text();
    return std::string("(no text control ") + control + ")";
  });
}

void Desktop::Run(const Script& script) {
  // The program's Qt application exists before the user can ask it anything.
  EnsureQtApplication();
  Desktop desktop;
  // One that died after the last run is being started again: the program's windows must meet it.
  desktop.WaitFor("a window manager", [&] { return desktop.WindowManagerCheck() != 0; });
  desktop.wmRestarts_ = WindowManagerRestarts();
  desktop.uiThread_ = gettid();
  ClickWatch clicks;
  qApp->installEventFilter(&clicks);
  desktop.clicks_ = &clicks;
  std::thread user([&desktop, &script] {
    try {
      if (desktop.WaitFor(
              "the main window", [&] { return desktop.Shown(kMainTitle); }, 10s)) {
        script(desktop);
      }
    } catch (const ScriptEnded&) {
      // Reported where it happened.
    } catch (const std::exception& e) {
      ADD_FAILURE() << "the script ended with " << e.what();
    }
    if (desktop.Running()) {
      desktop.Post([] {
        if (Application::Current()) Application::Current()->Quit();
      });
    }
  });
  {
    struct Joiner {
      Desktop& desktop;
      std::thread& user;
      ~Joiner() {
        desktop.running_ = false;
        user.join();
      }
    } joiner{desktop, user};
    RunSkellith();
  }
  if (desktop.wmDied_) GTEST_SKIP() << WindowManager() << " died during the run";
}

void Desktop::Post(std::function<void()> task) {
  QMetaObject::invokeMethod(qApp, std::move(task), Qt::QueuedConnection);
}

bool Desktop::WaitFor(const std::string& what, const std::function<bool()>& condition,
                      std::chrono::milliseconds timeout) {
  // The checks right after a failed wait still run and report; the next wait ends the script.
  if (failed_) throw ScriptEnded{};
  const auto until = std::chrono::steady_clock::now() + timeout;
  while (!condition()) {
    if (std::chrono::steady_clock::now() > until) {
      // A window manager that died meanwhile (metacity now and then does on a busy machine) leaves
      // nothing to judge.
      if (WindowManagerRestarts() != wmRestarts_) {
        wmDied_ = true;
        throw ScriptEnded{};
      }
      failed_ = true;
      ADD_FAILURE() << "waited " << timeout.count() << " ms in vain for " << what
                    << "; screenshot: " << SaveFailureScreen();
      return false;
    }
    std::this_thread::sleep_for(2ms);
  }
  return true;
}

XWindowId Desktop::WindowOf(const std::string& title) {
  return OnUi([title]() -> XWindowId {
    Window* w = OpenWindowTitled(title);
    return w ? w->Widget()->winId() : 0;
  });
}

XWindowId Desktop::MessageBox() {
  return OnUi([]() -> XWindowId {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    return box && box->isVisible() ? box->winId() : 0;
  });
}

QPoint Desktop::ScreenPoint(const std::string& title, QPoint content) {
  const XWindowId id = WindowOf(title);
  const QPoint offset = OnUi([title] {
    Window* w = OpenWindowTitled(title);
    return w ? w->Content()->mapTo(w->Widget(), QPoint(0, 0)) : QPoint();
  });
  return Origin(id) + offset + content;
}

QRect Desktop::ScreenRect(const std::string& title, const std::string& control, int index) {
  const QRect inContent = OnUi([=] {
    Window* w = OpenWindowTitled(title);
    Control* c = w ? w->ControlByName(control, index) : nullptr;
    if (!c) return QRect();
    return c->Widget() ? c->Widget()->geometry()
                       : QRect(c->Left(), c->Top(), c->Width(), c->Height());
  });
  if (inContent.isNull()) ADD_FAILURE() << title << " has no open control " << control;
  return inContent.translated(ScreenPoint(title, QPoint(0, 0)));
}

XWindowId Desktop::WindowAt(QPoint at) {
  // Qt asks the X server which window is there, walking the window tree down from the root.
  return OnUi([at]() -> XWindowId {
    QWindow* w = QGuiApplication::topLevelAt(at);
    return w ? w->winId() : 0;
  });
}

void Desktop::Click(QPoint at, XWindowId target) {
  const std::string where = "(" + std::to_string(at.x()) + ", " + std::to_string(at.y()) + ")";
  MoveTo(at);
  WaitFor("the window to click at " + where, [&] {
    const XWindowId there = WindowAt(at);
    return target ? there == target : there != 0;
  });
  const int presses = clicks_->presses;
  const int ends = clicks_->ends;
  XDisplay::Click(at);
  WaitFor("the program to have the click at " + where,
          [&] { return clicks_->presses > presses && clicks_->ends > ends; });
}

void Desktop::ClickControl(const std::string& title, const std::string& control, int index) {
  Click(ScreenRect(title, control, index).center(), WindowOf(title));
}

void Desktop::ClickToFocus(const std::string& title, const std::string& control) {
  ClickControl(title, control);
  WaitFor(control + " to have the focus", [&] {
    return OnUi([=] {
      Window* w = OpenWindowTitled(title);
      Control* c = w ? w->ControlByName(control) : nullptr;
      return c && c->Widget() && c->Widget()->hasFocus();
    });
  });
}

void Desktop::ChooseMenu(const std::string& menu, const std::string& item,
                         const std::string& title) {
  const QPoint inFrame = OnUi([=] {
    Window* w = OpenWindowTitled(title);
    auto* bar = w ? w->Widget()->findChild<QMenuBar*>() : nullptr;
    QAction* a = bar ? ActionTitled(bar->actions(), menu) : nullptr;
    return a ? bar->mapTo(w->Widget(), bar->actionGeometry(a).center()) : QPoint();
  });
  if (inFrame.isNull()) {
    ADD_FAILURE() << title << " has no menu " << menu;
    return;
  }
  const XWindowId window = WindowOf(title);
  Click(Origin(window) + inFrame, window);
  // The open menu is a pop-up that the program places itself, so its own idea of where it is holds.
  QPoint at;
  WaitFor(menu + " menu open", [&] {
    at = OnUi([=] {
      for (QWidget* top : QApplication::topLevelWidgets()) {
        auto* open = qobject_cast<QMenu*>(top);
        if (!open || !open->isVisible() || open->title().toStdString() != menu) continue;
        QAction* a = ActionTitled(open->actions(), item);
        if (a) return open->mapToGlobal(open->actionGeometry(a).center());
      }
      return QPoint();
    });
    return !at.isNull();
  });
  Click(at);
}

XWindowId Desktop::Splash() {
  const XWindowId splash = WindowOf(kSplashTitle);
  WaitFor("the splash", [&] { return Viewable(splash); });
  return splash;
}

void Desktop::CloseSplash() {
  const XWindowId splash = Splash();
  Click(Origin(splash) + QPoint(10, 10), splash);
  WaitFor("the splash to close", [&] { return !Viewable(splash); });
  // Keys go where the window manager puts the focus, and it hands it back in its own time.
  const XWindowId main = WindowOf(kMainTitle);
  WaitFor("the main window to have the focus", [&] { return Active() == main; });
}

void Desktop::MoveSplashAside() {
  MoveAside(Splash());
}

void Desktop::MoveAside(XWindowId window) {
  const QRect main(ScreenPoint(kMainTitle, QPoint(0, 0)), QSize(750, 400));
  // Window managers place the main window differently: the window goes to a corner clear of it,
  // leaving room for a panel at the screen's foot.
  const QSize screen = ScreenSize(), size = Size(window);
  QPoint to;
  for (QPoint corner : {QPoint(0, 0), QPoint(screen.width() - size.width(), 0),
                        QPoint(0, screen.height() - size.height() - 80)}) {
    to = corner;
    if (!QRect(corner, size + QSize(40, 40)).intersects(main)) break;
  }
  Move(window, to);
  WaitFor(Name(window) + " to move aside",
          [&] { return !QRect(Origin(window), Size(window)).intersects(main); });
}

void Desktop::Stall(std::chrono::milliseconds during) {
  auto busy = std::make_shared<std::promise<void>>();
  auto started = busy->get_future();
  Post([busy, during] {
    busy->set_value();
    std::this_thread::sleep_for(during);
  });
  if (started.wait_for(kPatience) != std::future_status::ready) {
    ADD_FAILURE() << "the program did not answer";
    throw ScriptEnded{};
  }
}

long Desktop::Wakeups() const {
  std::ifstream status("/proc/self/task/" + std::to_string(uiThread_) + "/status");
  for (std::string line; std::getline(status, line);) {
    if (line.rfind("voluntary_ctxt_switches:", 0) == 0) return std::stol(line.substr(24));
  }
  return 0;
}

double Desktop::ProgramCpuSeconds() const {
  const std::string script = std::to_string(gettid());
  double seconds = 0;
  for (const auto& task : std::filesystem::directory_iterator("/proc/self/task")) {
    if (task.path().filename() == script) continue;
    // Time on a processor in nanoseconds: the clock ticks of stat are too coarse to tell 1 % of
    // two seconds from 0.5 %.
    std::ifstream schedstat(task.path() / "schedstat");
    long long nanoseconds = 0;
    if (schedstat >> nanoseconds) seconds += nanoseconds / 1e9;
  }
  return seconds;
}

std::string Desktop::SaveFailureScreen() const {
  static std::atomic<int> shots{0};
  const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
  // A test may run the program again in a process of its own: the pid keeps their shots apart.
  std::string name = std::string(test->test_suite_name()) + "." + test->name() + "-" +
                     std::to_string(getpid()) + "-" + std::to_string(++shots) + ".png";
  // A parametrised test's name has slashes.
  std::replace(name.begin(), name.end(), '/', '-');
  QDir().mkpath("desktop-screenshots");
  const QString path = QDir("desktop-screenshots").absoluteFilePath(QString::fromStdString(name));
  Screen().save(path);
  return path.toStdString();
}
