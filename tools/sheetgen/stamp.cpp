#include "tools/sheetgen/stamp.h"

#include "compositor/sheet_colours.h"

namespace kelvara::sheetgen {

Colour stamp_colour(char c) {
    switch (c) {
        case 'k':
            return outline_black;
        case 'd':
            return outline_dark;
        case 'w':
            return highlight_white;
        case 'e':
            return eye_template;
        case 'g':
            return eye_grey_template;
        case 'a':
            return accessory_template;
        case '1':
        case '2':
        case '3':
        case '4':
            return skin_template[c - '1'];
        case '5':
        case '6':
        case '7':
            return hair_template[c - '5'];
        default:
            return invalid_colour;
    }
}

void stamp(Surface& target, Point origin, StampRows rows) {
    int y = origin.y;
    for (std::string_view row : rows) {
        for (std::size_t i = 0; i < row.size(); ++i) {
            const Colour c = stamp_colour(row[i]);
            if (c != invalid_colour) target.SetPixel(origin.x + static_cast<int>(i), y, c);
        }
        ++y;
    }
}

void overlay(Surface& target, const Surface& source, Point origin) {
    for (int y = 0; y < source.height(); ++y) {
        for (int x = 0; x < source.width(); ++x) {
            const Colour c = source.GetPixel(x, y);
            if (c != key_color) target.SetPixel(origin.x + x, origin.y + y, c);
        }
    }
}

Surface rotated(const Surface& source, int turns) {
    Surface out = source;
    for (int t = 0; t < ((turns % 4) + 4) % 4; ++t) {
        Surface next(out.height(), out.width(), key_color);
        for (int y = 0; y < out.height(); ++y) {
            for (int x = 0; x < out.width(); ++x) {
                next.SetPixel(out.height() - 1 - y, x, out.GetPixel(x, y));
            }
        }
        out = next;
    }
    return out;
}

Surface mirrored(const Surface& source) {
    Surface out(source.width(), source.height(), key_color);
    for (int y = 0; y < source.height(); ++y) {
        for (int x = 0; x < source.width(); ++x) {
            out.SetPixel(source.width() - 1 - x, y, source.GetPixel(x, y));
        }
    }
    return out;
}

}  // namespace kelvara::sheetgen
