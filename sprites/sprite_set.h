#pragma once

#include <QRect>
#include <vector>

#include "grid.h"
#include "sprite_frames.h"

namespace kelvara::sprites {

// One entry of a sprite set's frame list: the atlas cell it shows and for how long.
struct SetFrame {
    int cell;
    int duration_ms;
};

// A catalogue animation as a run of the frame list, from and to inclusive.
struct SetAnimation {
    catalogue::Animation animation;
    int from;
    int to;

    // The frame list's entries in the order one pass shows them: a ping-pong run comes back
    // without showing either end twice.
    std::vector<int> played() const;
};

// The frame list that the atlas JSON, the Aseprite file and the Godot files all describe. Every
// cell is drawn once, and entry k of the list is cell k; after the cells come entries that show
// cells again, for each animation whose cells are not neighbours (or whose cells last longer or
// shorter in another animation), in the animation's order. So every animation is one run of
// the list, which is all a frame tag can name, and no cell is drawn twice.
struct SpriteSet {
    std::vector<SpriteFrame> cells;  // in atlas order
    int scale = 1;
    Grid grid;  // where each cell lies in the atlas
    std::vector<SetFrame> frames;
    std::vector<SetAnimation> animations;  // in catalogue order, those whose cells are all here

    int cell_count() const { return static_cast<int>(cells.size()); }
    int frame_count() const { return static_cast<int>(frames.size()); }
    const SpriteFrame& shown(int frame) const {
        return cells[static_cast<std::size_t>(frames[static_cast<std::size_t>(frame)].cell)];
    }
    QRect rect(int frame) const { return grid.cell(frames[static_cast<std::size_t>(frame)].cell); }
};

// The set of the frames laid out in rows of columns cells at the scale.
SpriteSet sprite_set(FrameSet frames, int columns, int scale);

}  // namespace kelvara::sprites
