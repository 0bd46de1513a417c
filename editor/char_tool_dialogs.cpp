#include "dialogs/back_color_dialog.h"
#include "dialogs/index_dialog.h"
#include "dialogs/version_dialog.h"
#include "editor/char_tool.h"
#include "export/ui/save_dialog.h"
#include "random/ui/random_dialog.h"

// The menu items that open dialogs: each dialog is built from the window's values, and what it
// reports is connected to the window's operations. Dialogs know nothing of the window.
namespace kelvara {

void CharTool::show_dialog(UnloadingDialog* dialog) {
    open_dialog_ = dialog;
    connect(dialog, &UnloadingDialog::unloaded, this, &CharTool::dialog_unloaded);
    dialog->adjustSize();
    const QRect main = frameGeometry();
    dialog->move(main.center() - QPoint(dialog->width() / 2, dialog->height() / 2));
    // Modal: shown at once, without waiting for it to close.
    dialog->show();
}

void CharTool::dialog_unloaded() {
    open_dialog_ = nullptr;
    // Without a window manager nothing hands the keyboard back to the main window.
    activateWindow();
}

void CharTool::set_random_flag(RandomItem item, bool on) {
    state_.*random_item(item).flag = on ? 1 : 0;
}

void CharTool::set_back_color(Colour colour) {
    state_.back_color = colour;
}

void CharTool::m_save_Click() {
    show_dialog(new Save_Dialog(ws_.pre_pic, state_.back_color, state_, this));
}

void CharTool::m_index_Click() {
    auto* dialog = new Index_Dialog(this);
    // On damage poses the window ignores the jump, and the dialog only closes.
    connect(dialog, &Index_Dialog::jumpRequested, this, &CharTool::jump_to_character);
    show_dialog(dialog);
}

void CharTool::m_random_Click() {
    RandomFlags flags{};
    for (const RandomItemInfo& info : random_items) {
        flags[static_cast<std::size_t>(info.item)] = state_.*info.flag != 0;
    }
    // Random generation leaves face and hair alone on damage poses.
    auto* dialog = new Random_Dialog(flags, state_.type_flg == 0, this);
    connect(dialog, &Random_Dialog::flagChanged, this, &CharTool::set_random_flag);
    show_dialog(dialog);
}

void CharTool::m_backcolor_Click() {
    auto* dialog = new Back_Color_Dialog(state_.back_color, this);
    // The choice is stored at once, and shown when the dialog closes, whichever way.
    connect(dialog, &Back_Color_Dialog::colourChosen, this, &CharTool::set_back_color);
    connect(dialog, &UnloadingDialog::unloaded, this, &CharTool::Character_draw);
    show_dialog(dialog);
}

void CharTool::m_version_Click() {
    show_dialog(new VersionDialog(this));
}

}  // namespace kelvara
