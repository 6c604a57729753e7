#pragma once

class QWidget;

// Window managers draw a minimise button on every frame whatever a window asks for. The program
// must still never lose a window that the user has no other way back to: a dialog that holds up
// the whole program, and the floating manual, whose menu item stays disabled while it is open.
// When the user minimises one on the workspace they are looking at, it is brought straight back;
// one that a window manager keeps minimising is answered at a bounded rate, so that the program
// never gets into a busy fight with it. What a window manager hides for its own reasons (another
// workspace, showing the desktop) it brings back itself, and is left to it.
namespace WindowKeeper {

// Watches a window, from now on, to bring it back whenever the user minimises it. Only on an X
// server, where the window manager's own record says why a window is hidden; elsewhere a program
// cannot tell a minimise from a pause of the compositor, and the window is left alone.
void KeepInReach(QWidget* window);

// Brings a window back from being minimised, shows and raises it, and gives it the focus.
void BringToFront(QWidget* window);

}  // namespace WindowKeeper
