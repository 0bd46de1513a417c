#include "sprite_atlas.h"

#include "atlas_json.h"
#include "export/character_metadata.h"
#include "export/encoded_bytes.h"
#include "export/export_image.h"
#include "file_group.h"
#include "parallel_render.h"
#include "sprite_pivot.h"
#include "sprite_png.h"

namespace kelvara::sprites {

Grid atlas_grid(int count, int columns, int scale) {
    return grid_of(count, columns, export_image_size * scale, export_image_size * scale);
}

Grid atlas_grid(const AtlasRequest& request) {
    return atlas_grid(static_cast<int>(atlas_frames(request.frames).size()), request.columns,
                      request.style.scale);
}

Surface draw_atlas(const CharacterOutput& output, const EditorState& selection,
                   const std::vector<SpriteFrame>& frames, const SpriteStyle& style,
                   const Grid& grid, int jobs) {
    Surface atlas(static_cast<int>(grid.width()), static_cast<int>(grid.height()),
                  ground_of(style));
    const auto count = static_cast<int>(frames.size());
    std::vector<Surface> pictures(frames.size(), Surface(1, 1, ground_of(style)));
    std::vector<Workspace> workspaces(static_cast<std::size_t>(jobs_for(count, jobs)));
    run_parallel(count, jobs, [&](int k, int job) {
        const auto i = static_cast<std::size_t>(k);
        pictures[i] = draw_sprite(output, selection, frames[i], style,
                                  workspaces[static_cast<std::size_t>(job)]);
        return FileStatus();
    });
    for (int k = 0; k < count; ++k) {
        const Surface& picture = pictures[static_cast<std::size_t>(k)];
        const QRect cell = grid.cell(k);
        atlas.PaintPicture(picture, cell.x(), cell.y(), cell.width(), cell.height(), 0, 0,
                           cell.width(), cell.height());
    }
    return atlas;
}

DrawnSet draw_set(const CharacterOutput& output, const AtlasRequest& request) {
    DrawnSet drawn;
    drawn.set = sprite_set(request.frames, request.columns, request.style.scale);
    drawn.atlas = draw_atlas(output, request.selection, drawn.set.cells, request.style,
                             drawn.set.grid, request.jobs);
    drawn.pivot = stance_pivot(output, request.selection, request.style.scale);
    return drawn;
}

PixelView cell_view(const DrawnSet& drawn, int frame) {
    const QRect r = drawn.set.rect(frame);
    return {drawn.atlas.row(r.y()) + r.x(), r.width(), r.height(), drawn.atlas.width()};
}

FileStatus write_atlas(const CharacterOutput& output, const AtlasRequest& request,
                       const QString& png_path, const QString& json_path) {
    const Grid grid = atlas_grid(request);
    if (!grid.fits()) {
        return FileError{png_path,
                         QStringLiteral("the atlas would be %1 x %2 pixels, more than %3 a side")
                             .arg(grid.width())
                             .arg(grid.height())
                             .arg(largest_picture_side)};
    }
    const DrawnSet drawn = draw_set(output, request);
    const formats::Encoded png = sprite_png(drawn.atlas, request.style.transparent, request.text);
    if (!png) return write_encoded(png_path, png);
    const AtlasImage image{image_path_from(json_path, png_path), png_pixel_format(png.value())};
    return write_group(
        {{png_path, raw_bytes(png.value())},
         {json_path, atlas_json(drawn.set, drawn.pivot, image, json_text(request.text))}});
}

}  // namespace kelvara::sprites
