#pragma once

#include <optional>

#include "formats/encoded.h"
#include "model/pixel_view.h"

namespace kelvara::formats {

// How hard zlib works: fast suits large atlases (several times quicker, a little larger).
enum class PngEffort { fast, small };

// A truecolour PNG of the picture: 8-bit RGB, or RGBA when see_through is given, in which case
// pixels of that colour become fully transparent black and all others opaque. Fails on an empty
// picture or one too large for the format.
Encoded encode_truecolour_png(const PixelView& picture, std::optional<Colour> see_through,
                              PngEffort effort = PngEffort::small);

// An 8-bit palette PNG, the palette in order of first appearance (row by row). With see_through,
// that colour's entry becomes fully transparent black. Fails as above, and on a picture of more
// than 256 colours.
Encoded encode_indexed_png(const PixelView& picture, std::optional<Colour> see_through,
                           PngEffort effort = PngEffort::fast);

}  // namespace kelvara::formats
