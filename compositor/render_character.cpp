#include "compositor/render_character.h"

#include "compositor/character_draw.h"
#include "compositor/head.h"

namespace kelvara {

void render_character(const Sheets& sheets, const EditorState& state, Workspace& w) {
    cut_head_cell(sheets.face_set, state.face_num, w.face_pic);
    cut_head_cell(sheets.hair_set, state.hair_num, w.hair_pic);
    const bool damage = state.type_flg != 0;
    cut_pose_cell(damage ? sheets.damage_set : sheets.cloth_set, state.cloth_num, w.pre_cloth_pic);
    compose_head(w, state.hair_num);
    Character_draw(state, !damage && pose_draws_head_in_front(state.cloth_num), w);
}

}  // namespace kelvara
