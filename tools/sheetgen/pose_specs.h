#pragma once

#include <string_view>

#include "model/pose_ranges.h"
#include "tools/sheetgen/body_art.h"
#include "tools/sheetgen/head_shape.h"

namespace kelvara::sheetgen {

// Every pose of the pose sheet, named in the model's catalogue: the joints of the figure, the mouth
// the body carries under the face, what the fighter holds, and the outfit. The drawing rules are in
// body_art; this is the data a pose is made of.
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

}  // namespace kelvara::sheetgen
