#include "export/file_names.h"

namespace kelvara {

namespace {

bool continuation(unsigned char c) {
    return (c & 0xC0) == 0x80;
}

// The length of the well-formed UTF-8 sequence at bytes[i], or 0. Overlong forms, surrogates and
// code points past U+10FFFF are not well formed, so that each character has one spelling and a
// name's text gives back the very bytes it came from.
int sequence_length(const QByteArray& bytes, qsizetype i) {
    const qsizetype left = bytes.size() - i;
    auto at = [&](qsizetype k) { return static_cast<unsigned char>(bytes[i + k]); };
    const unsigned char lead = at(0);
    if (lead < 0x80) return 1;
    // The allowed range of the second byte depends on the first.
    unsigned char low = 0x80, high = 0xBF;
    int length = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0) low = 0xA0;
        if (lead == 0xED) high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;
    } else {
        return 0;
    }
    if (left < length || at(1) < low || at(1) > high) return 0;
    for (int k = 2; k < length; ++k) {
        if (!continuation(at(k))) return 0;
    }
    return length;
}

}  // namespace

QString name_from_bytes(const QByteArray& bytes) {
    QString text;
    text.reserve(bytes.size());
    for (qsizetype i = 0; i < bytes.size();) {
        const int length = sequence_length(bytes, i);
        if (length == 0) {
            text.append(
                QChar(static_cast<char16_t>(0xDC00 + static_cast<unsigned char>(bytes[i]))));
            ++i;
        } else {
            text.append(QString::fromUtf8(bytes.constData() + i, length));
            i += length;
        }
    }
    return text;
}

QByteArray name_bytes(const QString& name) {
    QByteArray bytes;
    bytes.reserve(name.size());
    for (qsizetype i = 0; i < name.size(); ++i) {
        const char16_t c = name.at(i).unicode();
        if (c == 0) return {};
        if (QChar::isHighSurrogate(c)) {
            if (i + 1 == name.size() || !name.at(i + 1).isLowSurrogate()) return {};
            bytes.append(name.mid(i, 2).toUtf8());
            ++i;
        } else if (QChar::isLowSurrogate(c)) {
            const int byte = escaped_byte(c);
            if (byte < 0) return {};
            bytes.append(static_cast<char>(byte));
        } else if (c < 0x80) {
            bytes.append(static_cast<char>(c));
        } else {
            bytes.append(QString(QChar(c)).toUtf8());
        }
    }
    return bytes;
}

}  // namespace kelvara
