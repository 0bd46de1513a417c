#include "contact_sheet.h"

#include <new>

#include "export/character_metadata.h"
#include "export/export_image.h"
#include "parallel_render.h"
#include "sprite_png.h"

namespace kelvara::sprites {

Grid sheet_grid(int count, int columns, int scale) {
    const int tile = export_image_size * scale;
    return grid_of(count, columns, tile, tile);
}

Grid sheet_grid(const SheetRequest& request) {
    return sheet_grid(static_cast<int>(request.selections.size()), request.columns, request.scale);
}

Surface draw_sheet(const CharacterOutput& output, const SheetRequest& request) {
    const Grid grid = sheet_grid(request);
    const std::vector<Surface> pictures =
        draw_pictures(output, request.selections, request.background, request.jobs);
    Surface sheet(static_cast<int>(grid.width()), static_cast<int>(grid.height()),
                  request.background);
    for (int i = 0; i < grid.count; ++i) {
        const Surface picture =
            CharacterOutput::enlarged(pictures[static_cast<std::size_t>(i)], request.scale);
        const QRect cell = grid.cell(i);
        sheet.PaintPicture(picture, cell.x(), cell.y(), cell.width(), cell.height(), 0, 0,
                           cell.width(), cell.height());
    }
    return sheet;
}

FileStatus write_sheet(const CharacterOutput& output, const SheetRequest& request,
                       const QString& path) {
    if (const Grid grid = sheet_grid(request); !grid.fits()) {
        return FileError{path,
                         QStringLiteral("the sheet would be %1 x %2 pixels, more than %3 a side")
                             .arg(grid.width())
                             .arg(grid.height())
                             .arg(largest_picture_side)};
    }
    formats::Encoded encoded = formats::EncodeProblem::out_of_memory;
    try {
        const Surface sheet = draw_sheet(output, request);
        // Many characters have no one parameter file: the PNG names the program and licence.
        encoded = request.format == SheetRequest::Format::png
                      ? picture_png(sheet, false, program_text())
                      : picture_bmp(sheet);
    } catch (const std::bad_alloc&) {
        // Within the size limit, yet more than this machine will give: reported below.
    }
    return write_encoded(path, encoded);
}

}  // namespace kelvara::sprites
