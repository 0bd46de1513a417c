#include "random/random_generation.h"

#include <algorithm>
#include <cmath>

namespace kelvara {

Int16 cal_random(RandomSource& source, Int16 number) {
    const int count = number + 1;
    // In double the product is exact, so it cannot round up to count the way a float product of
    // a value just below 1 can.
    const double scaled = static_cast<double>(source.next()) * count;
    return static_cast<Int16>(std::clamp(static_cast<int>(std::floor(scaled)), 0, int{number}));
}

void set_start_up_random_flags(EditorState& s) {
    s.rnd_face_flg = 1;
    s.rnd_hair_flg = 1;
    s.rnd_hair_color_flg = 1;
    s.rnd_eye_color_flg = 0;
    s.rnd_cloth_flg = 0;
    s.rnd_cloth_color_flg = 1;
    s.rnd_cloth2_color_flg = 1;
    s.rnd_cloth3_color_flg = 1;
    s.rnd_body_color_flg = 0;
    s.rnd_accessory_color_flg = 0;
}

std::vector<RandomDraw> draw_random_items(const EditorState& s, Int16 face_max, Int16 hair_max,
                                          RandomSource& source) {
    std::vector<RandomDraw> draws;
    auto maybe = [&](Int16 flag, RandomItem item, Int16 number) {
        if (flag != 0) draws.push_back({item, cal_random(source, number)});
    };
    if (s.type_flg == 0) {
        maybe(s.rnd_face_flg, RandomItem::face, face_max);
        maybe(s.rnd_hair_flg, RandomItem::hair, hair_max);
    }
    maybe(s.rnd_hair_color_flg, RandomItem::hair_color, last_hair_color);
    maybe(s.rnd_eye_color_flg, RandomItem::eye_color, last_eye_color);
    maybe(s.rnd_cloth_flg, RandomItem::pose, s.type_flg == 0 ? last_pose : last_damage_pose);
    maybe(s.rnd_cloth_color_flg, RandomItem::cloth_color, last_cloth_color);
    maybe(s.rnd_body_color_flg, RandomItem::body_color, last_body_color);
    maybe(s.rnd_cloth2_color_flg, RandomItem::pants_color, last_cloth23_color);
    maybe(s.rnd_cloth3_color_flg, RandomItem::line_color, last_cloth23_color);
    maybe(s.rnd_accessory_color_flg, RandomItem::accessory_color, last_eye_color);
    return draws;
}

}  // namespace kelvara
