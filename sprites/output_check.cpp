#include "output_check.h"

#include <QFileInfo>

#include "export/atomic_write.h"

namespace kelvara::sprites {

namespace {

FileStatus check_folder(const QString& path, const QString& folder) {
    const QFileInfo info(folder);
    if (!info.isDir()) return FileError{path, QStringLiteral("no such folder")};
    if (!info.isWritable()) return FileError{path, QStringLiteral("the folder cannot be written")};
    return {};
}

}  // namespace

FileStatus check_output(const QString& path) {
    if (FileStatus can = check_write_target(path); !can) return can;
    return check_folder(path, QFileInfo(path).absolutePath());
}

FileStatus check_output_folder(const QString& folder, const QStringList& paths) {
    // A missing folder is made, and a file in its place is found below through the paths.
    if (QFileInfo(folder).isDir()) {
        if (FileStatus can = check_folder(folder, folder); !can) return can;
    }
    for (const QString& path : paths) {
        if (FileStatus can = check_write_target(path); !can) return can;
    }
    return {};
}

}  // namespace kelvara::sprites
