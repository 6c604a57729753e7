#pragma once

#include "core/picture.h"

// A picture compiled into the program, by its resource number; none when it cannot be read.
PicturePtr GetPicture(int id);
