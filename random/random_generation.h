#pragma once

#include <vector>

#include "model/editor_state.h"
#include "model/random_items.h"
#include "random/random_source.h"

namespace kelvara {

// A whole number from 0 to number, both included, each equally likely; one draw of the generator.
// number must be at most 32766.
Int16 cal_random(RandomSource& source, Int16 number);

struct RandomDraw {
    RandomItem item;
    Int16 value;
    bool operator==(const RandomDraw&) const = default;
};

// Draws new values for the items whose random flags are on, in their fixed order, consuming one
// number of the generator per drawn item. Face and hair are left alone while damage poses are
// shown, and the pose range follows the sprite type. Every value is inside its selector's range.
std::vector<RandomDraw> draw_random_items(const EditorState& state, Int16 face_max, Int16 hair_max,
                                          RandomSource& source);

}  // namespace kelvara
