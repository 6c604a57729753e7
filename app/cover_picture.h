#pragma once

#include "core/picture.h"

// The cover of the companion textbook Calbrook, shown by the splash and About windows. Read from
// the program's resources at the first call and kept for the run; when it cannot be read the
// result is null and the next call tries again.
PicturePtr CalbrookCover();

// Lets the kept picture go: the end of the run.
void ReleaseCalbrookCover();
