#include "export/batch_writer.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <QFile>
#include <algorithm>
#include <cerrno>
#include <cstring>

#include "export/export_paths.h"
#include "export/posix_write.h"

namespace kelvara {

namespace {

// The process id in a temporary name "<prefix><pid>-<name>", or 0 when there is none.
pid_t writer_of(const char* entry, std::size_t prefix_length) {
    const char* p = entry + prefix_length;
    pid_t pid = 0;
    for (; *p >= '0' && *p <= '9'; ++p) pid = pid * 10 + (*p - '0');
    return *p == '-' ? pid : 0;
}

}  // namespace

BatchWriter::BatchWriter(const QString& folder)
    : folder_(folder),
      own_prefix_(QByteArray(temporary_prefix) + QByteArray::number(::getpid()) + '-') {
    dir_fd_ = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir_fd_ < 0) {
        open_error_ = errno;
        return;
    }
    remove_stale_temporaries();
}

BatchWriter::~BatchWriter() {
    discard_pending();
    if (dir_fd_ >= 0) ::close(dir_fd_);
}

FileError BatchWriter::problem(const QByteArray& name, int error) const {
    const QString path =
        name.isEmpty() ? folder_ : export_path(folder_, QFile::decodeName(name), QString());
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
    const std::size_t prefix_length = std::strlen(temporary_prefix);
    std::vector<QByteArray> stale;
    while (const dirent* e = ::readdir(dir)) {
        if (std::strncmp(e->d_name, temporary_prefix, prefix_length) != 0) continue;
        const pid_t pid = writer_of(e->d_name, prefix_length);
        // A writer that still runs (even as another user: EPERM) keeps its files; ours are
        // overwritten anyway.
        if (pid == ::getpid()) continue;
        if (pid > 0 && (::kill(pid, 0) == 0 || errno != ESRCH)) continue;
        stale.emplace_back(e->d_name);
    }
    ::closedir(dir);
    for (const QByteArray& name : stale) {
        if (::unlinkat(dir_fd_, name.constData(), 0) == 0) ++stale_removed_;
    }
}

FileStatus BatchWriter::add(const QString& name, const QByteArray& bytes) {
    const QByteArray final_name = QFile::encodeName(name);
    if (dir_fd_ < 0) return problem(final_name, open_error_);
    const QByteArray temporary = own_prefix_ + final_name;
    const int fd =
        ::openat(dir_fd_, temporary.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0) return problem(final_name, errno);
    int error = write_all(fd, bytes);
    if (::close(fd) != 0 && error == 0) error = errno;
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
    // The new names themselves reach the disk.
    if (::fsync(dir_fd_) != 0) return problem(QByteArray(), errno);
    return {};
}

void BatchWriter::discard_pending() {
    for (const Pending& p : pending_) ::unlinkat(dir_fd_, p.temporary.constData(), 0);
    pending_.clear();
}

}  // namespace kelvara
