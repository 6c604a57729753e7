#pragma once

#include <string>

#include "core/array.h"
#include "core/color.h"

// What every part of the program shares about the trait being studied, for the whole run.
namespace Globals {

// "Speed", "Size" or "Visibility"; empty until Startup runs.
extern std::string Mode;

extern Color White;
extern Color Black;
extern Color Red;

// Seven colors each, indexed by trait class 0..6.
extern Array<Color> Spectrum;  // "Speed" and "Size"
extern Array<Color> Blue;      // "Visibility"

// Gives every member its value. Called once, by the application's Open handling.
void Startup();
// Puts the palettes and the mode back as they were before Startup: the end of the run.
void Release();

}  // namespace Globals

// The trait table: what trait class k (0..6) means in the current mode.
namespace Trait {

constexpr int kClasses = 7;
constexpr int kUnvariedClass = 3;  // the class of every organism of a population that does not vary

// The palette of the mode: Blue in "Visibility", Spectrum otherwise.
const Array<Color>& Palette();
// The class whose palette color this is, or -1 when the color is in no entry (Red, White).
int ClassOf(Color coat);

double SpeedOf(int k);  // k*k/12 + 0.1
int SizeOf(int k);      // 2k + 4

// The arena is black while a window runs in "Visibility" mode, white in every other case.
Color ArenaBackground(bool running);

}  // namespace Trait
