#pragma once

#include <memory>

class App;

// Start-up up to the event loop: the application object with its menu bar, the menu handlers and
// the main window (built, not yet open). Tests start the program this way and deliver Open.
std::unique_ptr<App> StartApplication();
// The end of the run: every window, the application object, the menu bar and the globals go.
void EndApplication(std::unique_ptr<App> app);

// The whole run; returns the exit status.
int RunSkellith();
