#pragma once

#include <QByteArray>

#include "compositor/surface.h"

namespace kelvara::cli {

// PNG bytes of a picture of sprites, quick to write for large atlases: a palette image when the
// picture has at most 256 colours (a character always has), lightly compressed. With
// transparent, pixels in the key colour become see-through. Empty when it cannot be encoded.
QByteArray sprite_png(const Surface& picture, bool transparent);

}  // namespace kelvara::cli
