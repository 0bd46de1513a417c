#pragma once

#include "model/colour.h"
#include "model/palette_tables.h"
#include "model/selection_ranges.h"

namespace kelvara {

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

// The grey of the view's background at start-up, and of pictures drawn without a window.
constexpr Colour default_back_color = RGB(212, 208, 200);

// The drawing size at start-up.
constexpr Int16 start_up_size = 4;

// base with the character of another selection: its sprite type, the ten selections random
// generation may set and the three options, which is what a parameter file records. The drawing
// size, background and random flags stay those of base.
EditorState with_character_of(const EditorState& base, const EditorState& character);

// The selection the program starts with: character 0 in pose 0 in the first colours, the eyes'
// grey kept (not whitened), mattes off, drawn at x4 on the grey background, with the start-up
// random flags. The palette tables are left empty; they come from the strips.
EditorState start_up_selection();

}  // namespace kelvara
