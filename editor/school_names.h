#pragma once

#include <QString>

#include "model/pose_ranges.h"

namespace kelvara {

// The school whose uniform has the given cloth colour, or an empty string when that colour belongs
// to no school.
QString school_name_for_cloth_colour(int cloth_color);

}  // namespace kelvara
