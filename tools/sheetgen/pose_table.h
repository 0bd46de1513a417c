#pragma once

#include "compositor/surface.h"
#include "tools/sheetgen/body_art.h"
#include "tools/sheetgen/head_shape.h"

namespace kelvara::sheetgen {

struct PoseEntry {
    Skeleton body;
    Outfit outfit;
    Mouth mouth;
    // The program lays the head over these bodies instead of behind them, so the body may pass
    // behind the head.
    bool head_in_front;
};

// Poses below this index wear the school uniform.
constexpr int first_other_outfit_pose = 112;

// Whether the program draws pose `index` with the head in front of the body.
bool pose_has_head_in_front(int index);

PoseEntry pose_entry(int index);

// A 67 x 67 pose frame on the key colour: the body with the lower head (jaw, mouth, neck); the
// face and hair cells supply the rest of the head.
Surface draw_pose(const PoseEntry& pose);

}  // namespace kelvara::sheetgen
