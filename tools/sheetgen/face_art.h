#pragma once

#include "compositor/surface.h"

namespace kelvara::sheetgen {

// What one face is made of: an entry of each feature table below, counting from 0.
struct FaceLook {
    int eyes;
    int brows;
    int nose;
    int ear;
    int cheek;  // the jaw's front above the seam: plain, full or a heavy brow ridge
    int mark;   // worn or carried on the face: none, band, scar, glasses, mask ...

    bool operator==(const FaceLook&) const = default;
};

enum Eyes : int {
    eyes_round,
    eyes_sharp,
    eyes_large,
    eyes_dots,
    eyes_sleepy,
    eyes_fierce,
    eyes_closed,
    eyes_wide,
    eyes_lashes,
    eyes_cool,
    eyes_small,
    eyes_bright,
    eye_styles
};
enum Brows : int {
    brows_thin,
    brows_thick,
    brows_angry,
    brows_worried,
    brows_bushy_white,
    brows_faint,
    brows_long,
    brows_arched,
    brow_styles
};
enum Nose : int { nose_dot, nose_pointed, nose_long, nose_broad, nose_button, nose_styles };
enum Ear : int { ear_small, ear_large, ear_pointed, ear_styles };
enum Cheek : int { cheek_plain, cheek_full, cheek_brow_ridge, cheek_styles };
enum Mark : int {
    mark_none,
    mark_headband,
    mark_scar,
    mark_plaster,
    mark_glasses,
    mark_shades,
    mark_eyepatch,
    mark_mask,
    mark_lines,
    mark_paint,
    mark_mole,
    mark_cross_scar,
    mark_nose_tape,
    mark_styles
};

// A 19 x 19 face cell on the key colour, facing left like every fighter.
Surface draw_face(const FaceLook& look);

}  // namespace kelvara::sheetgen
