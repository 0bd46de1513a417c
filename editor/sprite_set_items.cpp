#include <QScreen>
#include <algorithm>

#include "editor/char_tool.h"
#include "sprites/ui/animation_preview.h"
#include "sprites/ui/sprite_set_export.h"

// The items that reach the character's animations: the preview window, made on first use and
// kept while the program runs, so that closing it loses nothing; and the sprite set written to a
// folder.
namespace kelvara {

namespace {

// Where a window of the given size stands beside the main window, level with its top: to its
// right, or to its left where the screen has no room on the right, and kept on the screen either
// way (over the main window if need be), so that none of it is out of reach.
QPoint beside(const QRect& main, const QSize& size, const QRect& screen) {
    const int gap = 8;
    int x = main.right() + 1 + gap;
    if (x + size.width() > screen.right() + 1) x = main.left() - gap - size.width();
    x = std::clamp(x, screen.left(), std::max(screen.left(), screen.right() + 1 - size.width()));
    const int y = std::clamp(main.top(), screen.top(),
                             std::max(screen.top(), screen.bottom() + 1 - size.height()));
    return {x, y};
}

}  // namespace

void CharTool::m_animation_Click() {
    if (open_dialog_ != nullptr) return;
    if (animation_preview_ == nullptr) {
        animation_preview_ = new sprites::AnimationPreview(state_, this);
        connect(this, &CharTool::characterDrawn, animation_preview_,
                &sprites::AnimationPreview::set_character);
        animation_preview_->adjustSize();
        animation_preview_->move(beside(frameGeometry(), animation_preview_->frameGeometry().size(),
                                        screen()->availableGeometry()));
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
