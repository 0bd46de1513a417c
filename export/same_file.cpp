#include "export/same_file.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QByteArray>
#include <QDir>
#include <climits>
#include <optional>
#include <tuple>

#include "export/file_names.h"

namespace kelvara {

namespace {

// What a path names: an existing file's device and inode, or the folder a new file would be
// made in with its name there; text only where neither can be found (a folder that is missing).
struct Identity {
    dev_t device = 0;
    ino_t inode = 0;
    QByteArray name;  // empty for an existing file
    QString text;     // the cleaned absolute path, when nothing could be looked at

    friend bool operator==(const Identity&, const Identity&) = default;
};

QByteArray folder_of(const QByteArray& path) {
    const qsizetype slash = path.lastIndexOf('/');
    return slash < 0 ? QByteArray(".") : slash == 0 ? QByteArray("/") : path.left(slash);
}

Identity identity(const QString& path) {
    const Identity unknown{0, 0, {}, QDir::cleanPath(QDir(path).absolutePath())};
    QByteArray bytes = name_bytes(path);
    if (bytes.isEmpty()) return unknown;
    struct stat st {};
    if (::stat(bytes.constData(), &st) == 0) return {st.st_dev, st.st_ino, {}, {}};
    // Nothing behind the name: follow the links that lead to it, as many as the system would.
    for (int depth = 0; depth < 40 && ::lstat(bytes.constData(), &st) == 0; ++depth) {
        if (!S_ISLNK(st.st_mode)) return unknown;
        QByteArray target(PATH_MAX, '\0');
        const ssize_t n = ::readlink(bytes.constData(), target.data(), PATH_MAX);
        if (n <= 0) return unknown;
        target.truncate(n);
        bytes = target.startsWith('/') ? target : folder_of(bytes) + '/' + target;
    }
    const QByteArray name = bytes.mid(bytes.lastIndexOf('/') + 1);
    if (::stat(folder_of(bytes).constData(), &st) != 0 || name.isEmpty() || name == "." ||
        name == "..") {
        return {0, 0, {}, QDir::cleanPath(QDir(name_from_bytes(bytes)).absolutePath())};
    }
    return {st.st_dev, st.st_ino, name, {}};
}

}  // namespace

bool same_file(const QString& a, const QString& b) {
    return identity(a) == identity(b);
}

}  // namespace kelvara
