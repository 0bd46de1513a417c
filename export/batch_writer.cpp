#include "export/batch_writer.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>

#include "export/export_paths.h"
#include "export/file_names.h"
#include "export/posix_write.h"
#include "export/temporary_names.h"

namespace kelvara {

BatchWriter::BatchWriter(const QString& folder, Waiting waiting)
    : folder_(folder), own_prefix_(batch_temporary_prefix_of(::getpid())) {
    const QByteArray folder_name = name_bytes(folder);
    dir_fd_ = folder_name.isEmpty()
                  ? (errno = ENOENT, -1)
                  : ::open(folder_name.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir_fd_ < 0) {
        open_error_ = errno;
        return;
    }
    auto locked = FolderLock::take(dir_fd_, folder, [&] {
        waited_ = true;
        if (waiting) waiting(folder_);
    });
    if (!locked) {
        lock_error_ = locked.error();
        return;
    }
    lock_.emplace(std::move(locked.value()));
    remove_stale_temporaries();
}

BatchWriter::~BatchWriter() {
    discard_pending();
    lock_.reset();
    if (dir_fd_ >= 0) ::close(dir_fd_);
}

void BatchWriter::say_waiting(const QString& folder) {
    const QString line =
        describe(FileError{folder, QStringLiteral("waiting for the other batch writing into "
                                                  "this folder to finish")});
    std::fprintf(stderr, "%s: %s\n", program_invocation_short_name, line.toLocal8Bit().constData());
}

FileError BatchWriter::problem(const QByteArray& name, int error) const {
    const QString path =
        name.isEmpty() ? folder_ : export_path(folder_, name_from_bytes(name), QString());
    return FileError{path, system_reason(error)};
}

void BatchWriter::remove_stale_temporaries() {
    const int fd = ::dup(dir_fd_);
    if (fd < 0) return;
    DIR* dir = ::fdopendir(fd);
    if (dir == nullptr) {
        ::close(fd);
        return;
    }
    std::vector<QByteArray> stale;
    while (const dirent* e = ::readdir(dir)) {
        const pid_t pid = batch_temporary_writer(e->d_name);
        // A writer that still runs (even as another user: EPERM) keeps its files; ours are
        // overwritten anyway.
        if (pid == 0 || pid == ::getpid()) continue;
        if (::kill(pid, 0) == 0 || errno != ESRCH) continue;
        // Only our own regular files, looked at without following a link.
        struct stat st {};
        if (::fstatat(dir_fd_, e->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0) continue;
        if (S_ISREG(st.st_mode) && st.st_uid == ::geteuid()) stale.emplace_back(e->d_name);
    }
    ::closedir(dir);
    for (const QByteArray& name : stale) {
        if (::unlinkat(dir_fd_, name.constData(), 0) == 0) ++stale_removed_;
    }
}

FileStatus BatchWriter::add(const QString& name, const QByteArray& bytes) {
    const QByteArray final_name = name_bytes(name);
    if (dir_fd_ < 0) return problem(final_name, open_error_);
    if (lock_error_) return *lock_error_;
    if (final_name.isEmpty() || final_name.contains('/') || final_name == "." ||
        final_name == "..") {
        return FileError{export_path(folder_, name, QString()), system_reason(EINVAL)};
    }
    QByteArray temporary;
    FileDescriptor fd = create_temporary(dir_fd_, own_prefix_, QByteArray(), temporary);
    if (!fd) return problem(final_name, errno);
    int error = write_all(fd.get(), bytes);
    if (const int closed = fd.close(); error == 0) error = closed;
    if (error != 0) {
        ::unlinkat(dir_fd_, temporary.constData(), 0);
        return problem(final_name, error);
    }
    const std::lock_guard lock(mutex_);
    pending_.push_back({temporary, final_name});
    return {};
}

FileStatus BatchWriter::commit() {
    if (dir_fd_ < 0) return problem(QByteArray(), open_error_);
    if (lock_error_) return *lock_error_;
    // One flush for the whole batch: every file's bytes are on the disk before any takes its
    // final name, so a name never points at data that could still be lost.
    if (::syncfs(dir_fd_) != 0) {
        const int error = errno;
        discard_pending();
        return problem(QByteArray(), error);
    }
    std::sort(pending_.begin(), pending_.end(),
              [](const Pending& a, const Pending& b) { return a.final_name < b.final_name; });
    for (std::size_t i = 0; i < pending_.size(); ++i) {
        // A link at the name is replaced, as renaming does, never followed.
        if (::renameat(dir_fd_, pending_[i].temporary.constData(), dir_fd_,
                       pending_[i].final_name.constData()) != 0) {
            const int error = errno;
            const QByteArray name = pending_[i].final_name;
            pending_.erase(pending_.begin(), pending_.begin() + static_cast<std::ptrdiff_t>(i));
            discard_pending();
            return problem(name, error);
        }
    }
    pending_.clear();
    // The new names themselves reach the disk, then the next batch may start.
    const int synced = ::fsync(dir_fd_) == 0 ? 0 : errno;
    if (lock_) lock_->release();
    if (synced != 0) return problem(QByteArray(), synced);
    return {};
}

void BatchWriter::discard_pending() {
    for (const Pending& p : pending_) ::unlinkat(dir_fd_, p.temporary.constData(), 0);
    pending_.clear();
}

}  // namespace kelvara
