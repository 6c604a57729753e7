#pragma once

#include <qwindowdefs.h>
#include <optional>

// What an X window manager has recorded of one of the program's top-level windows, read from the
// X server at the moment of asking rather than from what the toolkit last heard.
struct WmRecord {
  // The window manager holds the window minimised (iconic).
  bool minimised = false;
  // The window is on a workspace other than the one the user is looking at.
  bool elsewhere = false;
  // The window manager is showing the desktop, with every window put out of the way.
  bool showingDesktop = false;
  // The user rolled the window up into its title bar.
  bool shaded = false;

  // Only a minimise that the user made where they are looking is the program's to undo: the window
  // manager brings back itself what it hid for a workspace switch or to show the desktop, and a
  // shaded window stays as the user left it.
  bool MinimisedHere() const { return minimised && !elsewhere && !showingDesktop && !shaded; }
};

namespace WmRecords {

// Whether the program runs on an X server, where windows have such a record.
bool Available();

// The record of a window, none when not on X or when the window has no X window yet.
std::optional<WmRecord> Read(WId window);

// Asks the window manager to bring a minimised window back: it maps the window, as the
// inter-client conventions say, whatever the toolkit believes of its state.
void Map(WId window);

}  // namespace WmRecords
