#pragma once

#include <QByteArray>
#include <QString>

#include "compositor/surface.h"
#include "export/file_error.h"
#include "formats/embedded_text.h"
#include "formats/encoded.h"

namespace kelvara::sprites {

// The file encoders as the sprite pipeline uses them; each gives the bytes or the encoder's
// reason. With transparent, pixels in the key colour become see-through. The PNGs carry the text
// given (see formats/embedded_text.h), none by default.

// PNG bytes of a picture of sprites, quick to write for large atlases: a palette image when the
// picture has at most 256 colours (a character always has), lightly compressed; else truecolour.
formats::Encoded sprite_png(const Surface& picture, bool transparent,
                            const formats::EmbeddedText& text = {});
// A truecolour PNG, compressed as small as zlib can, as the save dialog's pictures are written.
formats::Encoded picture_png(const Surface& picture, bool transparent,
                             const formats::EmbeddedText& text = {});
// A 24-bit Windows bitmap, as the save dialog writes it.
formats::Encoded picture_bmp(const Surface& picture);

// The encoded bytes written to path in one step, or why not: an encoder's failure names the file
// with the encoder's reason, as a failed write does with the system's.
FileStatus write_encoded(const QString& path, const formats::Encoded& encoded);

}  // namespace kelvara::sprites
