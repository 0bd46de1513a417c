#include "tools/sheetgen/face_art.h"

#include "tools/sheetgen/canvas.h"
#include "tools/sheetgen/head_shape.h"
#include "tools/sheetgen/stamp.h"
#include "tools/sheetgen/tidy.h"

namespace kelvara::sheetgen {

namespace {

// The near eye sits behind the nose and shows whole; the far eye is foreshortened against the
// cheek. Both look left, the way the fighter faces, so the iris sits at the front of the eye and
// the grey of the eyeball behind it.
constexpr Point near_eye{9, 7};
constexpr Point far_eye{4, 7};
constexpr Point near_brow{9, 4};
constexpr Point far_brow{4, 4};

struct Pair {
    StampRows near_side;
    StampRows far_side;
};

const Pair& eye_art(int style) {
    static const Pair eyes[eye_styles] = {
        {{"kkk", "ekg", "eeg"}, {"kk", "ek", "ee"}},      // round
        {{"kkkk", "ekgd"}, {"kk", "ek"}},                 // sharp
        {{"kkkk", "ewkg", "eeeg"}, {"kkk", "ew", "ee"}},  // large
        {{".k", ".k"}, {"k", "k"}},                       // dots
        {{"", "kkk", "ekg"}, {"", "kk", "ek"}},           // sleepy
        {{"...k", "kkkk", "ekg"}, {"k", "kk", "ek"}},     // fierce, outer corners up
        {{"", "kkk"}, {"", "kk"}},                        // closed
        {{"kkk", "gkg", "ggd"}, {"kk", "gk", "gg"}},      // wide, a small pupil
        {{"kkkk", "ewkk", "eeg"}, {"kkk", "ew", "ee"}},   // lashes
        {{"", "kkkk", "keeg"}, {"", "kk", "ke"}},         // cool, half lidded
        {{"", ".kk", ".ek"}, {"", "k", "k"}},             // small
        {{"kkk", "weg", "eeg"}, {"kk", "we", "ee"}},      // bright, lit from the front
    };
    return eyes[style];
}

const Pair& brow_art(int style) {
    static const Pair brows[brow_styles] = {
        {{"", "kkk"}, {"", "kk"}},        // thin
        {{"kkk", "kkkk"}, {"kk", "kk"}},  // thick
        {{"..kk", "kk"}, {"k", ".k"}},    // angry, low at the nose
        {{"kk", "..kk"}, {".k", "k"}},    // worried, high at the nose
        {{"www", "wwww"}, {"ww", "ww"}},  // bushy and white
        {{"", "ddd"}, {"", "dd"}},        // faint
        {{"", "kkkkk"}, {"", "kk"}},      // long
        {{".kk", "k..k"}, {"kk", ""}},    // arched
    };
    return brows[style];
}

// Pixels added to the skull's front before it is outlined, so the outline runs round them.
void add_profile(Canvas& c, const FaceLook& look) {
    const auto grow = [&](int x, int y) { c.plot(x, y, Material::skin); };
    switch (look.nose) {
        case nose_pointed:
            grow(2, 9);
            break;
        case nose_long:
            grow(2, 9);
            grow(2, 10);
            grow(1, 10);
            break;
        default:
            break;
    }
    if (look.cheek == cheek_full) {
        grow(2, 10);
        grow(2, 11);
    } else if (look.cheek == cheek_brow_ridge) {
        grow(2, 5);
        grow(2, 6);
    }
}

void paint_nose(Surface& s, int style) {
    switch (style) {
        case nose_dot:
            stamp(s, {7, 9}, {"3", "3"});
            break;
        case nose_pointed:
            stamp(s, {4, 9}, {"3", "3"});
            break;
        case nose_long:
            stamp(s, {3, 9}, {"2", "33"});
            break;
        case nose_broad:
            stamp(s, {6, 9}, {"2.", "33"});
            break;
        default:
            stamp(s, {6, 10}, {"33"});
            break;
    }
}

// Marks that stand off the skull are parts of their own, outlined by rule.
void add_worn_parts(Canvas& c, const FaceLook& look) {
    if (look.mark == mark_headband) {
        c.begin_part();
        const Point band[] = {{2, 2}, {16, 1}, {16, 4}, {2, 4}};
        c.polygon(band, Material::accessory);
        c.capsule({16, 3}, {18, 6}, 3, Material::accessory);
    } else if (look.mark == mark_mask) {
        c.begin_part();
        c.clip(0, 0, head_size - 1, 10);
        const Point hood[] = {{2, 1}, {8, 0}, {15, 2}, {17, 6}, {17, 10}, {2, 10}};
        c.polygon(hood, Material::accessory);
        c.unclip();
    }
}

void paint_mark(Surface& s, int mark) {
    switch (mark) {
        case mark_scar:  // down through the near eye
            stamp(s, {11, 5}, {"d", "d", ".", ".", ".", "d", "d"});
            break;
        case mark_plaster:
            stamp(s, {9, 10}, {"dwwd"});
            break;
        case mark_glasses:
            stamp(s, {3, 6}, {".aaa.aaaaa", ".a..aa...aaaa", ".aaa.a...a", "......aaaaa"});
            break;
        case mark_shades:
            stamp(s, {3, 7}, {".kkkkkkkkkkk", ".kkk.kwwkk", "..k...kkk"});
            break;
        case mark_eyepatch:
            stamp(s, {8, 4}, {".....k", "....k", "kkkkk", "kkkk", "kkkk", ".kk"});
            break;
        case mark_mask:  // a pale rim round each eye hole
            stamp(s, {3, 6}, {".wwww.wwww", "", "", ".....wwwwd"});
            break;
        case mark_lines:  // under the eyes and beside the nose
            stamp(s, {5, 10}, {"3...333", "3"});
            break;
        case mark_paint:
            stamp(s, {4, 10}, {"aa...aaa", ".....aaa"});
            break;
        case mark_mole:
            stamp(s, {12, 10}, {"k"});
            break;
        case mark_cross_scar:
            stamp(s, {9, 9}, {"d.d", ".d.", "d.d"});
            break;
        case mark_nose_tape:
            stamp(s, {3, 9}, {"www", "ddd"});
            break;
        default:
            break;
    }
}

}  // namespace

Surface draw_face(const FaceLook& look) {
    Canvas canvas(head_size, head_size);
    const Point head{0, 0};
    add_neck(canvas, head, 3);
    add_skull(canvas, head);
    add_profile(canvas, look);
    add_ear(canvas, head, look.ear);
    add_worn_parts(canvas, look);
    Surface face = canvas.render();
    merge_specks(face, skin_template);
    paint_ear_detail(face, head, look.ear);

    // A mask keeps the eye holes but hides the brows; glasses sit over the eyes.
    const Pair& eyes = eye_art(look.eyes);
    if (look.mark != mark_eyepatch) stamp(face, near_eye, eyes.near_side);
    stamp(face, far_eye, eyes.far_side);
    if (look.mark != mark_mask) {
        const Pair& brows = brow_art(look.brows);
        stamp(face, near_brow, brows.near_side);
        stamp(face, far_brow, brows.far_side);
    }
    paint_nose(face, look.nose);
    paint_mark(face, look.mark);
    paint_mouth(face, head, Mouth::closed);
    // Features laid on the skin can leave a lone pixel of it between them.
    merge_specks(face, skin_template);
    return face;
}

}  // namespace kelvara::sheetgen
