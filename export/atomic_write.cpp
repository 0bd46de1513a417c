#include "export/atomic_write.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <cerrno>
#include <optional>

#include "export/posix_write.h"

namespace kelvara {

namespace {

const QString not_regular = QStringLiteral(
    "not a regular file (a device, pipe, socket or link to nothing); it was left as it is");

// What stands at the target: nothing, or a regular file with its status; otherwise the refusal.
FileResult<std::optional<struct stat>> existing_target(const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    if (name.isEmpty() || name.contains('\0')) return FileError{path, system_reason(ENOENT)};
    struct stat st {};
    if (::stat(name.constData(), &st) == 0) {
        if (S_ISDIR(st.st_mode)) return FileError{path, system_reason(EISDIR)};
        if (!S_ISREG(st.st_mode)) return FileError{path, not_regular};
        return std::optional<struct stat>(st);
    }
    const int error = errno;
    // A link that points nowhere would be replaced by the file, not followed.
    if (error == ENOENT && ::lstat(name.constData(), &st) == 0) return FileError{path, not_regular};
    if (error == ENOENT) return std::optional<struct stat>();
    return FileError{path, system_reason(error)};
}

// Opens a new file with a fresh name in folder, created with the usual mode 0666 less the umask.
int create_temporary(const QString& folder, QByteArray& name) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = QFile::encodeName(
            folder + QStringLiteral("/.kelvara-%1.tmp")
                         .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0')));
        const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    errno = EEXIST;
    return -1;
}

}  // namespace

FileStatus check_write_target(const QString& path) {
    const auto existing = existing_target(path);
    if (!existing) return existing.error();
    return {};
}

FileStatus write_file_atomically(const QString& path, const QByteArray& bytes,
                                 const AtomicWriteSteps& steps) {
    const auto existing = existing_target(path);
    if (!existing) return existing.error();
    const std::optional<struct stat>& old = existing.value();
    // A link is followed: the file it names is replaced and the link stays.
    const QString target = old ? QFileInfo(path).canonicalFilePath() : path;
    const QByteArray target_name = QFile::encodeName(target);
    if (old && ::access(target_name.constData(), W_OK) != 0) {
        return FileError{path, system_reason(errno)};
    }

    QByteArray temporary;
    const int fd = create_temporary(QFileInfo(target).absolutePath(), temporary);
    if (fd < 0) return FileError{path, system_reason(errno)};
    auto give_up = [&](int error) {
        ::close(fd);
        ::unlink(temporary.constData());
        return FileError{path, system_reason(error)};
    };
    if (old) {
        // Owner first: changing it clears set-user-ID bits that the mode then puts back. Only
        // root may give a file away; anyone else's copy is theirs, as with any editor.
        if (::fchown(fd, old->st_uid, old->st_gid) != 0 && errno != EPERM) return give_up(errno);
        if (::fchmod(fd, old->st_mode & 07777) != 0) return give_up(errno);
    }
    if (const int error = write_all(fd, bytes); error != 0) return give_up(error);
    if (::fdatasync(fd) != 0) return give_up(errno);
    if (::close(fd) != 0) {
        const int error = errno;
        ::unlink(temporary.constData());
        return FileError{path, system_reason(error)};
    }
    if (steps.commit(temporary.constData(), target_name.constData()) != 0) {
        const int error = errno;
        ::unlink(temporary.constData());
        return FileError{path, system_reason(error)};
    }
    return {};
}

}  // namespace kelvara
