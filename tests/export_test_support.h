#pragma once

#include <gtest/gtest.h>
#include <iconv.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <string>

namespace kelvara::testing {

inline QByteArray read_all(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return f.readAll();
}

inline bool write_all(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// Shift-JIS bytes back to text, through the system's converter in the other direction.
inline QString decode_cp932(const QByteArray& bytes) {
    iconv_t cd = iconv_open("UTF-8", "CP932");
    if (cd == reinterpret_cast<iconv_t>(-1)) return QStringLiteral("<no CP932 decoder>");
    QByteArray in = bytes;
    QByteArray out(bytes.size() * 3 + 4, '\0');
    char* in_ptr = in.data();
    char* out_ptr = out.data();
    std::size_t in_left = static_cast<std::size_t>(in.size());
    std::size_t out_left = static_cast<std::size_t>(out.size());
    const std::size_t done = iconv(cd, &in_ptr, &in_left, &out_ptr, &out_left);
    iconv_close(cd);
    if (done == static_cast<std::size_t>(-1)) return QStringLiteral("<not CP932>");
    out.truncate(out.size() - static_cast<qsizetype>(out_left));
    return QString::fromUtf8(out);
}

// A process id that certainly runs no more: a child that has exited and been waited for.
inline pid_t dead_pid() {
    const pid_t child = fork();
    if (child == 0) _exit(0);
    waitpid(child, nullptr, 0);
    return child;
}

// The names in a folder, hidden ones and leftovers such as temporary files included.
inline QStringList entries(const QString& folder) {
    return QDir(folder).entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

// Every name in a folder with what stands there: a file's bytes, "-> target" for a link, the
// names in a folder in brackets, "pipe" for anything else. Nothing is followed or opened that
// could block.
inline QString snapshot(const QString& folder) {
    QStringList shown;
    for (const QString& name : entries(folder)) {
        const QString path = folder + QLatin1Char('/') + name;
        struct stat st {};
        ::lstat(QFile::encodeName(path).constData(), &st);
        QString what = QStringLiteral("pipe");
        if (S_ISREG(st.st_mode)) what = QString::fromUtf8(read_all(path));
        if (S_ISLNK(st.st_mode)) {
            char target[4096];
            const ssize_t n =
                ::readlink(QFile::encodeName(path).constData(), target, sizeof target);
            what = QStringLiteral("-> ") + QString::fromUtf8(target, n < 0 ? 0 : n);
        }
        if (S_ISDIR(st.st_mode)) what = QLatin1Char('[') + entries(path).join(' ') + ']';
        shown << name + QStringLiteral(": ") + what;
    }
    return shown.join(QStringLiteral(", "));
}

// A small tmpfs of its own, to have a full or read-only file system in a test. Needs the right to
// mount; mounted() tells whether it worked.
class ScratchFileSystem {
  public:
    ScratchFileSystem(const QString& where, const char* options, unsigned long flags = 0)
        : path_(where) {
        QDir().mkpath(where);
        mounted_ =
            ::mount("tmpfs", QFile::encodeName(where).constData(), "tmpfs", flags, options) == 0;
    }
    ~ScratchFileSystem() {
        if (mounted_) ::umount2(QFile::encodeName(path_).constData(), MNT_DETACH);
    }
    ScratchFileSystem(const ScratchFileSystem&) = delete;
    ScratchFileSystem& operator=(const ScratchFileSystem&) = delete;
    bool mounted() const { return mounted_; }

  private:
    QString path_;
    bool mounted_ = false;
};

}  // namespace kelvara::testing
