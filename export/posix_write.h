#pragma once

#include <unistd.h>

#include <QByteArray>
#include <cerrno>
#include <utility>

namespace kelvara {

// An open file descriptor, closed when it goes.
class FileDescriptor {
  public:
    FileDescriptor() = default;
    explicit FileDescriptor(int fd) : fd_(fd) {}
    FileDescriptor(FileDescriptor&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
    FileDescriptor& operator=(FileDescriptor&& other) noexcept {
        std::swap(fd_, other.fd_);
        return *this;
    }
    ~FileDescriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    int get() const { return fd_; }
    explicit operator bool() const { return fd_ >= 0; }
    // Closes now, for callers that must know whether the close failed: 0 or its errno.
    int close() {
        const int fd = std::exchange(fd_, -1);
        return fd >= 0 && ::close(fd) != 0 ? errno : 0;
    }

  private:
    int fd_ = -1;
};

// Writes all of bytes to fd. A short write (the disk filling up) is retried so that the next one
// names the cause. Returns 0, or the errno of the write that failed.
inline int write_all(int fd, const QByteArray& bytes) {
    qsizetype written = 0;
    while (written < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + written,
                                  static_cast<std::size_t>(bytes.size() - written));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return errno;
        // Nothing written to a regular file means there is no room left.
        if (n == 0) return ENOSPC;
        written += static_cast<qsizetype>(n);
    }
    return 0;
}

}  // namespace kelvara
