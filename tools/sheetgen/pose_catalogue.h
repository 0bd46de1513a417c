#pragma once

#include <string_view>

#include "model/pose_ranges.h"
#include "tools/sheetgen/body_art.h"
#include "tools/sheetgen/head_shape.h"

namespace kelvara::sheetgen {

// Every pose of the pose sheet, by name: the joints of the figure, the mouth the body carries
// under the face, what the fighter holds, and the outfit. The drawing rules are in body_art; this
// is the data a pose is made of.
struct PoseSpec {
    std::string_view name;
    Skeleton body;
    Mouth mouth;
    Outfit outfit;
    Prop prop;
    // The program lays the face over these bodies instead of behind them, so arms and a held
    // ball may pass behind the head.
    bool head_in_front;
};

// Poses below this index wear the school uniform.
constexpr int first_other_outfit_pose = last_school_uniform_pose + 1;

const PoseSpec& pose_spec(int index);

// A run of poses that loops, for animating a walk or a run.
struct PoseCycle {
    int first;
    int frames;
};
constexpr PoseCycle walk_cycle{4, 8};
constexpr PoseCycle run_cycle{12, 6};

}  // namespace kelvara::sheetgen
