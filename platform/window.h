#pragma once

#include <functional>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "core/layout.h"

class Control;
class MenuBar;
class MenuItem;
class QAction;
class QObject;
class QWidget;

// The base of every window class. A window is built from its record and its control table, opens
// (runs its Open handling) at its first Show, and is destroyed after it closes, never while one
// of its own handlers still runs. Window coordinates are those of the content area below the
// menu bar, one unit per pixel.
class Window {
 public:
  Window();
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;
  virtual ~Window();

  void Show();
  void Close();
  // Redraws the whole window; with eraseBackground its canvases are erased and repainted.
  void Refresh(bool eraseBackground = true);

  int Width() const;
  void SetWidth(int width);
  int Height() const;
  const std::string& Title() const { return title_; }
  bool IsOpen() const { return opened_ && !closed_; }
  bool IsClosed() const { return closed_; }
  ::MenuBar* MenuBar() const { return menuBar_; }

  // A control by its layout name (and index for a control array); throws std::out_of_range when
  // the window has none of that name and kind.
  template <class T>
  T& Find(const std::string& name, int index = -1) const {
    T* found = dynamic_cast<T*>(ControlByName(name, index));
    if (!found) ThrowNoControl(name, index);
    return *found;
  }
  Control* ControlByName(const std::string& name, int index = -1) const;
  std::vector<Control*> Controls() const;

  // The window's own events.
  virtual void Event_Open() {}
  virtual void Event_Close() {}
  virtual void Event_Activate() {}
  virtual bool Event_MouseDown(int /*x*/, int /*y*/) { return false; }

  // How the framework delivers events from outside the program (and how tests deliver them):
  // each goes through the event gate and is dropped while another handler runs.
  void DeliverActivate();
  void DeliverMouseDown(int x, int y);
  void DeliverCloseBox();
  // A key that the focused control left alone: Return (or Enter) presses the window's default
  // button, Escape its cancel button. Returns whether a button took it.
  enum class Key { Return, Escape };
  bool DeliverKey(Key key);
  // A resizeable window's content and menu bar follow its frame's size.
  void FitContent();

  // The Qt widgets, for the platform and for tests.
  QWidget* Widget() const;
  QWidget* Content() const;

  // Destroys every window that still exists, without Close handling: the end of the run.
  static void DestroyAll();
  // Windows that are open now (shown and not closed), in the order they were built.
  static std::vector<Window*> OpenWindows();

 protected:
  // Layout and CreateControls: applies the record, shows the menu bar (a document window with no
  // bar of its own shows the application's), and creates the controls in table order.
  void Build(const WindowRecord& record, ::MenuBar* menuBar, std::span<const ControlSpec> table);

 private:
  template <class W>
  friend W& ImplicitWindow();

  [[noreturn]] static void ThrowNoControl(const std::string& name, int index);
  // An action that chooses the item, with its text and shortcut, following its enabled state.
  QAction* ActionFor(MenuItem& item, QObject* parent);
  void BuildMenuBar(::MenuBar& bar);
  void AddMenuShortcuts(::MenuBar& bar);
  void ApplyTabOrder();

  struct Widgets;
  std::unique_ptr<Widgets> qt_;
  std::vector<std::unique_ptr<Control>> controls_;
  std::string title_;
  WindowRecord record_;
  ::MenuBar* menuBar_ = nullptr;
  std::vector<std::pair<MenuItem*, int>> menuWatches_;
  bool opened_ = false;
  bool closed_ = false;
  std::function<void()> forgetInstance_;
};

// The implicit single instance of a window class: the open one, or a new one built by the class's
// constructor when there is none (never shown yet, or closed).
template <class W>
W& ImplicitWindow() {
  static W* instance = nullptr;
  if (!instance) {
    instance = new W();
    instance->forgetInstance_ = [] { instance = nullptr; };
  }
  return *instance;
}
