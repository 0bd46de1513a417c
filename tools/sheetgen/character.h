#pragma once

#include "compositor/surface.h"

namespace kelvara::sheetgen {

// Character n is face n worn with hair n. These assemble it the way the program does, from the
// drawings as they go into the sheets, so checks and previews see what a user sees.

// The 19 x 19 head: the hair laid over the face, holes punched where the hair marks them.
Surface character_head(int index);

// The 67 x 67 sprite frame: pose `pose` with the head laid behind or in front of it, still in
// template colours on the key colour.
Surface character_on_pose(int index, int pose);

}  // namespace kelvara::sheetgen
