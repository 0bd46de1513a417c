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

std::vector<RandomDraw> draw_random_items(const EditorState& s, Int16 face_max, Int16 hair_max,
                                          RandomSource& source) {
    std::vector<RandomDraw> draws;
    for (const RandomItemInfo& info : random_items) {
        // Face and hair stay as they are while damage figures are shown.
        const bool head = info.item == RandomItem::face || info.item == RandomItem::hair;
        if (s.*info.flag == 0 || (head && s.type_flg != 0)) continue;
        draws.push_back(
            {info.item, cal_random(source, last_random_value(info.item, s, face_max, hair_max))});
    }
    return draws;
}

}  // namespace kelvara
