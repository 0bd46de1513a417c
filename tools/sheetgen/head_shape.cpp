#include "tools/sheetgen/head_shape.h"

#include "tools/sheetgen/stamp.h"

namespace kelvara::sheetgen {

namespace {

// First and last column of the skull on each row, outline included; the chin sits forward.
struct Span {
    int row;
    int first;
    int last;
};

constexpr Span skull_rows[] = {
    {2, 7, 12},  {3, 5, 14},  {4, 4, 15},  {5, 3, 15},  {6, 3, 15},  {7, 3, 15},
    {8, 3, 15},  {9, 3, 15},  {10, 3, 15}, {11, 3, 15}, {12, 3, 15}, {13, 3, 15},
    {14, 3, 15}, {15, 4, 14}, {16, 5, 13}, {17, 6, 11},
};

}  // namespace

int add_skull(Canvas& canvas, Point head) {
    const int part = canvas.begin_part();
    for (const Span& s : skull_rows) {
        for (int i = s.first; i <= s.last; ++i) {
            canvas.plot(head.x + i, head.y + s.row, Material::skin);
        }
    }
    return part;
}

void add_neck(Canvas& canvas, Point head, int length) {
    canvas.begin_part();
    for (int j = 14; j <= 15 + length; ++j) {
        for (int i = 9; i <= 13; ++i) canvas.plot(head.x + i, head.y + j, Material::skin);
    }
}

void add_ear(Canvas& canvas, Point head, int style) {
    // Part of the skull's own part, so the skull's outline runs round it.
    static constexpr std::string_view small[] = {"##.", "###", "###", "##."};
    static constexpr std::string_view large[] = {"##.", "###", "####", "###", "##."};
    static constexpr std::string_view pointed[] = {"..##", ".###", "###", "###", "##."};
    switch (style) {
        case 0:
            canvas.mask({head.x + 14, head.y + 8}, small, '#', Material::skin);
            break;
        case 1:
            canvas.mask({head.x + 14, head.y + 7}, large, '#', Material::skin);
            break;
        default:
            canvas.mask({head.x + 14, head.y + 6}, pointed, '#', Material::skin);
            break;
    }
}

void paint_ear_detail(Surface& target, Point head, int style) {
    stamp(target, {head.x + 14, head.y + 9 - (style == 0 ? 0 : 1)}, {"3", "34"});
}

void paint_mouth(Surface& target, Point head, Mouth mouth) {
    const Point at{head.x + 5, head.y + 14};
    switch (mouth) {
        case Mouth::closed:
            stamp(target, at, {".dd"});
            break;
        case Mouth::open:
            stamp(target, at, {".kk", "k4k", ".k."});
            break;
        case Mouth::grit:
            stamp(target, at, {"kwwk"});
            break;
        case Mouth::pain:
            stamp(target, at, {"d.d", ".d."});
            break;
    }
}

}  // namespace kelvara::sheetgen
