#include "tools/sheetgen/previews.h"

#include "compositor/sheets.h"
#include "model/families.h"
#include "palette_strips.h"
#include "tools/sheetgen/character.h"
#include "tools/sheetgen/pose_previews.h"
#include "tools/sheetgen/preview_grid.h"

namespace kelvara::sheetgen {

namespace {

// The head with its chin and neck.
constexpr Crop head_crop{21, 13, 25, 24};

Surface coloured_character(int index, const Palettes& palettes) {
    return recoloured(character_on_pose(index, 0), index, palettes);
}

}  // namespace

std::vector<std::pair<std::string, Surface>> preview_sheets() {
    Palettes palettes;
    load_palettes(palettegen::generate_palette_strips(), palettes);

    std::vector<std::pair<int, Surface>> all;
    std::vector<std::pair<int, Surface>> shapes;
    for (int i = 0; i < face_count; ++i) {
        all.emplace_back(i, coloured_character(i, palettes));
        shapes.emplace_back(i, silhouette(character_on_pose(i, 0)));
    }
    std::vector<std::pair<std::string, Surface>> out;
    out.emplace_back("characters_x3.png", grid(all, figure_crop, 3, 20));
    out.emplace_back("silhouettes_x2.png", grid(shapes, figure_crop, 2, 24));

    // One sheet per family, and one for the characters between the runs.
    for (int f = -1; f < static_cast<int>(families::table.size()); ++f) {
        std::vector<std::pair<int, Surface>> members;
        for (const auto& item : all) {
            if (families::family_of(item.first) == f) members.push_back(item);
        }
        const std::string name = f < 0 ? "others" : std::to_string(f);
        out.emplace_back("family_" + name + "_x6.png", grid(members, head_crop, 6, 12));
    }
    for (auto& sheet : pose_preview_sheets(palettes)) out.push_back(std::move(sheet));
    return out;
}

}  // namespace kelvara::sheetgen
