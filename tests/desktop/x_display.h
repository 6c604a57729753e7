#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <chrono>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

struct _XDisplay;
using XWindowId = unsigned long;

using namespace std::chrono_literals;

// How long any wait for the program, the X server or the window manager may take: ample on a
// machine with more work than cores.
inline constexpr auto kPatience = 5s;

// The user's side of a real X server: input made through XTest, as a mouse and a keyboard make it,
// and the server's own view of the windows: stacking, focus, mapping and the pixels on the screen.
// One thread uses it.
class XDisplay {
 public:
  // Opens $DISPLAY; throws std::runtime_error when there is no server.
  XDisplay();
  XDisplay(const XDisplay&) = delete;
  XDisplay& operator=(const XDisplay&) = delete;
  ~XDisplay();

  void MoveTo(QPoint at);
  void Click(QPoint at);
  // Turns the wheel at a place: positive notches scroll down.
  void Wheel(QPoint at, int notches);
  // A key by its keysym name ("Return", "KP_Enter", "Escape", "q"), with modifiers held down
  // around it ("Control_L").
  void Key(const char* keysym, std::initializer_list<const char*> held = {});
  // Digits and lower-case letters, one key each.
  void Type(const std::string& text);

  // Client windows from bottom to top, as the screen stacks them.
  std::vector<XWindowId> Stacking() const;
  // The window the window manager says is active, 0 when none.
  XWindowId Active() const;
  bool Viewable(XWindowId window) const;
  // Whether the window's frame is on the screen: a window rolled up into its title bar still is.
  bool OnScreen(XWindowId window) const { return Viewable(Frame(window)); }
  // Its title and id, to name it in a failure message.
  std::string Name(XWindowId window) const;
  // The window's top-left corner on the screen.
  QPoint Origin(XWindowId window) const;
  QSize Size(XWindowId window) const;
  // Asks the window manager to move or resize a window, as a drag of its frame does.
  void Move(XWindowId window, QPoint to);
  void Resize(XWindowId window, QSize size);
  // Asks the window manager to minimise a window, as its frame's button or a taskbar does, and
  // returns whether it took the window's frame off the screen.
  bool Minimise(XWindowId window);
  // Asks the window manager to activate a window, as a task bar does, and to roll one up.
  void Activate(XWindowId w) { Request(w, "_NET_ACTIVE_WINDOW", {2, 0, 0}); }
  void RollUp(XWindowId w) { Request(w, "_NET_WM_STATE", {1, long(Atom(kShaded)), 0, 1}); }
  bool RolledUp(XWindowId w) const { return Lists(w, "_NET_WM_STATE", kShaded); }
  // Minimises the window again the moment it is mapped, for a while, and returns how often.
  int KeepMinimising(XWindowId window, std::chrono::milliseconds during);
  // Whether the window manager offers the user to minimise the window.
  bool Minimisable(XWindowId w) const {
    return Lists(w, "_NET_WM_ALLOWED_ACTIONS", "_NET_WM_ACTION_MINIMIZE");
  }
  bool CanRollUp(XWindowId w) const {
    return Lists(w, "_NET_WM_ALLOWED_ACTIONS", "_NET_WM_ACTION_SHADE");
  }

  // The running window manager's check window, which names itself; 0 when none runs.
  XWindowId WindowManagerCheck() const {
    const XWindowId check = Value(root_, "_NET_SUPPORTING_WM_CHECK");
    return check && Value(check, "_NET_SUPPORTING_WM_CHECK") == check ? check : 0;
  }
  // Workspaces and "show desktop", asked of the window manager as a pager or its keys do, and
  // read from its record; WorkspaceOf is the workspace a window is on.
  bool Supports(const char* hint) const { return Lists(root_, "_NET_SUPPORTED", hint); }
  void SwitchToWorkspace(long number) { Request(root_, "_NET_CURRENT_DESKTOP", {number}); }
  unsigned long CurrentWorkspace() const { return Value(root_, "_NET_CURRENT_DESKTOP"); }
  unsigned long WorkspaceOf(XWindowId w) const { return Value(w, "_NET_WM_DESKTOP"); }
  void ShowDesktop(bool on) { Request(root_, "_NET_SHOWING_DESKTOP", {on}); }
  bool ShowingDesktop() const { return Value(root_, "_NET_SHOWING_DESKTOP"); }
  // Clicks a window and returns whether the click reached it: the program had the press there.
  bool ClickReaches(XWindowId window, QPoint at);

  // What the screen shows in a rectangle of screen coordinates.
  QImage Grab(const QRect& area) const;
  QImage Screen() const;
  QSize ScreenSize() const;

 private:
  static constexpr const char* kShaded = "_NET_WM_STATE_SHADED";
  unsigned long Atom(const char* name) const;
  // The frame the window manager put the window in, the window itself where there is none.
  XWindowId Frame(XWindowId window) const;
  void RequestMinimise(XWindowId window);
  // Does the action and waits for an event of that type on the window (a change of that property).
  bool AwaitEvent(XWindowId window, long mask, int type, const std::function<void()>& action,
                  const char* property = nullptr);
  // Stops selecting the window's events and drops those already come.
  void StopWatching(XWindowId window, long mask);
  std::vector<unsigned long> Property(XWindowId window, const char* name) const;
  std::vector<unsigned long> RootProperty(const char* name) const { return Property(root_, name); }
  // A property's first value, 0 when there is none; whether a list of atoms holds one.
  unsigned long Value(XWindowId window, const char* name) const;
  bool Lists(XWindowId window, const char* name, const char* atom) const;
  // Sends the window manager a request about a window (the root for the whole desktop).
  void Request(XWindowId window, const char* type, std::initializer_list<long> data);
  void Sync() const;

  _XDisplay* display_;
  XWindowId root_;
};
