#include "export/folder_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>

#include "export/export_paths.h"
#include "export/output_target.h"

namespace kelvara {

FileResult<FolderLock> FolderLock::take(int folder_fd, const QString& folder,
                                        const std::function<void()>& waiting) {
    const QString path = export_path(folder, QString::fromLatin1(lock_name), QString());
    FolderLock lock;
    lock.folder_ = FileDescriptor(::fcntl(folder_fd, F_DUPFD_CLOEXEC, 0));
    if (!lock.folder_) return FileError{path, system_reason(errno)};
    const int dir = lock.folder_.get();
    bool told = false;
    for (;;) {
        // Read-only is enough for flock, and lets anyone lock a file that another user made.
        // Not blocking, so that a pipe planted there cannot hold the batch up.
        FileDescriptor fd(
            ::openat(dir, lock_name,
                     O_RDONLY | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0644));
        struct stat opened {};
        if (!fd) {
            const int error = errno;
            if (::fstatat(dir, lock_name, &opened, AT_SYMLINK_NOFOLLOW) != 0) return lock;
            return FileError{path, error == ELOOP ? not_a_regular_file() : system_reason(error)};
        }
        if (::fstat(fd.get(), &opened) != 0) return FileError{path, system_reason(errno)};
        if (!S_ISREG(opened.st_mode)) return FileError{path, not_a_regular_file()};
        // Readable by other users whatever the umask, so that their batches can lock it too.
        ::fchmod(fd.get(), 0644);
        if (::flock(fd.get(), LOCK_EX | LOCK_NB) != 0) {
            if (errno != EWOULDBLOCK) return FileError{path, system_reason(errno)};
            if (!told && waiting) waiting();
            told = true;
            while (::flock(fd.get(), LOCK_EX) != 0) {
                if (errno != EINTR) return FileError{path, system_reason(errno)};
            }
        }
        struct stat named {};
        if (::fstatat(dir, lock_name, &named, AT_SYMLINK_NOFOLLOW) == 0 &&
            named.st_dev == opened.st_dev && named.st_ino == opened.st_ino) {
            lock.lock_ = std::move(fd);
            return lock;
        }
    }
}

void FolderLock::release() {
    if (!lock_) return;
    // Removed while still held, so that whoever waits on this file tries the name again.
    ::unlinkat(folder_.get(), lock_name, 0);
    lock_.close();
}

}  // namespace kelvara
