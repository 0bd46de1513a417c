#include "file_group.h"

#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <set>

#include "export/atomic_write.h"
#include "export/posix_write.h"

namespace kelvara::sprites {

namespace {

// A file written under a temporary name, and the name it is to take.
struct Written {
    QByteArray temporary;
    QByteArray target;
    dev_t device = 0;
    bool exchanged = false;  // took its name by swapping with the old file, now at temporary
    bool named = false;
};

// Writes f beside the file it replaces (a link is followed), with that file's mode and owner.
FileResult<Written> write_beside(const GroupFile& f) {
    if (FileStatus can = check_write_target(f.path); !can) return can.error();
    const QFileInfo info(f.path);
    Written w;
    w.target = QFile::encodeName(info.exists() ? info.canonicalFilePath() : f.path);
    struct stat old {};
    const bool replaces = ::stat(w.target.constData(), &old) == 0;
    // For anyone but root, a file they may not write is refused as writing it in place would be.
    if (replaces && ::access(w.target.constData(), W_OK) != 0) {
        return FileError{f.path, system_reason(errno)};
    }
    const QByteArray folder = QFile::encodeName(QFileInfo(QFile::decodeName(w.target)).path());
    int fd = -1;
    for (int attempt = 0; fd < 0 && attempt < 100; ++attempt) {
        w.temporary = folder + QByteArrayLiteral("/.kelvara-") +
                      QByteArray::number(QRandomGenerator::global()->generate(), 16) +
                      QByteArrayLiteral(".tmp");
        fd = ::open(w.temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) break;
    }
    if (fd < 0) return FileError{f.path, system_reason(errno)};
    int error = 0;
    if (replaces) {
        // Owner first: changing it clears set-user-ID bits that the mode then puts back.
        if (::fchown(fd, old.st_uid, old.st_gid) != 0 && errno != EPERM) error = errno;
        if (error == 0 && ::fchmod(fd, old.st_mode & 07777) != 0) error = errno;
    }
    if (error == 0) error = write_all(fd, f.bytes);
    struct stat written {};
    if (error == 0 && ::fstat(fd, &written) != 0) error = errno;
    if (::close(fd) != 0 && error == 0) error = errno;
    if (error != 0) {
        ::unlink(w.temporary.constData());
        return FileError{f.path, system_reason(error)};
    }
    w.device = written.st_dev;
    return w;
}

// Gives the file its name: swapped with the file standing there, which keeps the temporary name
// until the group is done, or moved where nothing stands.
int take_name(Written& w, const GroupSteps& steps) {
    struct stat st {};
    const bool replaces = ::lstat(w.target.constData(), &st) == 0;
    const unsigned flags = replaces ? RENAME_EXCHANGE : RENAME_NOREPLACE;
    if (steps.rename(AT_FDCWD, w.temporary.constData(), AT_FDCWD, w.target.constData(), flags) != 0)
        return errno;
    w.exchanged = replaces;
    w.named = true;
    return 0;
}

// The old file back at its name, or the new one out of the way, to go with the temporaries.
void put_back(const Written& w) {
    if (w.exchanged) {
        ::renameat2(AT_FDCWD, w.temporary.constData(), AT_FDCWD, w.target.constData(),
                    RENAME_EXCHANGE);
    } else if (w.named) {
        ::rename(w.target.constData(), w.temporary.constData());
    }
}

void remove_temporaries(const std::vector<Written>& written) {
    for (const Written& w : written) ::unlink(w.temporary.constData());
}

// One flush per file system for the whole group, instead of one per file: every file's bytes
// are on the disk before any takes its name, so a name never leads to bytes still in memory.
int flush(const std::vector<Written>& written) {
    std::set<dev_t> flushed;
    for (const Written& w : written) {
        if (!flushed.insert(w.device).second) continue;
        const int fd = ::open(w.temporary.constData(), O_RDONLY | O_CLOEXEC);
        if (fd < 0) return errno;
        const int error = ::syncfs(fd) == 0 ? 0 : errno;
        ::close(fd);
        if (error != 0) return error;
    }
    return 0;
}

}  // namespace

FileStatus write_group(const std::vector<GroupFile>& files, const GroupSteps& steps) {
    std::vector<Written> written;
    const auto give_up = [&](FileError error) {
        remove_temporaries(written);
        return error;
    };
    for (const GroupFile& f : files) {
        FileResult<Written> w = write_beside(f);
        if (!w) return give_up(w.error());
        written.push_back(std::move(w.value()));
    }
    if (const int error = flush(written); error != 0) {
        return give_up({files.front().path, system_reason(error)});
    }
    for (std::size_t k = 0; k < written.size(); ++k) {
        if (const int error = take_name(written[k], steps); error != 0) {
            for (std::size_t j = k; j-- > 0;) put_back(written[j]);
            return give_up({files[k].path, system_reason(error)});
        }
    }
    remove_temporaries(written);  // the files replaced
    return {};
}

}  // namespace kelvara::sprites
