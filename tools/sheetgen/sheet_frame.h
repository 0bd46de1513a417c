#pragma once

#include <string_view>

#include "compositor/sheet_colours.h"
#include "compositor/sheets.h"

namespace kelvara::sheetgen {

// The header strips that number a sheet's cells for whoever edits it by hand.
constexpr Colour head_header_colour = RGB(74, 90, 99);
constexpr Colour pose_header_colour = RGB(128, 128, 128);
constexpr Colour header_ink = highlight_white;
constexpr Colour grid_colour = outline_black;
// Left edge of the first grid line of pose and damage sheets; the header column lies left of it.
constexpr int pose_header_width = 19;

// A face or hair sheet with grid, column and row numbers and the label in the corner; every cell
// is key colour.
Surface blank_head_sheet(std::string_view label);

// A pose or damage sheet with grid and the labelled header column; every cell is key colour.
Surface blank_pose_sheet(const SheetGeometry& geometry, std::string_view label);

}  // namespace kelvara::sheetgen
