#pragma once

#include <QByteArray>
#include <QString>

namespace kelvara {

// A file name is whatever bytes the system accepts, not always UTF-8 (a name made on a system
// set up for Shift-JIS, say). These two carry any name through a QString and back unchanged:
// bytes that are UTF-8 become their characters, and every other byte 0xNN becomes the lone
// surrogate U+DCNN, which no UTF-8 text decodes to. Every open, stat and rename of a path the
// user gave goes through name_bytes, so such a name is read and written under exactly its bytes.

// The text of a name's bytes; never fails.
QString name_from_bytes(const QByteArray& bytes);

// The bytes of a name, or none (an empty array) when the text names no file: it is empty,
// holds a NUL, or holds a lone surrogate that stands for no byte.
QByteArray name_bytes(const QString& name);

// The byte that the lone surrogate c stands for in a name, or -1 when it stands for none.
inline int escaped_byte(char16_t c) {
    return c >= 0xDC80 && c <= 0xDCFF ? c - 0xDC00 : -1;
}

}  // namespace kelvara
