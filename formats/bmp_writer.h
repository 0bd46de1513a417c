#pragma once

#include <QByteArray>

#include "compositor/surface.h"

namespace kelvara {

// The surface as an uncompressed 24-bit Windows bitmap: a 14-byte file header, a 40-byte
// information header (resolutions 0, no palette), then the rows bottom-up, each pixel blue, green,
// red, each row padded with zero bytes to a multiple of four. A 63 x 63 picture gives 12150 bytes.
QByteArray encode_bmp(const Surface& picture);

}  // namespace kelvara
