#pragma once

class QWidget;

// Window managers draw a minimise button on every frame whatever a window asks for, and stack
// transient windows in their own ways. The program must still never lose a window that the user
// has no other way back to: a dialog that holds up the whole program, and the floating manual,
// whose menu item stays disabled while it is open. Those are brought straight back when a window
// manager minimises them, and a blocking dialog is raised whenever it is activated, as Qt
// activates it when the user clicks a window that it blocks.
namespace WindowKeeper {

// Starts watching every window of the program; once the Qt application exists.
void Install();

// Marks a window that is to be brought back whenever it is minimised, though it blocks nothing.
void KeepInReach(QWidget* window);

// Brings a window back from being minimised, shows and raises it, and gives it the focus.
void BringToFront(QWidget* window);

}  // namespace WindowKeeper
