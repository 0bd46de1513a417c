#include "sprite_options.h"

#include <QFileInfo>

#include "export/file_error.h"

namespace kelvara::cli {

SpriteStyle sprite_style(const CommandLine& line) {
    SpriteStyle style;
    style.background = background_option(line);
    style.scale = scale_option(line);
    style.transparent = line.has(QStringLiteral("transparent"));
    return style;
}

void check_outputs(const QStringList& paths) {
    check_targets(paths);
    for (const QString& path : paths) {
        const QFileInfo folder(QFileInfo(path).absolutePath());
        if (!folder.isDir())
            throw BadInput{describe(FileError{path, QStringLiteral("no such folder")})};
        if (!folder.isWritable()) {
            throw BadInput{
                describe(FileError{path, QStringLiteral("the folder cannot be written")})};
        }
    }
}

}  // namespace kelvara::cli
