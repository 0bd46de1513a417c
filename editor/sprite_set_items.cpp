#include "editor/char_tool.h"
#include "sprites/ui/animation_preview.h"
#include "sprites/ui/sprite_set_export.h"

// The items that reach the character's animations: the preview window, made on first use and
// kept while the program runs, so that closing it loses nothing; and the sprite set written to a
// folder.
namespace kelvara {

void CharTool::m_animation_Click() {
    if (open_dialog_ != nullptr) return;
    if (animation_preview_ == nullptr) {
        animation_preview_ = new sprites::AnimationPreview(state_, this);
        connect(this, &CharTool::characterDrawn, animation_preview_,
                &sprites::AnimationPreview::set_character);
        // Beside the main window, level with its top.
        animation_preview_->adjustSize();
        animation_preview_->move(frameGeometry().topRight() + QPoint(8, 0));
    }
    animation_preview_->show();
    animation_preview_->raise();
    animation_preview_->activateWindow();
}

void CharTool::m_sprite_set_Click() {
    if (open_dialog_ != nullptr) return;
    sprites::export_sprite_set(state_, this);
}

}  // namespace kelvara
