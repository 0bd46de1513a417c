#include <QLabel>
#include <QScrollBar>

#include "editor/char_tool.h"
#include "editor/school_names.h"

// The seven colour selectors, the three On/Off options and the school-name label.
namespace kelvara {

void CharTool::colour_changed(QScrollBar* bar, Int16& field, QLabel* readout) {
    const int value = bar->value();
    field = static_cast<Int16>(value);
    readout->setText(QString::number(value));
    if (draw_flg) Character_draw();
}

void CharTool::hair_color_Change() {
    colour_changed(hair_color, state_.hair_color_num, dbg_hair_color_num[0]);
}

void CharTool::eye_color_Change() {
    colour_changed(eye_color, state_.eye_color_num, dbg_eye_color_num[0]);
}

void CharTool::accessory_color_Change() {
    colour_changed(accessory_color, state_.accessory_color_num, dbg_accessory_color_num[0]);
}

void CharTool::body_color_Change() {
    colour_changed(body_color, state_.body_color_num, dbg_body_color_num[0]);
}

void CharTool::cloth_color_Change() {
    colour_changed(cloth_color, state_.cloth_color_num, dbg_cloth_color_num[0]);
    set_school_name();
}

void CharTool::pants_color_Change() {
    colour_changed(pants_color, state_.cloth2_color_num, dbg_cloth2_color_num[0]);
}

void CharTool::line_color_Change() {
    colour_changed(line_color, state_.cloth3_color_num, dbg_cloth3_color_num[0]);
}

void CharTool::option_clicked(int index, Int16& flag) {
    if (index == 0) flag = vb_true;
    if (index == 1) flag = vb_false;
    Character_draw();
}

void CharTool::eye_optjion_b_Click(int index) {
    option_clicked(index, state_.eye_grey_flg);
}

void CharTool::body_c_option_b_Click(int index) {
    option_clicked(index, state_.body_matte_flg);
}

void CharTool::cloth_c1_option_b_Click(int index) {
    option_clicked(index, state_.cloth_matte_flg);
}

void CharTool::set_school_name() {
    // The controls' values, not the mirrored fields: this runs inside their change handlers.
    const int pose = cloth_type->value();
    const int colour = cloth_color->value();
    colth_name_label->setText(pose_wears_school_uniform(pose, state_.type_flg)
                                  ? school_name_for_cloth_colour(colour)
                                  : QString());
}

}  // namespace kelvara
