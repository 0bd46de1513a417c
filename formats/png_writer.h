#pragma once

#include <optional>
#include <string>
#include <vector>

#include "formats/encoded.h"
#include "model/pixel_view.h"

namespace kelvara::formats {

// How hard zlib works: fast suits large atlases (several times quicker, a little larger).
enum class PngEffort { fast, small };

// A text entry, written as an uncompressed international text chunk (iTXt) after the header,
// before the image data, so that a reader finds it without passing the pixels. The keyword is
// 1 to 79 printable Latin-1 characters with no leading, trailing or doubled spaces; the text is
// UTF-8 with LF line ends and holds no NUL. Any other entry fails the encoding with bad_text.
struct PngText {
    std::string keyword;
    std::string text;
};

// A truecolour PNG of the picture: 8-bit RGB, or RGBA when see_through is given, in which case
// pixels of that colour become fully transparent black and all others opaque, followed by the
// text entries in their order. Fails on an empty picture or one too large for the format.
Encoded encode_truecolour_png(const PixelView& picture, std::optional<Colour> see_through,
                              PngEffort effort = PngEffort::small,
                              const std::vector<PngText>& text = {});

// An 8-bit palette PNG, the palette in order of first appearance (row by row). With see_through,
// that colour's entry becomes fully transparent black. Text as above. Fails as above, and on a
// picture of more than 256 colours.
Encoded encode_indexed_png(const PixelView& picture, std::optional<Colour> see_through,
                           PngEffort effort = PngEffort::fast,
                           const std::vector<PngText>& text = {});

}  // namespace kelvara::formats
