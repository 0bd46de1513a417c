#pragma once

#include <QByteArray>

#include "formats/encoded.h"

namespace kelvara {

// An encoder's bytes as the file writers take them: a copy, and a view without a copy that is
// valid while the bytes are.
inline QByteArray byte_array(const formats::Bytes& bytes) {
    return QByteArray(reinterpret_cast<const char*>(bytes.data()),
                      static_cast<qsizetype>(bytes.size()));
}
inline QByteArray raw_bytes(const formats::Bytes& bytes) {
    return QByteArray::fromRawData(reinterpret_cast<const char*>(bytes.data()),
                                   static_cast<qsizetype>(bytes.size()));
}

}  // namespace kelvara
