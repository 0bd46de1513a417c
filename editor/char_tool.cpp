#include "editor/char_tool.h"

#include <QLabel>
#include <QRadioButton>
#include <QScrollBar>
#include <QTemporaryDir>

#include "assets/embedded_assets.h"
#include "compositor/character_draw.h"
#include "compositor/head.h"
#include "editor/window_icon.h"
#include "random/random_generation.h"
#include "widgets/surface_view.h"

namespace kelvara {

CharTool::CharTool(QWidget* parent)
    : QMainWindow(parent),
      sheets_(load_embedded_sheets()),
      strips_(load_embedded_palette_strips()) {
    setObjectName(QStringLiteral("char_tool"));
    setWindowTitle(QStringLiteral("轟陣キャラクターメーカー"));
    // A fixed single border with a minimise box and no maximise box.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::MSWindowsFixedSizeDialogHint |
                   Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    build_controls();
    build_menus();
    connect_handlers();
    set_up_view_menu();
    Form_Load();
    setWindowIcon(window_icon());
    // A parameter file dropped on the window opens its character.
    setAcceptDrops(true);
    // The client area is 544 x 456 under the menu bar; the window cannot be resized.
    setFixedSize(sizeHint());
}

CharTool::~CharTool() = default;

void CharTool::Form_Load() {
    // The start values of every selection, the background and the random flags, shared with the
    // command line's batches.
    state_ = start_up_selection();

    draw_flg = vb_true;
    face_max = last_face;
    hair_max = last_face;

    // The spin's rest position. Its handler draws once with nothing cut yet; the reset below
    // replaces that drawing.
    face_hair_Scroll->setValue(1);

    rnd_.seed_from_clock();

    face_type->setMaximum(face_max);
    hair_type->setMaximum(hair_max);
    hair_color->setMaximum(last_hair_color);
    eye_color->setMaximum(last_eye_color);
    cloth_type->setMaximum(last_pose);
    cloth_color->setMaximum(last_cloth_color);
    body_color->setMaximum(last_body_color);
    face_hair_Scroll->setMaximum(2);
    accessory_color->setMaximum(last_eye_color);
    pants_color->setMaximum(last_cloth23_color);
    line_color->setMaximum(last_cloth23_color);

    load_palettes(strips_, state_.palettes);

    // The bars already stand at 0, so no change handler cuts these.
    cut_head_cell(sheets_.face_set, 0, ws_.face_pic);
    cut_head_cell(sheets_.hair_set, 0, ws_.hair_pic);
    cut_pose_cell(sheets_.cloth_set, 0, ws_.pre_cloth_pic);

    reset_Click();
}

EditorState CharTool::reset_selection(Int16 type) const {
    EditorState target = state_;
    for (const RandomItemInfo& info : random_items) {
        const bool locked =
            type != 0 && (info.item == RandomItem::face || info.item == RandomItem::hair);
        if (!locked) target.*info.value = 0;
    }
    target.type_flg = type;
    return target;
}

void CharTool::reset_Click() {
    apply_selection(reset_selection(state_.type_flg));
}

namespace {

// An On/Off pair: the first button is On.
void set_option(const std::array<QRadioButton*, 2>& buttons, Int16& flag, Int16 value) {
    flag = value != 0 ? vb_true : vb_false;
    buttons[flag != 0 ? 0 : 1]->setChecked(true);
}

}  // namespace

void CharTool::apply_selection(const EditorState& target) {
    draw_flg = vb_false;
    if (target.type_flg != state_.type_flg) switch_type(target.type_flg);
    for (const RandomItemInfo& info : random_items) bar_of(info.item)->setValue(target.*info.value);
    set_option(eye_optjion_b, state_.eye_grey_flg, target.eye_grey_flg);
    set_option(body_c_option_b, state_.body_matte_flg, target.body_matte_flg);
    set_option(cloth_c1_option_b, state_.cloth_matte_flg, target.cloth_matte_flg);
    if (target.size_num >= 1 && target.size_num <= static_cast<int>(size_button.size())) {
        state_.size_num = target.size_num;
        size_button[static_cast<std::size_t>(target.size_num - 1)]->setChecked(true);
    }
    state_.back_color = target.back_color;
    // The stepper's rest position; it is already there unless its own handler is running.
    face_hair_Scroll->setValue(1);
    draw_flg = vb_true;

    compose_head();
    Character_draw();
    set_school_name();
    note_character();
}

void CharTool::compose_head() {
    ++compose_count_;
    kelvara::compose_head(ws_, hair_type->value());
}

void CharTool::Character_draw() {
    ++draw_count_;
    kelvara::Character_draw(state_, face_front_flg != vb_false, ws_);
    character_view->update();
    emit characterDrawn(state_);
}

}  // namespace kelvara
