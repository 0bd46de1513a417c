#include "formats/palette_indexer.h"

#include <algorithm>

namespace kelvara::formats {

PaletteIndexer::PaletteIndexer(std::optional<Colour> reserved) {
    if (reserved) entry(*reserved);
}

std::optional<std::uint8_t> PaletteIndexer::entry(Colour c) {
    auto it = entry_of_.find(c);
    if (it == entry_of_.end()) {
        if (palette_.size() == limit) return std::nullopt;
        it = entry_of_.emplace(c, static_cast<std::uint8_t>(palette_.size())).first;
        palette_.push_back(c);
    }
    return it->second;
}

std::optional<Bytes> PaletteIndexer::indices(const PixelView& picture) {
    const auto width = static_cast<std::size_t>(std::max(picture.width, 0));
    const auto height = static_cast<std::size_t>(std::max(picture.height, 0));
    Bytes out(width * height);
    if (out.empty()) return out;
    if (!started_) {
        const std::optional<std::uint8_t> e = entry(picture.at(0, 0));
        if (!e) return std::nullopt;
        started_ = true;
        last_ = picture.at(0, 0);
        last_entry_ = *e;
    }
    // Kept in locals: a store through the byte pointer may alias any member, which would make
    // the compiler reload them at every pixel.
    Colour last = last_;
    std::uint8_t last_entry = last_entry_;
    std::uint8_t* at = out.data();
    for (int y = 0; y < picture.height; ++y) {
        const Colour* in = picture.row(y);
        for (std::size_t x = 0; x < width; ++x) {
            const Colour c = in[x];
            if (c != last) {
                const std::optional<std::uint8_t> e = entry(c);
                if (!e) return std::nullopt;
                last = c;
                last_entry = *e;
            }
            *at++ = last_entry;
        }
    }
    last_ = last;
    last_entry_ = last_entry;
    return out;
}

}  // namespace kelvara::formats
