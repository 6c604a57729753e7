#include "tests/desktop/x_display.h"

// Xlib defines names (None, Bool, Status) that clash with Qt's; it comes after the Qt headers.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>

#include <poll.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <stdexcept>
#include <thread>

XDisplay::XDisplay() : display_(XOpenDisplay(nullptr)) {
  if (!display_) throw std::runtime_error("no X display (DISPLAY is not set or not reachable)");
  int event, error, major, minor;
  if (!XTestQueryExtension(display_, &event, &error, &major, &minor)) {
    XCloseDisplay(display_);
    throw std::runtime_error("the X server has no XTest extension");
  }
  root_ = DefaultRootWindow(display_);
}

XDisplay::~XDisplay() {
  XCloseDisplay(display_);
}

void XDisplay::Sync() const {
  XSync(display_, False);
}

void XDisplay::MoveTo(QPoint at) {
  XTestFakeMotionEvent(display_, -1, at.x(), at.y(), CurrentTime);
  Sync();
}

void XDisplay::Click(QPoint at) {
  MoveTo(at);
  XTestFakeButtonEvent(display_, 1, True, CurrentTime);
  XTestFakeButtonEvent(display_, 1, False, CurrentTime);
  Sync();
}

void XDisplay::Wheel(QPoint at, int notches) {
  MoveTo(at);
  const unsigned button = notches > 0 ? 5 : 4;
  for (int i = 0; i < std::abs(notches); ++i) {
    XTestFakeButtonEvent(display_, button, True, CurrentTime);
    XTestFakeButtonEvent(display_, button, False, CurrentTime);
  }
  Sync();
}

void XDisplay::Key(const char* keysym, std::initializer_list<const char*> held) {
  auto code = [this](const char* name) {
    const KeySym sym = XStringToKeysym(name);
    if (sym == NoSymbol) throw std::invalid_argument(std::string("no keysym ") + name);
    return XKeysymToKeycode(display_, sym);
  };
  for (const char* h : held) XTestFakeKeyEvent(display_, code(h), True, CurrentTime);
  XTestFakeKeyEvent(display_, code(keysym), True, CurrentTime);
  XTestFakeKeyEvent(display_, code(keysym), False, CurrentTime);
  for (auto h = std::rbegin(held); h != std::rend(held); ++h) {
    XTestFakeKeyEvent(display_, code(*h), False, CurrentTime);
  }
  Sync();
}

void XDisplay::Type(const std::string& text) {
  for (char c : text) Key(std::string(1, c).c_str());
}

unsigned long XDisplay::Atom(const char* name) const {
  return XInternAtom(display_, name, False);
}

std::vector<unsigned long> XDisplay::Property(XWindowId window, const char* name) const {
  ::Atom type;
  int format;
  unsigned long count, after;
  unsigned char* data = nullptr;
  std::vector<unsigned long> values;
  if (XGetWindowProperty(display_, window, Atom(name), 0, 4096, False, AnyPropertyType, &type,
                         &format, &count, &after, &data) == Success &&
      data && format == 32) {
    // Xlib hands 32-bit properties back as longs.
    const auto* longs = reinterpret_cast<const unsigned long*>(data);
    values.assign(longs, longs + count);
  }
  if (data) XFree(data);
  return values;
}

unsigned long XDisplay::Value(XWindowId window, const char* name) const {
  const auto values = Property(window, name);
  return values.empty() ? 0 : values.front();
}

bool XDisplay::Lists(XWindowId window, const char* name, const char* atom) const {
  const auto atoms = Property(window, name);
  return std::count(atoms.begin(), atoms.end(), Atom(atom)) > 0;
}

void XDisplay::Request(XWindowId window, const char* type, std::initializer_list<long> data) {
  XEvent e{};
  e.xclient.type = ClientMessage;
  e.xclient.window = window;
  e.xclient.message_type = Atom(type);
  e.xclient.format = 32;
  std::copy(data.begin(), data.end(), e.xclient.data.l);
  XSendEvent(display_, root_, False, SubstructureRedirectMask | SubstructureNotifyMask, &e);
  Sync();
}

XWindowId XDisplay::Frame(XWindowId w) const {
  for (;;) {
    ::Window root, parent, *children = nullptr;
    unsigned count;
    const bool known = XQueryTree(display_, w, &root, &parent, &children, &count);
    if (children) XFree(children);
    if (!known || parent == root) return w;
    w = parent;
  }
}

std::vector<XWindowId> XDisplay::Stacking() const {
  // As the X server stacks their frames: fluxbox keeps its list in the order the windows were
  // mapped.
  std::vector<std::pair<XWindowId, XWindowId>> frames;
  for (XWindowId w : RootProperty("_NET_CLIENT_LIST_STACKING")) frames.emplace_back(Frame(w), w);
  ::Window root, parent, *top = nullptr;
  unsigned count = 0;
  XQueryTree(display_, root_, &root, &parent, &top, &count);
  std::vector<XWindowId> stack;
  for (unsigned i = 0; i < count; ++i) {
    for (const auto& [frame, w] : frames) {
      if (frame == top[i]) stack.push_back(w);
    }
  }
  if (top) XFree(top);
  return stack;
}

XWindowId XDisplay::Active() const {
  const auto active = RootProperty("_NET_ACTIVE_WINDOW");
  return active.empty() ? 0 : active.front();
}

bool XDisplay::Viewable(XWindowId window) const {
  XWindowAttributes a;
  return window && XGetWindowAttributes(display_, window, &a) && a.map_state == IsViewable;
}

std::string XDisplay::Name(XWindowId window) const {
  std::string name = "window " + std::to_string(window);
  char* title = nullptr;
  if (XFetchName(display_, window, &title) && title) {
    name = "\"" + std::string(title) + "\" (" + name + ")";
    XFree(title);
  }
  return name;
}

QPoint XDisplay::Origin(XWindowId window) const {
  int x = 0, y = 0;
  Window child;
  XTranslateCoordinates(display_, window, root_, 0, 0, &x, &y, &child);
  return {x, y};
}

QSize XDisplay::Size(XWindowId window) const {
  XWindowAttributes a;
  if (!XGetWindowAttributes(display_, window, &a)) return {};
  return {a.width, a.height};
}

void XDisplay::Move(XWindowId window, QPoint to) {
  XMoveWindow(display_, window, to.x(), to.y());
  Sync();
}

void XDisplay::Resize(XWindowId window, QSize size) {
  XResizeWindow(display_, window, size.width(), size.height());
  Sync();
}

bool XDisplay::AwaitEvent(XWindowId window, long mask, int type,
                          const std::function<void()>& action, const char* property) {
  // Selected before the action, so that a change undone again at once is still seen.
  XSelectInput(display_, window, mask);
  Sync();
  action();
  XEvent e;
  bool seen = false;
  const auto until = std::chrono::steady_clock::now() + kPatience;
  while (!seen && std::chrono::steady_clock::now() < until) {
    if (XCheckTypedWindowEvent(display_, window, type, &e)) {
      seen = !property || e.xproperty.atom == Atom(property);
    } else {
      std::this_thread::sleep_for(2ms);
    }
  }
  StopWatching(window, mask);
  return seen;
}

void XDisplay::StopWatching(XWindowId window, long mask) {
  XSelectInput(display_, window, NoEventMask);
  Sync();
  XEvent e;
  while (XCheckWindowEvent(display_, window, mask, &e)) {
  }
}

void XDisplay::RequestMinimise(XWindowId window) {
  Request(window, "WM_CHANGE_STATE", {IconicState});
}

bool XDisplay::Minimise(XWindowId window) {
  // The frame: a rolled-up window's own is off the screen already.
  return AwaitEvent(Frame(window), StructureNotifyMask, UnmapNotify,
                    [&] { RequestMinimise(window); });
}

int XDisplay::KeepMinimising(XWindowId window, std::chrono::milliseconds during) {
  XSelectInput(display_, window, StructureNotifyMask);
  if (Viewable(window)) RequestMinimise(window);
  pollfd connection{ConnectionNumber(display_), POLLIN, 0};
  int made = 0;
  for (const auto until = std::chrono::steady_clock::now() + during;
       std::chrono::steady_clock::now() < until;) {
    XEvent e;
    if (XCheckTypedWindowEvent(display_, window, MapNotify, &e)) {
      RequestMinimise(window);
      ++made;
    } else {
      poll(&connection, 1, 1);
    }
  }
  StopWatching(window, StructureNotifyMask);
  return made;
}

bool XDisplay::ClickReaches(XWindowId window, QPoint at) {
  // The program stamps a press as the user's latest activity on the window it came to, or on a
  // helper window named there, whether or not the window manager then gives that window the focus.
  const auto helper = Property(window, "_NET_WM_USER_TIME_WINDOW");
  return AwaitEvent(
      helper.empty() ? window : helper.front(), PropertyChangeMask, PropertyNotify,
      [&] { Click(at); }, "_NET_WM_USER_TIME");
}

QImage XDisplay::Grab(const QRect& area) const {
  const QRect r = area & QRect(QPoint(0, 0), ScreenSize());
  QImage image(area.size(), QImage::Format_RGB32);
  image.fill(Qt::black);
  if (r.isEmpty()) return image;
  XImage* x = XGetImage(display_, root_, r.x(), r.y(), r.width(), r.height(), AllPlanes, ZPixmap);
  if (!x) return image;
  for (int row = 0; row < r.height(); ++row) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(row + r.y() - area.y()));
    for (int col = 0; col < r.width(); ++col) {
      const unsigned long p = XGetPixel(x, col, row);
      line[col + r.x() - area.x()] = qRgb((p >> 16) & 0xff, (p >> 8) & 0xff, p & 0xff);
    }
  }
  XDestroyImage(x);
  return image;
}

QImage XDisplay::Screen() const {
  return Grab(QRect(QPoint(0, 0), ScreenSize()));
}

QSize XDisplay::ScreenSize() const {
  return {DisplayWidth(display_, DefaultScreen(display_)),
          DisplayHeight(display_, DefaultScreen(display_))};
}
