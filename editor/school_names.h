#pragma once

#include <QString>

namespace kelvara {

// The school whose uniform has the given cloth colour, or an empty string when that colour belongs
// to no school.
QString school_name_for_cloth_colour(int cloth_color);

// Whether a pose wears the school uniform, so that a school name applies: poses 0..111 of the pose
// sheet and damage figures 0..23.
bool pose_wears_school_uniform(int pose, int type_flg);

}  // namespace kelvara
