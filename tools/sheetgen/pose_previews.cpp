#include "tools/sheetgen/pose_previews.h"

#include "compositor/sheets.h"
#include "model/pose_catalogue.h"
#include "tools/sheetgen/character.h"
#include "tools/sheetgen/pose_specs.h"
#include "tools/sheetgen/preview_grid.h"
#include "tools/sheetgen/sheetgen.h"

namespace kelvara::sheetgen {

namespace {

// Characters from different families, so the poses are seen under different heads.
constexpr int shown_characters[] = {0, 215, 420, 650};

using Items = std::vector<std::pair<int, Surface>>;

Items cycle(std::string_view animation, int character, const Palettes& palettes) {
    Items items;
    for (const int pose : catalogue::find_animation(animation)->indices()) {
        items.emplace_back(pose, recoloured(character_on_pose(character, pose), 7, palettes));
    }
    return items;
}

}  // namespace

std::vector<std::pair<std::string, Surface>> pose_preview_sheets(const Palettes& palettes) {
    std::vector<std::pair<std::string, Surface>> out;
    Items shapes;
    for (const int character : shown_characters) {
        Items poses;
        for (int pose = 0; pose < pose_count; ++pose) {
            Surface frame = character_on_pose(character, pose);
            if (character == 0) shapes.emplace_back(pose, silhouette(frame));
            poses.emplace_back(pose, recoloured(frame, character + pose * 31, palettes));
        }
        out.emplace_back("poses_" + std::to_string(character) + "_x3.png",
                         grid(poses, figure_crop, 3, 14));
    }
    Items strips = cycle("walk", 0, palettes);
    const int columns = static_cast<int>(strips.size());
    for (auto& item : cycle("run", 0, palettes)) strips.push_back(std::move(item));
    out.emplace_back("walk_run_x6.png", grid(strips, figure_crop, 6, columns));

    Items damage;
    for (int i = 0; i < damage_pose_count; ++i) {
        const Surface frame = draw_damage_cell(i);
        damage.emplace_back(i, recoloured(frame, i * 17, palettes));
        shapes.emplace_back(1000 + i, silhouette(frame));
    }
    out.emplace_back("damage_x3.png", grid(damage, figure_crop, 3, 10));
    out.emplace_back("pose_silhouettes_x2.png", grid(shapes, figure_crop, 2, 19));
    return out;
}

}  // namespace kelvara::sheetgen
