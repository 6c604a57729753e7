#pragma once

class QWidget;

// Window managers draw a minimise button on every frame whatever a window asks for, and stack
// transient windows in their own ways. The program must still never lose a window that the user
// has no other way back to: a dialog that holds up the whole program, and the floating manual,
// whose menu item stays disabled while it is open. Those are brought straight back when a window
// manager minimises them; one that keeps minimising them is answered at a bounded rate, so that
// the program never gets into a busy fight with it.
namespace WindowKeeper {

// Starts watching every window of the program; once the Qt application exists.
void Install();

// Marks a window that is to be brought back whenever it is minimised, though it blocks nothing.
void KeepInReach(QWidget* window);

// Brings a window back from being minimised, shows and raises it, and gives it the focus.
void BringToFront(QWidget* window);

}  // namespace WindowKeeper
