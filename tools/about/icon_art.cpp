#include "icon_art.h"

#include "about_picture.h"
#include "compositor/sheet_colours.h"

namespace kelvara::about {

namespace {

// What each size shows of the sprite, and how much it is enlarged. The head lies at x 24..42,
// y 16..28 of the sprite, its chin and neck below.
struct View {
    int size;
    int left, top, side;
    int scale;
};

constexpr View views[] = {
    {16, 26, 16, 16, 1},   // the face
    {32, 18, 14, 32, 1},   // head and shoulders
    {48, 21, 15, 24, 2},   // the head and the collar
    {64, 18, 14, 32, 2},   //
    {128, 18, 14, 32, 4},  //
};

}  // namespace

std::string window_icon_file(int size) {
    return "window_icon_" + std::to_string(size) + ".png";
}

std::vector<WindowIcon> draw_window_icons() {
    const Surface sprite = draw_about_sprite();
    std::vector<WindowIcon> icons;
    for (const View& v : views) {
        Surface picture(v.size, v.size, key_color);
        for (int y = 0; y < v.size; ++y) {
            for (int x = 0; x < v.size; ++x) {
                const int sx = v.left + x / v.scale;
                const int sy = v.top + y / v.scale;
                if (sprite.contains(sx, sy)) picture.SetPixel(x, y, sprite.GetPixel(sx, sy));
            }
        }
        icons.push_back({v.size, picture});
    }
    return icons;
}

}  // namespace kelvara::about
