#include "sprite_options.h"

#include <QFileInfo>

namespace kelvara::cli {

SpriteStyle sprite_style(const CommandLine& line) {
    SpriteStyle style;
    style.background = background_option(line);
    style.scale = scale_option(line);
    style.transparent = line.has(QStringLiteral("transparent"));
    return style;
}

QString output_problem(const QString& path) {
    const QFileInfo file(path);
    if (file.isDir()) return QStringLiteral("%1: is a folder").arg(path);
    const QFileInfo folder(file.absolutePath());
    if (!folder.isDir()) return QStringLiteral("%1: no such folder").arg(path);
    if (!folder.isWritable()) return QStringLiteral("%1: the folder cannot be written").arg(path);
    return {};
}

}  // namespace kelvara::cli
