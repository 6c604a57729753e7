#pragma once

// What a user does again and again at the desktop, each step waiting until it took effect.

#include <string>

#include "tests/desktop/desktop.h"

inline constexpr const char* kMutationsTitle = "Mutation's Role";
inline constexpr const char* kOptionsTitle = "Skellith Options";
inline constexpr const char* kAboutTitle = "About Skellith";
inline constexpr const char* kManualTitle = "Skellith Online Manual";

void WaitForCount(Desktop& d, const char* title, const std::string& count);
// Variable off (when on), New Population, then Reproduce until the population passes its ceiling:
// 50 dots of the middle class double four times, and the fifth press stops at 1000 with the ceiling
// message, which is left up.
void ReproduceToTheCeiling(Desktop& d);
void CloseMessageBoxWithReturn(Desktop& d);
// Chooses a menu item of the main window that opens a window; returns that window once it has the
// focus.
XWindowId OpenFromMenu(Desktop& d, const char* menu, const char* item, const char* title);
void CloseWithClick(Desktop& d, const char* title, const char* button);
