#pragma once

#include <vector>

#include "character_output.h"
#include "model/pose_catalogue.h"

namespace kelvara::sprites {

// One picture of a character's sprite set: a pose worn under the character's head, or a damage
// figure in the character's colours.
struct SpriteFrame {
    catalogue::Sheet sheet;
    int index;
};

// Which frames an atlas holds: every pose, every damage figure, or the poses then the figures.
enum class FrameSet { poses, damage, all };

std::vector<SpriteFrame> atlas_frames(FrameSet set);

// An animation's frames in the order one loop shows them.
std::vector<SpriteFrame> animation_frames(const catalogue::Animation& animation);

struct SpriteStyle {
    Colour background = default_back_color;
    bool transparent = false;  // the background in the key colour, to be made see-through
    int scale = 1;
};

// The colour the frames are drawn on: the key colour, which is in no palette, when the
// background is to become see-through.
constexpr Colour ground_of(const SpriteStyle& style) {
    return style.transparent ? key_color : style.background;
}

// The picture `render` draws for the selection with only the sprite type and the pose replaced by
// the frame's, on the style's ground and enlarged. Each call draws from scratch in the workspace
// it is given, so frames can be drawn in any order, or side by side with a workspace each.
Surface draw_sprite(const CharacterOutput& output, const EditorState& selection,
                    const SpriteFrame& frame, const SpriteStyle& style, Workspace& workspace);

}  // namespace kelvara::sprites
