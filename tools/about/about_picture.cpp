#include "about_picture.h"

#include <algorithm>

#include "compositor/character_draw.h"
#include "compositor/head.h"
#include "compositor/sheet_colours.h"
#include "palette_strips.h"
#include "tools/sheetgen/pose_art.h"
#include "tools/sheetgen/sheetgen.h"

namespace kelvara::about {

namespace {

// The character shown: a member of the first group with a fist raised, in a dark uniform with
// red hair, so it reads on the dialog's grey.
constexpr int character = 12;
constexpr int pose = 85;

}  // namespace

Surface draw_about_sprite() {
    Workspace w;
    w.hair_pic.PaintPicture(sheetgen::draw_hair_cell(character), 0, 0, 19, 19, 0, 0, 19, 19);
    w.face_pic.PaintPicture(sheetgen::draw_face_cell(character), 0, 0, 19, 19, 0, 0, 19, 19);
    w.pre_cloth_pic.PaintPicture(sheetgen::draw_pose_cell(pose), 0, 0, 67, 67, 0, 0, 67, 67);
    compose_head(w, character);

    EditorState state;
    load_palettes(palettegen::generate_palette_strips(), state.palettes);
    state.size_num = 1;
    state.eye_grey_flg = vb_true;
    state.back_color = key_color;  // stays transparent
    state.hair_color_num = 7;
    state.cloth_color_num = 1;
    Character_draw(state, sheetgen::pose_has_head_in_front(pose), w);
    return w.pre_pic;
}

Surface draw_about_picture() {
    const Surface sprite = draw_about_sprite();
    // Centre the figure across the picture and stand it on the bottom edge.
    int left = sprite.width(), right = -1, bottom = -1;
    for (int y = 0; y < sprite.height(); ++y) {
        for (int x = 0; x < sprite.width(); ++x) {
            if (sprite.GetPixel(x, y) == key_color) continue;
            left = std::min(left, x);
            right = std::max(right, x);
            bottom = std::max(bottom, y);
        }
    }
    Surface picture(picture_width, picture_height, key_color);
    const int x0 = (left + right + 1) / 2 - picture_width / 2;
    const int y0 = bottom + 2 - picture_height;
    picture.PaintPicture(sprite, 0, 0, picture_width, picture_height, x0, y0, picture_width,
                         picture_height);
    return picture;
}

}  // namespace kelvara::about
