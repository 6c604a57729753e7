#pragma once

#include <qwindowdefs.h>
#include <cstdint>
#include <optional>

// What an X window manager has recorded of one of the program's top-level windows, and of the
// desktop it is on, read from the X server at the moment of asking rather than from what the
// toolkit last heard.
struct WmRecord {
  // The inter-client state (Normal, Iconic), none until the window manager sets one.
  std::optional<uint32_t> state;
  // The window manager holds the window hidden: EWMH's word for minimised.
  bool hidden = false;
  // The workspace the window is on, and the one the user is looking at; none without EWMH.
  std::optional<uint32_t> desktop, currentDesktop;
  // The window manager is showing the desktop, with every window put out of the way.
  bool showingDesktop = false;
  // The window's frame is on the screen: a window only rolled up into its title bar still is.
  bool frameOnScreen = false;

  // The window is minimised where the user is looking, with nothing of it left on the screen.
  // Only such a minimise is the program's to undo: the window manager brings back itself what it
  // hid for a workspace switch or to show the desktop, and a rolled-up window stays as the user
  // left it (some window managers record it as iconic too).
  bool OutOfReach() const;
};

namespace WmRecords {

// Whether the program runs on an X server, where windows have such a record.
bool Available();

// The record of a window, none when not on X or when the window has no X window yet.
std::optional<WmRecord> Read(WId window);

// Asks the window manager to bring a minimised window back: it maps the window, as the
// inter-client conventions say, whatever the toolkit believes of its state.
void Map(WId window);

// Has the X server report every change to a window's record: of its own properties, of the
// workspace and "show desktop" on the root, and its frame leaving the screen. Returns the frame,
// to be watched again when the window manager may have given the window another one.
WId Watch(WId window);

// Whether a native event of the X connection changes the record of the window in that frame.
bool Changes(const void* event, WId window, WId frame);

}  // namespace WmRecords
