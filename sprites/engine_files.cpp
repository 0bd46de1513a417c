#include "engine_files.h"

#include "compositor/sheet_colours.h"
#include "formats/aseprite_writer.h"

namespace kelvara::sprites {

namespace {

std::string name_of(const SetAnimation& a) {
    return std::string(a.animation.name);
}

}  // namespace

formats::Encoded set_aseprite(const DrawnSet& drawn, bool transparent) {
    const SpriteSet& set = drawn.set;
    formats::AnimationSet out;
    for (int k = 0; k < set.frame_count(); ++k) {
        out.frames.push_back(
            {cell_view(drawn, k), set.frames[static_cast<std::size_t>(k)].duration_ms});
    }
    for (const SetAnimation& a : set.animations) {
        out.tags.push_back({name_of(a), a.from, a.to,
                            a.animation.direction == catalogue::Direction::pingpong
                                ? formats::TagDirection::ping_pong
                                : formats::TagDirection::forward,
                            a.animation.loops() ? 0 : 1});
    }
    out.slices.push_back({"pivot", 0, 0, set.grid.cell_width, set.grid.cell_height, drawn.pivot.x(),
                          drawn.pivot.y()});
    if (transparent) out.see_through = key_color;
    return formats::encode_aseprite(out);
}

formats::GodotSpriteSet godot_set(const DrawnSet& drawn, const GodotNames& names) {
    const SpriteSet& set = drawn.set;
    formats::GodotSpriteSet out;
    out.texture_path = names.texture;
    out.sprite_frames_path = names.sprite_frames;
    out.texture_width = static_cast<int>(set.grid.width());
    out.texture_height = static_cast<int>(set.grid.height());
    for (int k = 0; k < set.cell_count(); ++k) {
        const QRect r = set.grid.cell(k);
        out.cells.push_back({r.x(), r.y(), r.width(), r.height()});
    }
    for (const SetAnimation& a : set.animations) {
        formats::GodotAnimation g;
        g.name = name_of(a);
        for (int k = a.from; k <= a.to; ++k) {
            g.cells.push_back(set.frames[static_cast<std::size_t>(k)].cell);
        }
        g.direction = a.animation.direction;
        g.frame_ms = a.animation.frame_ms;
        g.loop = a.animation.loops();
        out.animations.push_back(std::move(g));
    }
    out.pivot_x = drawn.pivot.x();
    out.pivot_y = drawn.pivot.y();
    if (!set.animations.empty()) out.default_animation = name_of(set.animations.front());
    out.node_name = names.node;
    out.parameters = names.parameters;
    return out;
}

}  // namespace kelvara::sprites
