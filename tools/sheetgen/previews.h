#pragma once

#include <string>
#include <utility>
#include <vector>

#include "compositor/surface.h"

namespace kelvara::sheetgen {

// Sheets for looking at the art as the program shows it, recoloured with varied palettes: every
// character on the standing pose at x3, each family's heads at x6, and every character as a
// black silhouette; and the poses and damage figures (see pose_previews.h). Named pictures, not
// part of the program's assets.
std::vector<std::pair<std::string, Surface>> preview_sheets();

}  // namespace kelvara::sheetgen
