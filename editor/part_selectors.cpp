#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

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
    state.face_num = to_int16(value);
    cut_head_cell(sheets_.face_set, value, ws_.face_pic);
    dbg_face_num[0]->setText(QString::number(value));
    if (draw_flg) {
        compose_head();
        Character_draw();
    }
}

void CharTool::hair_type_Change() {
    const int value = hair_type->value();
    state.hair_num = to_int16(value);
    cut_head_cell(sheets_.hair_set, value, ws_.hair_pic);
    dbg_hair_num[0]->setText(QString::number(value));
    if (draw_flg) {
        compose_head();
        Character_draw();
    }
}

void CharTool::cut_pose_cell_for_type(int pose) {
    cut_pose_cell(state.type_flg != 0 ? sheets_.damage_set : sheets_.cloth_set, pose,
                  ws_.pre_cloth_pic);
}

void CharTool::cloth_type_Change() {
    const int value = cloth_type->value();
    state.cloth_num = to_int16(value);
    // Damage poses draw no head, so the flag is left as the last face pose set it.
    if (state.type_flg == 0) face_front_flg = pose_draws_head_in_front(value) ? vb_true : vb_false;
    cut_pose_cell_for_type(value);
    dbg_cloth_num[0]->setText(QString::number(value));
    if (draw_flg) Character_draw();
    set_school_name();
}

template <typename Change>
void CharTool::change_face_and_hair(Change change) {
    draw_flg = vb_false;
    change();
    draw_flg = vb_true;
    compose_head();
    Character_draw();
}

void CharTool::face_hair_Scroll_Change() {
    draw_flg = vb_false;
    const int value = face_hair_Scroll->value();
    if (value == 1) {
        draw_flg = vb_true;
        compose_head();
        Character_draw();
        return;
    }
    if (value == 2) {
        if (face_type->value() != face_max) face_type->setValue(face_type->value() + 1);
        if (hair_type->value() != hair_max) hair_type->setValue(hair_type->value() + 1);
    } else {
        if (face_type->value() != 0) face_type->setValue(face_type->value() - 1);
        if (hair_type->value() != 0) hair_type->setValue(hair_type->value() - 1);
    }
    // Back to rest: this runs the handler again, nested, with value 1, which draws once and sets
    // draw_flg again.
    face_hair_Scroll->setValue(1);
}

void CharTool::face_hair_min_Click() {
    change_face_and_hair([this] {
        face_type->setValue(0);
        hair_type->setValue(0);
    });
}

void CharTool::face_hair_max_Click() {
    change_face_and_hair([this] {
        face_type->setValue(face_max);
        hair_type->setValue(hair_max);
    });
}

void CharTool::face_hair_down_Click() {
    change_face_and_hair([this] {
        face_type->setValue(face_type->value() < 10 ? 0 : face_type->value() - 10);
        hair_type->setValue(hair_type->value() < 10 ? 0 : hair_type->value() - 10);
    });
}

void CharTool::face_hair_up_Click() {
    change_face_and_hair([this] {
        face_type->setValue(face_type->value() > face_max - 10 ? face_max
                                                               : face_type->value() + 10);
        hair_type->setValue(hair_type->value() > hair_max - 10 ? hair_max
                                                               : hair_type->value() + 10);
    });
}

void CharTool::size_button_Click(int index) {
    state.size_num = to_int16(index + 1);
    Character_draw();
}

void CharTool::set_face_hair_controls_enabled(bool enabled) {
    for (QWidget* w :
         std::initializer_list<QWidget*>{face_type, hair_type, face_hair_min, face_hair_down,
                                         face_hair_Scroll, face_hair_up, face_hair_max}) {
        w->setEnabled(enabled);
    }
}

void CharTool::type_button_Click(int index) {
    if (state.type_flg == index) return;
    // The first reset runs under the old type, so leaving the face poses returns face and hair
    // to 0 before they are locked.
    reset_Click();
    state.type_flg = to_int16(index);
    set_face_hair_controls_enabled(index == 0);
    cloth_type->setMaximum(index == 0 ? last_pose : last_damage_pose);
    cut_pose_cell_for_type(0);
    reset_Click();
}

}  // namespace kelvara
