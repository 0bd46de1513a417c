#pragma once

#include "compositor/surface.h"
#include "tools/sheetgen/pose_specs.h"

namespace kelvara::sheetgen {

// Whether the program draws pose `index` with the head in front of the body.
bool pose_has_head_in_front(int index);

// A 67 x 67 pose frame on the key colour: the body with the lower head (jaw, mouth, neck); the
// face and hair cells supply the rest of the head.
Surface draw_pose(const PoseSpec& pose);

}  // namespace kelvara::sheetgen
