#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace kelvara {

// The text in Shift-JIS (code page 932), without a byte-order mark. A character that code page
// 932 cannot represent becomes "?"; the characters around it are kept. Empty when the system has
// no converter for code page 932.
std::optional<QByteArray> to_cp932(const QString& text);

// Shift-JIS text back to a string; empty when the bytes are not valid code page 932 (or the system
// has no converter).
std::optional<QString> from_cp932(const QByteArray& bytes);

}  // namespace kelvara
