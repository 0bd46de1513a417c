#include "sprite_set.h"

#include <algorithm>
#include <optional>

#include "export/export_image.h"

namespace kelvara::sprites {

namespace {

// Where each cell of an animation lies among the cells, or nothing when one is left out.
std::optional<std::vector<int>> positions_of(const catalogue::Animation& a,
                                             const std::vector<SpriteFrame>& cells) {
    std::vector<int> at;
    for (const int index : a.indices()) {
        const auto it = std::find_if(cells.begin(), cells.end(), [&](const SpriteFrame& f) {
            return f.sheet == a.sheet && f.index == index;
        });
        if (it == cells.end()) return std::nullopt;
        at.push_back(static_cast<int>(it - cells.begin()));
    }
    return at;
}

}  // namespace

std::vector<int> SetAnimation::played() const {
    std::vector<int> out;
    for (int k = from; k <= to; ++k) out.push_back(k);
    if (animation.direction == catalogue::Direction::pingpong) {
        for (int k = to - 1; k > from; --k) out.push_back(k);
    }
    return out;
}

SpriteSet sprite_set(FrameSet frames, int columns, int scale) {
    SpriteSet set;
    set.cells = atlas_frames(frames);
    set.scale = scale;
    set.grid =
        grid_of(set.cell_count(), columns, export_image_size * scale, export_image_size * scale);
    for (int k = 0; k < set.cell_count(); ++k) {
        const SpriteFrame& f = set.cells[static_cast<std::size_t>(k)];
        set.frames.push_back({k, catalogue::frame_ms_of(f.sheet, f.index)});
    }
    for (const catalogue::Animation& a : catalogue::animations) {
        const auto at = positions_of(a, set.cells);
        if (!at) continue;
        // A tag plays its frames for their own durations, so the cells can only serve as the
        // animation's run when they follow each other and last as long as its frames do.
        bool run = true;
        for (std::size_t k = 0; k < at->size(); ++k) {
            run = run && (*at)[k] == at->front() + static_cast<int>(k) &&
                  set.frames[static_cast<std::size_t>((*at)[k])].duration_ms == a.frame_ms;
        }
        if (run) {
            set.animations.push_back({a, at->front(), at->back()});
            continue;
        }
        const int from = set.frame_count();
        for (const int cell : *at) set.frames.push_back({cell, a.frame_ms});
        set.animations.push_back({a, from, set.frame_count() - 1});
    }
    return set;
}

}  // namespace kelvara::sprites
