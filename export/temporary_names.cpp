#include "export/temporary_names.h"

#include <fcntl.h>

#include <QRandomGenerator>
#include <cstdint>
#include <limits>

namespace kelvara {

namespace {

constexpr int random_digits = 16;

bool is_digit(char c) {
    return c >= '0' && c <= '9';
}
bool is_hex_digit(char c) {
    return is_digit(c) || (c >= 'a' && c <= 'f');
}

}  // namespace

FileDescriptor create_temporary(int dir_fd, const QByteArray& prefix, const QByteArray& suffix,
                                QByteArray& name) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        // From the system's source of random numbers, which another user cannot predict.
        const quint64 random = QRandomGenerator::system()->generate64();
        name = prefix + QByteArray::number(random, 16).rightJustified(random_digits, '0') + suffix;
        const int fd = ::openat(dir_fd, name.constData(),
                                O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return FileDescriptor(fd);
    }
    errno = EEXIST;
    return FileDescriptor();
}

QByteArray batch_temporary_prefix_of(pid_t writer) {
    return QByteArray(batch_temporary_prefix.data(),
                      static_cast<qsizetype>(batch_temporary_prefix.size())) +
           QByteArray::number(writer) + '-';
}

pid_t batch_temporary_writer(std::string_view name) {
    if (!name.starts_with(batch_temporary_prefix)) return 0;
    name.remove_prefix(batch_temporary_prefix.size());
    // At most ten digits are read, so the number cannot overflow on its way to the limit.
    constexpr std::size_t most_digits = 10;
    std::size_t digits = 0;
    std::int64_t pid = 0;
    while (digits < name.size() && is_digit(name[digits])) {
        if (digits == most_digits) return 0;
        pid = pid * 10 + (name[digits] - '0');
        ++digits;
    }
    if (digits == 0 || name[0] == '0' || pid > std::numeric_limits<pid_t>::max()) return 0;
    name.remove_prefix(digits);
    if (name.size() != 1 + random_digits || name[0] != '-') return 0;
    for (char c : name.substr(1)) {
        if (!is_hex_digit(c)) return 0;
    }
    return static_cast<pid_t>(pid);
}

}  // namespace kelvara
