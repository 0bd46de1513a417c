#pragma once

#include <cstdint>

#include "compositor/colour.h"
#include "compositor/palettes.h"
#include "compositor/sheets.h"

namespace kelvara {

// Indices and flags are 16-bit. Flags hold 0 for False and -1 for True, except type_flg (the index
// of the chosen type button) and the random flags (check-box values 0 and 1).
using Int16 = std::int16_t;
constexpr Int16 vb_true = -1;
constexpr Int16 vb_false = 0;

// Everything the user has chosen. Every window reads and writes it. A selection held by a window
// control is only mirrored here; the control's value is the master copy. The record starts zeroed;
// start-up gives the fields their start values.
struct EditorState {
    Int16 rnd_face_flg = 0;
    Int16 rnd_hair_flg = 0;
    Int16 rnd_hair_color_flg = 0;
    Int16 rnd_eye_color_flg = 0;
    Int16 rnd_cloth_flg = 0;
    Int16 rnd_cloth_color_flg = 0;
    Int16 rnd_cloth2_color_flg = 0;
    Int16 rnd_cloth3_color_flg = 0;
    Int16 rnd_body_color_flg = 0;
    Int16 rnd_accessory_color_flg = 0;

    // Filled once at start-up from the palette strips; only read afterwards.
    Palettes palettes;

    Int16 face_num = 0;
    Int16 hair_num = 0;
    Int16 hair_color_num = 0;
    Int16 eye_color_num = 0;
    Int16 cloth_num = 0;  // the pose; 0..135, or 0..53 for damage poses
    Int16 cloth_color_num = 0;
    Int16 cloth2_color_num = 0;  // pants
    Int16 cloth3_color_num = 0;  // line
    Int16 size_num = 0;          // drawing size 1..6
    Int16 body_color_num = 0;
    Int16 type_flg = 0;  // 0: poses with face and hair, 1: damage poses
    Int16 accessory_color_num = 0;
    Int16 body_matte_flg = 0;
    Int16 cloth_matte_flg = 0;
    Int16 eye_grey_flg = 0;
    Colour back_color = 0;
};

constexpr Colour default_back_color = RGB(212, 208, 200);

// The last index of each selection: the selectors' maxima, the ranges random draws and parameter
// files keep to. They follow the sheets and palette tables.
constexpr Int16 last_face = face_count - 1;
constexpr Int16 last_pose = pose_count - 1;
constexpr Int16 last_damage_pose = damage_pose_count - 1;
constexpr Int16 last_hair_color = hair_entries - 1;
constexpr Int16 last_eye_color = eye_entries - 1;  // also the accessory colours
constexpr Int16 last_cloth_color = cloth_entries - 1;
constexpr Int16 last_cloth23_color = cloth23_entries - 1;  // pants and line
constexpr Int16 last_body_color = body_entries - 1;

}  // namespace kelvara
