#include "export/output_target.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

#include "export/file_names.h"

namespace kelvara {

namespace {

// The file a link at path points to, through any chain of links, when it is a regular file.
FileResult<QByteArray> regular_file_behind_link(const QString& path, const QByteArray& bytes) {
    struct stat st {};
    if (::stat(bytes.constData(), &st) != 0) {
        return FileError{path, errno == ENOENT ? not_a_regular_file() : system_reason(errno)};
    }
    if (S_ISDIR(st.st_mode)) return FileError{path, system_reason(EISDIR)};
    if (!S_ISREG(st.st_mode)) return FileError{path, not_a_regular_file()};
    char* real = ::realpath(bytes.constData(), nullptr);
    if (real == nullptr) return FileError{path, system_reason(errno)};
    QByteArray resolved(real);
    std::free(real);
    return resolved;
}

}  // namespace

QString not_a_regular_file() {
    return QStringLiteral(
        "not a regular file (a device, pipe, socket or link to nothing); it was left as it is");
}

FileResult<QByteArray> output_file(const QString& path, LinkPolicy policy) {
    const QByteArray file = name_bytes(path);
    if (file.isEmpty()) return FileError{path, system_reason(ENOENT)};
    struct stat st {};
    if (::lstat(file.constData(), &st) != 0) {
        if (errno == ENOENT) return file;
        return FileError{path, system_reason(errno)};
    }
    if (S_ISLNK(st.st_mode)) {
        if (policy == LinkPolicy::generated) return file;
        return regular_file_behind_link(path, file);
    }
    if (S_ISDIR(st.st_mode)) return FileError{path, system_reason(EISDIR)};
    if (!S_ISREG(st.st_mode)) return FileError{path, not_a_regular_file()};
    return file;
}

FileResult<OutputTarget> find_output_target(const QString& path, LinkPolicy policy) {
    const auto found = output_file(path, policy);
    if (!found) return found.error();
    const QByteArray& file = found.value();
    OutputTarget target;
    const qsizetype slash = file.lastIndexOf('/');
    target.name = file.mid(slash + 1);
    if (target.name.isEmpty() || target.name == "." || target.name == "..") {
        return FileError{path, system_reason(EISDIR)};
    }
    const QByteArray folder = slash < 0    ? QByteArray(".")
                              : slash == 0 ? QByteArray("/")
                                           : file.left(slash);
    target.folder = FileDescriptor(::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!target.folder) return FileError{path, system_reason(errno)};

    // Looked at again within the folder that was opened, without following a link: a name the
    // user gave that became a link since is refused, one that Kelvara made up is replaced.
    struct stat st {};
    if (::fstatat(target.folder.get(), target.name.constData(), &st, AT_SYMLINK_NOFOLLOW) != 0) {
        if (errno == ENOENT) return target;
        return FileError{path, system_reason(errno)};
    }
    if (S_ISLNK(st.st_mode) && policy == LinkPolicy::generated) return target;
    if (S_ISDIR(st.st_mode)) return FileError{path, system_reason(EISDIR)};
    if (!S_ISREG(st.st_mode)) return FileError{path, not_a_regular_file()};
    // For anyone but root, a file they may not write is refused, as writing it in place would be.
    if (::faccessat(target.folder.get(), target.name.constData(), W_OK, AT_EACCESS) != 0) {
        return FileError{path, system_reason(errno)};
    }
    target.replaced = st;
    return target;
}

}  // namespace kelvara
