#include "export/atomic_write.h"

#include <QSaveFile>

namespace kelvara {

QString write_file_atomically(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    // Unbuffered, so that every write reaches the file at once and a failure comes with the
    // system's reason: a buffered QSaveFile only fails at commit, which in Qt 6.4 does not even
    // report a flush that failed, and a cut-off file would replace the old one.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return file.errorString();
    qsizetype written = 0;
    while (written < bytes.size()) {
        // A short write (the disk filling up) is retried so that the next one names the cause.
        const qint64 n = file.write(bytes.constData() + written, bytes.size() - written);
        if (n <= 0) {
            const QString reason = file.errorString();
            file.cancelWriting();
            return reason;
        }
        written += static_cast<qsizetype>(n);
    }
    if (!file.commit()) return file.errorString();
    return {};
}

}  // namespace kelvara
