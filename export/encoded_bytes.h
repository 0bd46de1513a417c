#pragma once

#include <QByteArray>

#include "formats/encoded.h"

namespace kelvara {

// An encoder's bytes as the file writers take them.
inline QByteArray byte_array(const formats::Bytes& bytes) {
    return QByteArray(reinterpret_cast<const char*>(bytes.data()),
                      static_cast<qsizetype>(bytes.size()));
}

}  // namespace kelvara
