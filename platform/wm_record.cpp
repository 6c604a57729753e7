#include "wm_record.h"

#include <QGuiApplication>
#include <algorithm>
#include <array>
#include <cstring>
#include <memory>
#include <vector>

// xcb after Qt, as Qt's own native interface header expects.
#include <xcb/xcb.h>

namespace {

// ICCCM's WM_STATE value of a minimised window, and EWMH's "on every workspace".
constexpr uint32_t kIconicState = 3;
constexpr uint32_t kAllDesktops = 0xFFFFFFFF;

xcb_connection_t* Connection() {
  auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
  return x11 ? x11->connection() : nullptr;
}

template <class T>
using Reply = std::unique_ptr<T, decltype(&free)>;

// The names of the record, and where each atom stands in Atoms().
constexpr const char* kAtomNames[] = {
    "WM_STATE",        "_NET_WM_STATE",        "_NET_WM_STATE_HIDDEN",
    "_NET_WM_DESKTOP", "_NET_CURRENT_DESKTOP", "_NET_SHOWING_DESKTOP"};
enum AtomName {
  kWmState,
  kNetWmState,
  kNetWmStateHidden,
  kNetWmDesktop,
  kNetCurrentDesktop,
  kNetShowingDesktop,
  kAtomCount
};
static_assert(std::size(kAtomNames) == kAtomCount);

// Interned once a run, all in one round trip; one that cannot be had is XCB_ATOM_NONE.
const std::array<xcb_atom_t, kAtomCount>& Atoms(xcb_connection_t* c) {
  static const auto atoms = [c] {
    std::array<xcb_intern_atom_cookie_t, kAtomCount> cookies;
    for (int i = 0; i < kAtomCount; ++i) {
      cookies[i] = xcb_intern_atom(c, 0, uint16_t(strlen(kAtomNames[i])), kAtomNames[i]);
    }
    std::array<xcb_atom_t, kAtomCount> result{};
    for (int i = 0; i < kAtomCount; ++i) {
      Reply<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(c, cookies[i], nullptr), &free);
      result[i] = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    }
    return result;
  }();
  return atoms;
}

// The window the window manager framed the window in (the window itself where it adds no frame),
// and the root both are on.
struct Framing {
  xcb_window_t frame = XCB_WINDOW_NONE, root = XCB_WINDOW_NONE;
};

std::optional<Framing> FramingOf(xcb_connection_t* c, xcb_window_t window) {
  for (Framing f{window, XCB_WINDOW_NONE};;) {
    Reply<xcb_query_tree_reply_t> tree(xcb_query_tree_reply(c, xcb_query_tree(c, f.frame), nullptr),
                                       &free);
    if (!tree) return std::nullopt;
    f.root = tree->root;
    if (tree->parent == tree->root || tree->parent == XCB_WINDOW_NONE) return f;
    f.frame = tree->parent;
  }
}

// A property asked for; its reply is read later, so that several go in one round trip.
struct Asked {
  bool some = false;
  xcb_get_property_cookie_t cookie{};
};

Asked Ask(xcb_connection_t* c, xcb_window_t window, xcb_atom_t property) {
  if (property == XCB_ATOM_NONE) return {};
  return {true, xcb_get_property(c, 0, window, property, XCB_GET_PROPERTY_TYPE_ANY, 0, 64)};
}

// The 32-bit values of a property; empty when the window has no such property.
std::vector<uint32_t> Values(xcb_connection_t* c, Asked asked) {
  if (!asked.some) return {};
  Reply<xcb_get_property_reply_t> reply(xcb_get_property_reply(c, asked.cookie, nullptr), &free);
  if (!reply || reply->format != 32) return {};
  const auto* values = static_cast<const uint32_t*>(xcb_get_property_value(reply.get()));
  return {values, values + xcb_get_property_value_length(reply.get()) / 4};
}

std::optional<uint32_t> First(const std::vector<uint32_t>& values) {
  if (values.empty()) return std::nullopt;
  return values.front();
}

// Adds events to those this program hears of a window, keeping the ones it already has (Qt's).
// A window gone meanwhile is no error worth reporting.
void Select(xcb_connection_t* c, xcb_window_t window, uint32_t events) {
  Reply<xcb_get_window_attributes_reply_t> now(
      xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, window), nullptr), &free);
  if (!now || (now->your_event_mask & events) == events) return;
  const uint32_t mask = now->your_event_mask | events;
  xcb_discard_reply(
      c, xcb_change_window_attributes_checked(c, window, XCB_CW_EVENT_MASK, &mask).sequence);
}

}  // namespace

bool WmRecord::OutOfReach() const {
  const bool minimised = state == kIconicState || hidden;
  const bool elsewhere =
      desktop && currentDesktop && *desktop != kAllDesktops && *desktop != *currentDesktop;
  return minimised && !elsewhere && !showingDesktop && !frameOnScreen;
}

namespace WmRecords {

bool Available() {
  return Connection() != nullptr;
}

std::optional<WmRecord> Read(WId id) {
  xcb_connection_t* c = Connection();
  if (!c || !id) return std::nullopt;
  const auto window = xcb_window_t(id);
  const auto& atom = Atoms(c);
  const auto framing = FramingOf(c, window);
  if (!framing) return std::nullopt;

  // All asked at once, then read: one round trip to the server.
  const auto wmState = Ask(c, window, atom[kWmState]);
  const auto netState = Ask(c, window, atom[kNetWmState]);
  const auto desktop = Ask(c, window, atom[kNetWmDesktop]);
  const auto current = Ask(c, framing->root, atom[kNetCurrentDesktop]);
  const auto showing = Ask(c, framing->root, atom[kNetShowingDesktop]);
  const auto frame = xcb_get_window_attributes(c, framing->frame);

  WmRecord record;
  record.state = First(Values(c, wmState));
  const auto states = Values(c, netState);
  record.hidden = atom[kNetWmStateHidden] != XCB_ATOM_NONE &&
                  std::count(states.begin(), states.end(), atom[kNetWmStateHidden]) > 0;
  record.desktop = First(Values(c, desktop));
  record.currentDesktop = First(Values(c, current));
  record.showingDesktop = First(Values(c, showing)).value_or(0) != 0;
  Reply<xcb_get_window_attributes_reply_t> attributes(
      xcb_get_window_attributes_reply(c, frame, nullptr), &free);
  record.frameOnScreen = attributes && attributes->map_state == XCB_MAP_STATE_VIEWABLE;
  return record;
}

void Map(WId id) {
  if (xcb_connection_t* c = Connection(); c && id) {
    xcb_map_window(c, xcb_window_t(id));
    xcb_flush(c);
  }
}

WId Watch(WId id) {
  xcb_connection_t* c = Connection();
  if (!c || !id) return 0;
  // Qt hears of its own windows' properties and unmapping already.
  const auto framing = FramingOf(c, xcb_window_t(id));
  if (!framing) return 0;
  Select(c, framing->root, XCB_EVENT_MASK_PROPERTY_CHANGE);
  if (framing->frame != xcb_window_t(id)) {
    Select(c, framing->frame, XCB_EVENT_MASK_STRUCTURE_NOTIFY);
  }
  xcb_flush(c);
  return framing->frame;
}

bool Changes(const void* event, WId id, WId frame) {
  const auto* e = static_cast<const xcb_generic_event_t*>(event);
  const auto window = xcb_window_t(id);
  switch (e->response_type & 0x7f) {
    case XCB_PROPERTY_NOTIFY: {
      const auto* p = static_cast<const xcb_property_notify_event_t*>(event);
      xcb_connection_t* c = Connection();
      if (!c) return false;
      const auto& atom = Atoms(c);
      if (p->window == window) {
        return p->atom == atom[kWmState] || p->atom == atom[kNetWmState] ||
               p->atom == atom[kNetWmDesktop];
      }
      // Only the root has these.
      return p->atom == atom[kNetCurrentDesktop] || p->atom == atom[kNetShowingDesktop];
    }
    case XCB_UNMAP_NOTIFY: {
      const auto unmapped = static_cast<const xcb_unmap_notify_event_t*>(event)->window;
      return unmapped == window || (frame && unmapped == xcb_window_t(frame));
    }
    case XCB_REPARENT_NOTIFY:
      return static_cast<const xcb_reparent_notify_event_t*>(event)->window == window;
    default:
      return false;
  }
}

}  // namespace WmRecords
