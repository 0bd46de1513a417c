#include "sprites/ui/file_questions.h"

#include <QDir>
#include <QFileDialog>

namespace kelvara::sprites {

namespace {

QString& last_folder() {
    static QString folder = QDir::homePath();
    return folder;
}

}  // namespace

QString ask_gif_path(QWidget* parent, const QString& name) {
    QFileDialog dialog(parent, QStringLiteral("GIF保存"), last_folder(),
                       QStringLiteral("GIF画像 (*.gif)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(QStringLiteral("gif"));
    dialog.selectFile(name + QStringLiteral(".gif"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    const QString path = dialog.selectedFiles().constFirst();
    last_folder() = QFileInfo(path).absolutePath();
    return path;
}

QString ask_export_folder(QWidget* parent) {
    const QString folder = QFileDialog::getExistingDirectory(
        parent, QStringLiteral("スプライトセット書き出し"), last_folder());
    if (!folder.isEmpty()) last_folder() = folder;
    return folder;
}

}  // namespace kelvara::sprites
