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

// The names of the record, and where each atom stands in Atoms().
constexpr const char* kAtomNames[] = {
    "WM_STATE",        "_NET_WM_STATE",        "_NET_WM_STATE_HIDDEN", "_NET_WM_STATE_SHADED",
    "_NET_WM_DESKTOP", "_NET_CURRENT_DESKTOP", "_NET_SHOWING_DESKTOP"};
enum AtomName {
  kWmState,
  kNetWmState,
  kNetWmStateHidden,
  kNetWmStateShaded,
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
      std::unique_ptr<xcb_intern_atom_reply_t, decltype(&free)> reply(
          xcb_intern_atom_reply(c, cookies[i], nullptr), &free);
      result[i] = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    }
    return result;
  }();
  return atoms;
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
  std::unique_ptr<xcb_get_property_reply_t, decltype(&free)> reply(
      xcb_get_property_reply(c, asked.cookie, nullptr), &free);
  if (!reply || reply->format != 32) return {};
  const auto* values = static_cast<const uint32_t*>(xcb_get_property_value(reply.get()));
  return {values, values + xcb_get_property_value_length(reply.get()) / 4};
}

}  // namespace

namespace WmRecords {

bool Available() {
  return Connection() != nullptr;
}

std::optional<WmRecord> Read(WId id) {
  xcb_connection_t* c = Connection();
  if (!c || !id) return std::nullopt;
  const auto window = xcb_window_t(id);
  const auto& atom = Atoms(c);
  std::unique_ptr<xcb_get_geometry_reply_t, decltype(&free)> geometry(
      xcb_get_geometry_reply(c, xcb_get_geometry(c, window), nullptr), &free);
  if (!geometry) return std::nullopt;
  const xcb_window_t root = geometry->root;

  // All asked at once, then read: one round trip to the server.
  const auto wmState = Ask(c, window, atom[kWmState]);
  const auto netState = Ask(c, window, atom[kNetWmState]);
  const auto desktop = Ask(c, window, atom[kNetWmDesktop]);
  const auto current = Ask(c, root, atom[kNetCurrentDesktop]);
  const auto showing = Ask(c, root, atom[kNetShowingDesktop]);

  WmRecord record;
  const auto state = Values(c, wmState);
  const auto states = Values(c, netState);
  auto has = [&](xcb_atom_t s) {
    return s != XCB_ATOM_NONE && std::count(states.begin(), states.end(), s) > 0;
  };
  record.minimised = (!state.empty() && state[0] == kIconicState) || has(atom[kNetWmStateHidden]);
  record.shaded = has(atom[kNetWmStateShaded]);
  const auto on = Values(c, desktop);
  const auto looking = Values(c, current);
  record.elsewhere =
      !on.empty() && !looking.empty() && on[0] != kAllDesktops && on[0] != looking[0];
  const auto shown = Values(c, showing);
  record.showingDesktop = !shown.empty() && shown[0] != 0;
  return record;
}

void Map(WId id) {
  if (xcb_connection_t* c = Connection(); c && id) {
    xcb_map_window(c, xcb_window_t(id));
    xcb_flush(c);
  }
}

}  // namespace WmRecords
