#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <unordered_map>
#include <vector>

#include "formats/encoded.h"
#include "model/pixel_view.h"

namespace kelvara::formats {

// Turns pictures into one palette index a pixel for the palette formats, the palette growing in
// order of first appearance (row by row, picture after picture) up to 256 colours. Several
// pictures given to one indexer share its palette, as the frames of an animation do.
class PaletteIndexer {
  public:
    static constexpr std::size_t limit = 256;

    // With reserved, that colour takes entry 0 before any pixel is seen, whether a picture uses
    // it or not (a GIF's see-through index).
    explicit PaletteIndexer(std::optional<Colour> reserved = std::nullopt);

    // The picture's indices, row by row; nothing when the palette would need more than 256
    // colours.
    std::optional<Bytes> indices(const PixelView& picture);

    const std::vector<Colour>& palette() const { return palette_; }

  private:
    // The entry of c, added when it is new; nothing when the palette is full.
    std::optional<std::uint8_t> entry(Colour c);

    std::vector<Colour> palette_;
    std::unordered_map<Colour, std::uint8_t> entry_of_;
    // Sprite pictures are mostly long runs of one colour, so the last look-up is kept; the first
    // pixel seen is looked up whatever its value.
    bool started_ = false;
    Colour last_ = 0;
    std::uint8_t last_entry_ = 0;
};

}  // namespace kelvara::formats
