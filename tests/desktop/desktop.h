#pragma once

#include <gtest/gtest.h>
#include <sys/types.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <functional>
#include <future>
#include <memory>
#include <string>
#include <type_traits>

#include "tests/desktop/x_display.h"

class ClickWatch;
class Window;

inline constexpr const char* kMainTitle = "Darwin's Theory";
inline constexpr const char* kSplashTitle = "";

// The window manager that the desktop stage started, to name it where it cannot do something.
inline std::string WindowManager() {
  const char* name = std::getenv("SKELLITH_WM");
  return name ? name : "the window manager";
}

// One run of the real program with a user at a real desktop. The program runs on the main thread
// exactly as main() starts it; the user's script runs on a thread of its own and acts only through
// the X server. OnUi reads, on the program's thread, what the screen cannot tell (where a control
// or a menu item is, what a window's id is).
class Desktop : public XDisplay {
 public:
  using Script = std::function<void(Desktop&)>;

  // Returns once the program has ended. A script that ends with the program still running quits
  // it; a test that failed leaves a screenshot first. A run whose window manager died is skipped.
  // The script ends early at its first wait after a failed one (clicks wait too), and when the
  // program stops answering: what follows would only wait in vain as well.
  static void Run(const Script& script);

  bool Running() const { return running_; }

  // Runs f on the program's thread and returns its result; a failure that ends the script when the
  // program does not answer in time.
  template <class F>
  auto OnUi(F f) -> decltype(f());

  // Polls the condition until it holds; a failure naming what was awaited, with a screenshot,
  // when it never does.
  bool WaitFor(const std::string& what, const std::function<bool()>& condition,
               std::chrono::milliseconds timeout = kPatience);

  // The program's open window of that title ("" is the splash), null when there is none. Only on
  // the program's thread.
  static Window* OpenWindowTitled(const std::string& title);
  // Its id at the X server, 0 when there is none.
  XWindowId WindowOf(const std::string& title);
  // The text of a label or a text field.
  std::string Text(const std::string& title, const std::string& control);
  bool Shown(const std::string& title) { return Viewable(WindowOf(title)); }
  // The open message box, 0 when there is none.
  XWindowId MessageBox();
  // Where a point of a window's content area is on the screen.
  QPoint ScreenPoint(const std::string& title, QPoint content);
  // Where a control is on the screen.
  QRect ScreenRect(const std::string& title, const std::string& control, int index = -1);
  // The program's window that a click at that point of the screen would reach, 0 when none.
  XWindowId WindowAt(QPoint at);
  // Clicks once the X server has the target window (0: any of the program's) at the point, and
  // returns once the program has had the press and the release. A closed window's frame outlives
  // it a moment and swallows a press; and the window manager freezes the pointer while it acts on
  // a press, so a release let through after the pointer moved on comes where it moved to.
  void Click(QPoint at, XWindowId target = 0);
  void ClickControl(const std::string& title, const std::string& control, int index = -1);
  // Clicks a control and waits until it has the keyboard focus. The window manager holds a click
  // back a moment (to raise the window) while keys pass at once, so keys wait for this.
  void ClickToFocus(const std::string& title, const std::string& control);
  // Opens a menu of a window's menu bar with the mouse and chooses an item in it.
  void ChooseMenu(const std::string& menu, const std::string& item,
                  const std::string& title = kMainTitle);

  // The splash, once the window manager shows it; the program shows it at start-up right after the
  // main window.
  XWindowId Splash();
  // Clicks the splash away and waits until it is gone.
  void CloseSplash();
  // Drags the splash, or another window, to a corner of the screen clear of the main window.
  void MoveSplashAside();
  void MoveAside(XWindowId window);

  // Keeps the program busy for a while, as a long computation or a loaded machine does, from the
  // moment this returns.
  void Stall(std::chrono::milliseconds during);

  // How often the program's thread has gone to sleep so far, and so been woken: its voluntary
  // context switches. Being preempted on a busy machine does not count.
  long Wakeups() const;
  // The processor time the program has used so far, in seconds: every thread but the script's.
  double ProgramCpuSeconds() const;

  // Saves the screen as a PNG named after the test, in desktop-screenshots/ of the working
  // folder, and returns its path.
  std::string SaveFailureScreen() const;

 private:
  Desktop() = default;
  void Post(std::function<void()> task);

  struct ScriptEnded {};

  std::atomic<bool> running_{true};
  bool failed_ = false;
  long wmRestarts_ = 0;
  bool wmDied_ = false;
  pid_t uiThread_ = 0;
  ClickWatch* clicks_ = nullptr;
};

template <class F>
auto Desktop::OnUi(F f) -> decltype(f()) {
  using R = decltype(f());
  auto done = std::make_shared<std::promise<R>>();
  auto result = done->get_future();
  if (running_) {
    Post([done, f]() mutable {
      if constexpr (std::is_void_v<R>) {
        f();
        done->set_value();
      } else {
        done->set_value(f());
      }
    });
  }
  if (!running_ || result.wait_for(kPatience) != std::future_status::ready) {
    ADD_FAILURE() << "the program did not answer";
    throw ScriptEnded{};
  }
  return result.get();
}
