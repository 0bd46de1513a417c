#include "export/file_error.h"

#include <cstring>

namespace kelvara {

QString describe(const FileError& error) {
    const QString where = shortened(error.path);
    if (error.line > 0)
        return QStringLiteral("%1: line %2: %3").arg(where).arg(error.line).arg(error.reason);
    return QStringLiteral("%1: %2").arg(where, error.reason);
}

QString shortened(const QString& text, int max) {
    QString shown = text;
    if (shown.size() > max) {
        qsizetype head = (max - 1) / 2;
        qsizetype tail = max - 1 - head;
        // Never cut a character written as two UTF-16 units in half.
        if (head > 0 && shown.at(head - 1).isHighSurrogate()) --head;
        if (tail > 0 && shown.at(shown.size() - tail).isLowSurrogate()) --tail;
        shown = shown.left(head) + QChar(0x2026) + shown.right(tail);
    }
    for (QChar& c : shown) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F) c = QLatin1Char('?');
    }
    return shown;
}

QString system_reason(int error_number) {
    return QString::fromLocal8Bit(std::strerror(error_number));
}

}  // namespace kelvara
