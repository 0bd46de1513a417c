#pragma once

#include "formats/encoded.h"
#include "model/pixel_view.h"

namespace kelvara::formats {

// The picture as an uncompressed 24-bit Windows bitmap: a 14-byte file header, a 40-byte
// information header (resolutions 0, no palette), then the rows bottom-up, each pixel blue, green,
// red, each row padded with zero bytes to a multiple of four. A 63 x 63 picture gives 12150 bytes.
// Fails on an empty picture or one whose file would pass the format's 4 GiB.
Encoded encode_bmp(const PixelView& picture);

}  // namespace kelvara::formats
