#include "model/globals.h"

namespace Globals {

std::string Mode;

Color White;
Color Black;
Color Red;

// Blue is created before Spectrum, as at the program's initialisation.
Array<Color> Blue;
Array<Color> Spectrum;

void Startup() {
  White = RGB(255, 255, 255);
  Black = RGB(0, 0, 0);
  Red = RGB(255, 0, 0);

  Blue.Redim(6);
  Blue(0) = RGB(210, 255, 255);
  Blue(1) = RGB(100, 240, 255);
  Blue(2) = RGB(18, 175, 255);
  Blue(3) = RGB(0, 100, 255);
  Blue(4) = RGB(0, 40, 255);
  Blue(5) = RGB(0, 0, 140);
  Blue(6) = RGB(0, 0, 0);

  Spectrum.Redim(6);
  Spectrum(0) = RGB(0, 0, 0);
  Spectrum(1) = RGB(91, 16, 172);
  Spectrum(2) = RGB(38, 61, 240);
  Spectrum(3) = RGB(21, 144, 51);
  Spectrum(4) = RGB(255, 210, 0);
  Spectrum(5) = RGB(255, 81, 0);
  Spectrum(6) = RGB(255, 50, 40);

  Mode = "Speed";
}

void Release() {
  Blue = Array<Color>();
  Mode.clear();
  Spectrum = Array<Color>();
}

}  // namespace Globals

namespace Trait {

const Array<Color>& Palette() {
  return Globals::Mode == "Visibility" ? Globals::Blue : Globals::Spectrum;
}

int ClassOf(Color coat) {
  const Array<Color>& palette = Palette();
  for (int k = 0; k <= palette.Ubound(); ++k) {
    if (palette(k) == coat) return k;
  }
  return -1;
}

// The integer k*k converted to double, so that class 3 gives bit for bit the 0.85 of a population
// that does not vary.
double SpeedOf(int k) {
  return static_cast<double>(k * k) / 12.0 + 0.1;
}

int SizeOf(int k) {
  return 2 * k + 4;
}

Color ArenaBackground(bool running) {
  return running && Globals::Mode == "Visibility" ? Globals::Black : Globals::White;
}

}  // namespace Trait
