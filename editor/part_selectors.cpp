#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <algorithm>

#include "compositor/render_character.h"
#include "compositor/sheets.h"
#include "editor/char_tool.h"

// Face, hair, pose, type and size: the handlers that choose what is drawn.
namespace kelvara {

namespace {

Int16 to_int16(int value) {
    return static_cast<Int16>(value);
}

}  // namespace

void CharTool::face_type_Change() {
    const int value = face_type->value();
    state_.face_num = to_int16(value);
    cut_head_cell(sheets_.face_set, value, ws_.face_pic);
    dbg_face_num[0]->setText(QString::number(value));
    if (draw_flg) {
        compose_head();
        Character_draw();
    }
}

void CharTool::hair_type_Change() {
    const int value = hair_type->value();
    state_.hair_num = to_int16(value);
    cut_head_cell(sheets_.hair_set, value, ws_.hair_pic);
    dbg_hair_num[0]->setText(QString::number(value));
    if (draw_flg) {
        compose_head();
        Character_draw();
    }
}

void CharTool::cut_pose_cell_for_type(int pose) {
    cut_pose_cell(state_.type_flg != 0 ? sheets_.damage_set : sheets_.cloth_set, pose,
                  ws_.pre_cloth_pic);
}

void CharTool::cloth_type_Change() {
    const int value = cloth_type->value();
    state_.cloth_num = to_int16(value);
    // Damage poses draw no head, so the flag is left as the last face pose set it.
    if (state_.type_flg == 0) face_front_flg = pose_draws_head_in_front(value) ? vb_true : vb_false;
    cut_pose_cell_for_type(value);
    dbg_cloth_num[0]->setText(QString::number(value));
    if (draw_flg) Character_draw();
    set_school_name();
}

void CharTool::face_hair_Scroll_Change() {
    const int value = face_hair_Scroll->value();
    if (value == 1) {
        // At rest. Reaching it at start-up draws; returning to it within a change does not.
        if (draw_flg) {
            compose_head();
            Character_draw();
        }
        return;
    }
    const int step = value == 2 ? 1 : -1;
    // One step each, staying in range; the change puts the stepper back at rest.
    jump_face_and_hair(std::clamp(face_type->value() + step, 0, int{face_max}),
                       std::clamp(hair_type->value() + step, 0, int{hair_max}));
}

void CharTool::jump_face_and_hair(int face, int hair) {
    EditorState target = state_;
    target.face_num = to_int16(face);
    target.hair_num = to_int16(hair);
    apply_selection(target);
}

void CharTool::jump_to_character(int number) {
    // Damage poses are complete figures with no face or hair to choose.
    if (state_.type_flg == 0) jump_face_and_hair(number, number);
}

void CharTool::face_hair_min_Click() {
    jump_face_and_hair(0, 0);
}

void CharTool::face_hair_max_Click() {
    jump_face_and_hair(face_max, hair_max);
}

void CharTool::face_hair_down_Click() {
    jump_face_and_hair(std::max(face_type->value() - 10, 0), std::max(hair_type->value() - 10, 0));
}

void CharTool::face_hair_up_Click() {
    jump_face_and_hair(std::min(face_type->value() + 10, int{face_max}),
                       std::min(hair_type->value() + 10, int{hair_max}));
}

void CharTool::size_button_Click(int index) {
    state_.size_num = to_int16(index + 1);
    Character_draw();
}

void CharTool::set_face_hair_controls_enabled(bool enabled) {
    for (QWidget* w :
         std::initializer_list<QWidget*>{face_type, hair_type, face_hair_min, face_hair_down,
                                         face_hair_Scroll, face_hair_up, face_hair_max}) {
        w->setEnabled(enabled);
    }
}

void CharTool::switch_type(Int16 type) {
    state_.type_flg = type;
    type_button[type != 0 ? 1 : 0]->setChecked(true);
    set_face_hair_controls_enabled(type == 0);
    // A pose beyond the damage range is clamped here; its handler then cuts from the new sheet.
    cloth_type->setMaximum(last_pose_of_type(type));
    const int pose = cloth_type->value();
    if (type == 0) face_front_flg = pose_draws_head_in_front(pose) ? vb_true : vb_false;
    cut_pose_cell_for_type(pose);
}

void CharTool::type_button_Click(int index) {
    if (state_.type_flg == index) return;
    // The first reset runs under the old type, so leaving the face poses returns face and hair
    // to 0 before they are locked. The switch is one change of the character.
    ++history_hold_;
    reset_Click();
    apply_selection(reset_selection(to_int16(index)));
    --history_hold_;
    note_character();
}

}  // namespace kelvara
