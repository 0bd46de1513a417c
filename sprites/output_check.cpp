#include "output_check.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <cerrno>
#include <climits>

#include "export/atomic_write.h"
#include "export/file_names.h"

namespace kelvara::sprites {

namespace {

// The folder a name is made in, as the system reads the path: "." for a bare name.
QString folder_of(const QString& path) {
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    return slash < 0 ? QStringLiteral(".") : slash == 0 ? QStringLiteral("/") : path.left(slash);
}

bool writable(const QByteArray& folder) {
    return ::faccessat(AT_FDCWD, folder.constData(), W_OK, AT_EACCESS) == 0;
}

FileStatus check_folder(const QString& path, const QString& folder) {
    const QByteArray bytes = name_bytes(folder);
    struct stat st {};
    if (bytes.isEmpty() || ::stat(bytes.constData(), &st) != 0 || !S_ISDIR(st.st_mode))
        return FileError{path, QStringLiteral("no such folder")};
    if (!writable(bytes)) return FileError{path, QStringLiteral("the folder cannot be written")};
    return {};
}

// The folder of a batch, or for a missing one the nearest folder above it that is there.
FileStatus check_named_folder(const QString& folder, bool made) {
    const QByteArray bytes = name_bytes(folder);
    if (bytes.isEmpty()) return FileError{folder, system_reason(ENOENT)};
    struct stat st {};
    if (::stat(bytes.constData(), &st) == 0) {
        if (!S_ISDIR(st.st_mode)) return FileError{folder, system_reason(ENOTDIR)};
        // A folder above one still to be made is only looked at: making it tells what fails.
        if (!made && !writable(bytes))
            return FileError{folder, QStringLiteral("the folder cannot be written")};
        return {};
    }
    if (errno != ENOENT) return FileError{folder, system_reason(errno)};
    if (::lstat(bytes.constData(), &st) == 0) {
        return FileError{folder,
                         QStringLiteral("a link to nothing, not a folder; it was left as it is")};
    }
    const QString above = folder_of(folder.endsWith(QLatin1Char('/')) ? folder.chopped(1) : folder);
    return above == folder ? FileStatus() : check_named_folder(above, true);
}

}  // namespace

FileStatus check_output(const QString& path) {
    if (FileStatus can = check_write_target(path); !can) return can;
    return check_folder(path, folder_of(path));
}

FileStatus check_output_folder(const QString& folder, const QStringList& paths) {
    if (FileStatus can = check_named_folder(folder, false); !can) return can;
    const QString top = folder.endsWith(QLatin1Char('/')) ? folder.chopped(1) : folder;
    for (const QString& path : paths) {
        const QString sub = folder_of(path);
        const QByteArray bytes = name_bytes(sub);
        struct stat st {};
        if (sub == top || ::lstat(bytes.constData(), &st) != 0) continue;
        if (S_ISLNK(st.st_mode)) {
            return FileError{sub, QStringLiteral("a link where a folder is made; it was left as "
                                                 "it is")};
        }
        if (!S_ISDIR(st.st_mode)) return FileError{sub, system_reason(ENOTDIR)};
        if (!writable(bytes)) return FileError{sub, QStringLiteral("the folder cannot be written")};
    }
    for (const QString& path : paths) {
        if (FileStatus can = check_write_target(path, LinkPolicy::generated); !can) return can;
    }
    return {};
}

QString absolute_path(const QString& path) {
    if (path.startsWith(QLatin1Char('/'))) return QDir::cleanPath(path);
    char here[PATH_MAX];
    if (::getcwd(here, sizeof here) == nullptr) return QDir::cleanPath(path);
    return QDir::cleanPath(name_from_bytes(QByteArray(here)) + QLatin1Char('/') + path);
}

bool make_folder(const QString& folder) {
    const QByteArray bytes = name_bytes(folder);
    if (bytes.isEmpty()) return false;
    for (qsizetype slash = bytes.indexOf('/', 1); slash > 0; slash = bytes.indexOf('/', slash + 1))
        ::mkdir(bytes.left(slash).constData(), 0777);
    ::mkdir(bytes.constData(), 0777);
    struct stat st {};
    return ::stat(bytes.constData(), &st) == 0 && S_ISDIR(st.st_mode);
}

}  // namespace kelvara::sprites
