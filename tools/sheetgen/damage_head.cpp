#include "tools/sheetgen/damage_head.h"

#include <algorithm>

#include "tools/sheetgen/canvas.h"
#include "tools/sheetgen/head_shape.h"
#include "tools/sheetgen/stamp.h"

namespace kelvara::sheetgen {

namespace {

// A rounded mop over the crown and the back of the head, the fringe swept forward.
constexpr std::string_view mop[] = {
    "......#####........",  //
    "....##########.....",  //
    "...############....",  //
    "..##############...",  //
    "..###############..",  //
    "..##.#...########..",  //
    "..#.......#######..",  //
    "...........#####...",  //
    "............###....",
};

void paint_features(Surface& head, Expression look) {
    switch (look) {
        case Expression::wince:
            stamp(head, {8, 4}, {"kk", "..kk"});
            stamp(head, {8, 7}, {"k..", ".kk", "k.."});
            stamp(head, {4, 7}, {".k", "k.", ".k"});
            stamp(head, {5, 14}, {"kkk"});
            break;
        case Expression::gasp:
            stamp(head, {8, 4}, {"kk", "..kk"});
            stamp(head, {8, 7}, {"k..", ".kk", "k.."});
            stamp(head, {4, 7}, {".k", "k.", ".k"});
            stamp(head, {5, 13}, {".kk", "k4k", "kkk"});
            break;
        case Expression::dazed:
            stamp(head, {8, 6}, {"kkk", "kwk", "kkk"});
            stamp(head, {4, 6}, {"kk", "wk", "kk"});
            stamp(head, {5, 14}, {"k.k", ".k."});
            break;
        case Expression::out_cold:
            stamp(head, {8, 6}, {"k.k", ".k.", "k.k"});
            stamp(head, {4, 6}, {"k.", ".k", "k."});
            stamp(head, {5, 14}, {"kkk", ".w."});
            break;
        case Expression::charred:
            stamp(head, {8, 7}, {"ww", "ww"});
            stamp(head, {4, 7}, {"w", "w"});
            stamp(head, {5, 14}, {"kwk"});
            break;
    }
}

// Where a template colour lies on its ramp: 0 the lightest shade, 2 the darkest, -1 not a shade.
int lightness(Colour c) {
    const auto on = [&](const auto& ramp) {
        const auto at = std::find(ramp.begin(), ramp.end(), c);
        if (at == ramp.end()) return -1;
        const int k = static_cast<int>(at - ramp.begin());
        return k * 2 / static_cast<int>(ramp.size() - 1);
    };
    // Cloth templates run dark to light; the others light to dark.
    for (const int l : {on(skin_template), on(hair_template), on(pants_template)}) {
        if (l >= 0) return l;
    }
    if (const int l = on(cloth_template); l >= 0) return 2 - l;
    if (const int l = on(line_template); l >= 0) return l + 1;
    if (c == highlight_white || c == accessory_template) return 0;
    if (c == eye_grey_template) return 1;
    return -1;
}

bool skin_or_hair(Colour c) {
    return std::find(skin_template.begin(), skin_template.end(), c) != skin_template.end() ||
           std::find(hair_template.begin(), hair_template.end(), c) != hair_template.end();
}

}  // namespace

// The same looks for a head lying on its side with the crown to the left and the face up, the
// chin towards the body on the right. Turning the upright marks leaves stray stems and dots, so
// these are drawn for this view: lids as clean chevrons, the mouth along the jaw.
void paint_lying_features(Surface& head, Expression look) {
    switch (look) {
        case Expression::wince:
            stamp(head, {4, 8}, {"k.", "k.", ".k", ".k"});
            stamp(head, {7, 8}, {"k.k", ".k."});
            stamp(head, {7, 4}, {".k.", "k.k"});
            stamp(head, {14, 5}, {"k", "k", "k"});
            break;
        case Expression::gasp:
            stamp(head, {4, 8}, {"k.", "k.", ".k", ".k"});
            stamp(head, {7, 8}, {"k.k", ".k."});
            stamp(head, {7, 4}, {".k.", "k.k"});
            stamp(head, {13, 5}, {".k.", "k4k", "k4k", ".k."});
            break;
        case Expression::dazed:
            stamp(head, {6, 8}, {"kkk", "kwk", "kkk"});
            stamp(head, {6, 4}, {"kwk", "kkk"});
            stamp(head, {14, 5}, {".k", "k.", ".k"});
            break;
        case Expression::out_cold:
            stamp(head, {7, 8}, {"k.k", ".k.", "k.k"});
            stamp(head, {7, 4}, {".k.", "k.k"});
            stamp(head, {14, 5}, {"k.", "kw", "k."});
            break;
        case Expression::charred:
            stamp(head, {7, 8}, {"ww", "ww"});
            stamp(head, {7, 4}, {"ww"});
            stamp(head, {14, 5}, {"k", "w", "k"});
            break;
    }
}

Surface plain_head(Finish finish) {
    Canvas canvas(head_size, head_size);
    add_skull(canvas, {0, 0});
    add_ear(canvas, {0, 0}, 0);
    canvas.begin_part();
    canvas.mask({0, 0}, mop, '#', Material::hair);
    Surface head = canvas.render();
    paint_ear_detail(head, {0, 0}, 0);
    apply_finish(head, finish);
    return head;
}

Surface damage_head(Expression look, Finish finish) {
    Surface head = plain_head(finish);
    paint_features(head, look);
    return head;
}

Surface lying_damage_head(Expression look, Finish finish, bool face_up) {
    // A quarter turn and a mirror lay the crown to the left with the face up; turning that over
    // top to bottom lays it face down.
    Surface head = mirrored(rotated(plain_head(finish), 1));
    paint_lying_features(head, look);
    return face_up ? head : rotated(mirrored(head), 2);
}

void apply_finish(Surface& frame, Finish finish) {
    if (finish == Finish::none) return;
    for (Colour& c : frame.bits()) {
        const int l = lightness(c);
        if (l < 0) continue;
        const bool body = skin_or_hair(c);
        if (finish == Finish::burnt) {
            // Soot on skin and hair, a glint of scorched skin where the light falls; the
            // clothes scorched to their darkest shades.
            if (body) {
                c = c == skin_template[0] || c == hair_template[0] ? skin_template[3]
                                                                   : outline_dark;
            } else if (std::find(cloth_template.begin(), cloth_template.end(), c) !=
                       cloth_template.end()) {
                c = l == 0 ? cloth_template[1] : cloth_template[0];
            } else if (std::find(pants_template.begin(), pants_template.end(), c) !=
                       pants_template.end()) {
                c = pants_template[0];
            } else {
                c = outline_dark;
            }
        } else {
            // Frost: lit skin white, clothes a pale grey lit white, no dark shades, so the ice
            // reads as one smooth sheet.
            c = l == 0 || (body && l == 1) ? highlight_white : eye_grey_template;
        }
    }
}

}  // namespace kelvara::sheetgen
