#include "export/file_error.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "export/file_names.h"

namespace kelvara {

namespace {

QString hex(char32_t value, int digits) {
    return QStringLiteral("%1").arg(static_cast<uint>(value), digits, 16, QLatin1Char('0'));
}

// How one character (a code point, or a lone surrogate) is shown.
QString shown(char32_t c) {
    switch (c) {
        case U'\n':
            return QStringLiteral("\\n");
        case U'\r':
            return QStringLiteral("\\r");
        case U'\t':
            return QStringLiteral("\\t");
        default:
            break;
    }
    if (c < 0x20 || c == 0x7F) return QStringLiteral("\\x") + hex(c, 2);
    if (c >= 0xD800 && c <= 0xDFFF) {
        const int byte = escaped_byte(static_cast<char16_t>(c));
        return byte >= 0 ? QStringLiteral("\\x") + hex(static_cast<char32_t>(byte), 2)
                         : QStringLiteral("\\u") + hex(c, 4);
    }
    switch (QChar::category(c)) {
        case QChar::Other_Control:
        case QChar::Other_Format:
        case QChar::Other_NotAssigned:
        case QChar::Separator_Line:
        case QChar::Separator_Paragraph:
            return c > 0xFFFF ? QStringLiteral("\\U") + hex(c, 8)
                              : QStringLiteral("\\u") + hex(c, 4);
        default:
            return QString::fromUcs4(&c, 1);
    }
}

}  // namespace

QString describe(const FileError& error) {
    const QString where = shortened(error.path);
    if (error.line > 0)
        return QStringLiteral("%1: line %2: %3").arg(where).arg(error.line).arg(error.reason);
    return QStringLiteral("%1: %2").arg(where, error.reason);
}

QString shortened(const QString& text, int max) {
    // Every character as it is shown, with where each one's form starts, so that the cut never
    // splits an escape or a character written as two UTF-16 units.
    QString all;
    std::vector<qsizetype> starts;
    for (qsizetype i = 0; i < text.size(); ++i) {
        char32_t c = text.at(i).unicode();
        if (text.at(i).isHighSurrogate() && i + 1 < text.size() &&
            text.at(i + 1).isLowSurrogate()) {
            c = QChar::surrogateToUcs4(text.at(i), text.at(i + 1));
            ++i;
        }
        starts.push_back(all.size());
        all += shown(c);
    }
    if (all.size() <= max) return all;
    starts.push_back(all.size());
    const qsizetype room = std::max(max - 1, 0);
    const qsizetype head_room = room / 2;
    std::size_t head = 0;
    while (starts[head + 1] <= head_room) ++head;
    const qsizetype tail_room = room - starts[head];
    std::size_t tail = starts.size() - 1;
    while (all.size() - starts[tail - 1] <= tail_room) --tail;
    return all.left(starts[head]) + QChar(0x2026) + all.mid(starts[tail]);
}

FileError not_enough_memory(const QString& path) {
    return FileError{path, QStringLiteral("not enough memory for the picture")};
}

QString system_reason(int error_number) {
    return QString::fromLocal8Bit(std::strerror(error_number));
}

}  // namespace kelvara
