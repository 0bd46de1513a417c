#pragma once

#include <string>
#include <utility>
#include <vector>

#include "compositor/palettes.h"
#include "compositor/surface.h"

namespace kelvara::sheetgen {

// Sheets for looking at the bodies: every pose worn by a few characters at x3, a new palette on
// each pose; the walk and run cycles as strips at x6; every damage figure at x3; and all poses and
// damage figures as silhouettes at x2.
std::vector<std::pair<std::string, Surface>> pose_preview_sheets(const Palettes& palettes);

}  // namespace kelvara::sheetgen
