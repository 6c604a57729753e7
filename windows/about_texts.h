#pragma once

// The texts that the splash and About windows share.
namespace AboutTexts {

// The title under the cover picture.
inline constexpr const char* kTitle = "Skellith\rSoftware for Calbrook";

// The program's web page: shown by both windows and opened by "Go there".
inline constexpr const char* kWebAddress = "https://www.example.org/skellith/";

#define SKELLITH_VERSION_LINE "Skellith 1.0, 2026, the Skellith authors"

// Name, version, year and authors.
inline constexpr const char* kVersionLine = SKELLITH_VERSION_LINE;

// The version line, then one paragraph each for passing the program on, the warranty, the tool it
// was written with and where to send comments.
inline constexpr const char* kAboutText = SKELLITH_VERSION_LINE
    "\r"
    "\r"
    "Skellith may be copied and passed on to others free of charge, for teaching and learning, "
    "as long as it is passed on whole and unchanged, with this notice.\r"
    "\r"
    "Skellith is provided as is, without warranty of any kind, express or implied. The authors "
    "are not liable for any damage or loss that comes from its use.\r"
    "\r"
    "Skellith was written in C++ with the Qt toolkit.\r"
    "\r"
    "Comments and suggestions are welcome: please write to skellith@example.org.";

#undef SKELLITH_VERSION_LINE

}  // namespace AboutTexts
