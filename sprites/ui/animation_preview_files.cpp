#include <QFileInfo>

#include "export/character_metadata.h"
#include "sprites/sprite_animation.h"
#include "sprites/ui/animation_preview.h"
#include "sprites/ui/file_questions.h"
#include "sprites/ui/sprite_set_export.h"

// What the preview writes: the animation as it shows, and the character's sprite set.
namespace kelvara::sprites {

void AnimationPreview::save_gif() {
    const std::string_view name = playback_.animation().name;
    const QString path =
        ask_gif_path(this, QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
    if (path.isEmpty()) return;
    AnimationRequest request;
    request.selection = character_;
    request.animation = playback_.animation();
    request.style = {
        .background = look_.background, .transparent = look_.checkerboard, .scale = look_.scale};
    // The GIF carries its character under its own name, as a picture and its parameter file
    // share one.
    request.text = character_text(QFileInfo(path).completeBaseName(), character_);
    // Written through a temporary file: a failed write leaves any old file as it was.
    if (const FileStatus status = write_animation(output_, request, path); !status) {
        report_error(describe(status.error()));
    }
}

void AnimationPreview::export_sprite_set() {
    sprites::export_sprite_set(character_, this);
}

}  // namespace kelvara::sprites
