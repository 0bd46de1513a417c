#pragma once

#include <unistd.h>

#include <QByteArray>
#include <cerrno>

namespace kelvara {

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
