#include "sprites/ui/sprite_set_export.h"

#include <QMessageBox>

#include "sprites/parallel_render.h"
#include "sprites/sprite_bundle.h"
#include "sprites/ui/file_questions.h"
#include "sprites/ui/progress_run.h"

namespace kelvara::sprites {

namespace {

BundleRequest window_bundle_request(const EditorState& character, const QString& folder) {
    BundleRequest request;
    request.selection = character;
    request.style = {.background = default_back_color, .transparent = true, .scale = 1};
    request.name = bundle_name(folder);
    request.jobs = default_jobs();
    return request;
}

}  // namespace

bool export_sprite_set(const EditorState& character, QWidget* parent) {
    const QString folder = ask_export_folder(parent);
    if (folder.isEmpty()) return false;
    const BundleRequest request = window_bundle_request(character, folder);
    const FileStatus status =
        run_with_progress(parent, QStringLiteral("スプライトセット書き出し"),
                          QStringLiteral("スプライトセットを書き出しています。"),
                          [&] { return write_bundle(CharacterOutput(), request, folder); });
    if (!status) {
        QMessageBox box(QMessageBox::NoIcon, QStringLiteral("えらー"), describe(status.error()),
                        QMessageBox::Ok, parent);
        box.exec();
    }
    return status.ok();
}

}  // namespace kelvara::sprites
