#pragma once

#include <QString>
#include <vector>

#include "character_output.h"
#include "export/file_error.h"
#include "grid.h"

namespace kelvara::sprites {

// Several characters side by side in one picture, row by row, each as the save dialog draws it.
struct SheetRequest {
    enum class Format { png, bmp };
    std::vector<EditorState> selections;
    int columns = 16;
    int scale = 1;
    Colour background = default_back_color;
    Format format = Format::png;
    int jobs = 1;  // characters drawn at once; the sheet is the same for any number
};

// The cells of count characters at the scale, and of the request's.
Grid sheet_grid(int count, int columns, int scale);
Grid sheet_grid(const SheetRequest& request);

// The sheet; the grid must fit.
Surface draw_sheet(const CharacterOutput& output, const SheetRequest& request);

// The sheet written to path. A sheet within the size limit may still need more memory than the
// machine gives, which is reported as the file's failure.
FileStatus write_sheet(const CharacterOutput& output, const SheetRequest& request,
                       const QString& path);

}  // namespace kelvara::sprites
