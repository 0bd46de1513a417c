#include "model/editor_state.h"

#include "model/random_items.h"

namespace kelvara {

namespace {

void set_start_up_random_flags(EditorState& s) {
    s.rnd_face_flg = 1;
    s.rnd_hair_flg = 1;
    s.rnd_hair_color_flg = 1;
    s.rnd_eye_color_flg = 0;
    s.rnd_cloth_flg = 0;
    s.rnd_cloth_color_flg = 1;
    s.rnd_cloth2_color_flg = 1;
    s.rnd_cloth3_color_flg = 1;
    s.rnd_body_color_flg = 0;
    s.rnd_accessory_color_flg = 0;
}

}  // namespace

EditorState with_character_of(const EditorState& base, const EditorState& character) {
    EditorState s = base;
    s.type_flg = character.type_flg;
    for (const RandomItemInfo& info : random_items) s.*info.value = character.*info.value;
    s.eye_grey_flg = character.eye_grey_flg;
    s.body_matte_flg = character.body_matte_flg;
    s.cloth_matte_flg = character.cloth_matte_flg;
    return s;
}

EditorState start_up_selection() {
    EditorState s;
    s.body_matte_flg = vb_false;
    s.cloth_matte_flg = vb_false;
    s.size_num = start_up_size;
    s.eye_grey_flg = vb_true;
    s.back_color = default_back_color;
    set_start_up_random_flags(s);
    return s;
}

}  // namespace kelvara
