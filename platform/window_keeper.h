#pragma once

class QWidget;

// Window managers draw a minimise button on every frame whatever a window asks for. The program
// must still never lose a window that the user has no other way back to: a dialog that holds up
// the whole program, and the floating manual, whose menu item stays disabled while it is open.
// Whenever such a window is minimised on the workspace the user is looking at, with nothing of it
// left on the screen, it is brought straight back: decided afresh at every change of the window
// manager's record, so that a minimise seen while the user was elsewhere is undone on their
// return. One that a window manager keeps minimising is answered at a bounded rate, so that the
// program never gets into a busy fight with it. What a window manager hides for its own reasons
// (another workspace, showing the desktop) it brings back itself, and is left to it.
namespace WindowKeeper {

// Watches a window, from now on, to bring it back whenever it is minimised. Only on an X
// server, where the window manager's own record says why a window is hidden; elsewhere a program
// cannot tell a minimise from a pause of the compositor, and the window is left alone.
void KeepInReach(QWidget* window);

// Brings a window back from being minimised, shows and raises it, and gives it the focus.
void BringToFront(QWidget* window);

}  // namespace WindowKeeper
