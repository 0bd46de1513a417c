// The palette indexer both palette writers share: entries in order of first appearance across
// pictures, the reserved colour at entry 0, and no colour value treated as "nothing seen yet".
#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "formats/palette_indexer.h"

namespace kelvara {
namespace {

constexpr Colour a = RGB(10, 20, 30), b = RGB(40, 50, 60), c = RGB(70, 80, 90);
constexpr Colour k = RGB(0, 255, 0);

PixelView row_of(const std::vector<Colour>& pixels) {
    return {pixels.data(), static_cast<int>(pixels.size()), 1,
            static_cast<std::ptrdiff_t>(pixels.size())};
}

TEST(PaletteIndexer, EntriesFollowFirstAppearanceAcrossPictures) {
    const struct {
        const char* name;
        std::optional<Colour> reserved;
        std::vector<std::vector<Colour>> pictures;
        std::vector<Colour> palette;
        std::vector<formats::Bytes> indices;
    } cases[] = {
        {"runs and returns", std::nullopt, {{a, a, b, a, c, c}}, {a, b, c}, {{0, 0, 1, 0, 2, 2}}},
        {"reserved first", k, {{a, k, a}}, {k, a}, {{1, 0, 1}}},
        {"reserved unused", k, {{b}}, {k, b}, {{1}}},
        {"pictures share one palette", std::nullopt, {{a, b}, {c, a}}, {a, b, c}, {{0, 1}, {2, 0}}},
        {"a run carries into the next picture", k, {{a}, {a, b}}, {k, a, b}, {{1}, {1, 2}}},
        // No value stands for "nothing seen yet": not the off-picture value, not black.
        {"off-picture value", k, {{invalid_colour, a}}, {k, invalid_colour, a}, {{1, 2}}},
        {"off-picture first", std::nullopt, {{invalid_colour, b}}, {invalid_colour, b}, {{0, 1}}},
        {"black first", k, {{RGB(0, 0, 0), a}}, {k, RGB(0, 0, 0), a}, {{1, 2}}},
    };
    for (const auto& t : cases) {
        SCOPED_TRACE(t.name);
        formats::PaletteIndexer indexer(t.reserved);
        for (std::size_t i = 0; i < t.pictures.size(); ++i) {
            const std::optional<formats::Bytes> got = indexer.indices(row_of(t.pictures[i]));
            ASSERT_TRUE(got.has_value());
            EXPECT_EQ(*got, t.indices[i]) << "picture " << i;
        }
        EXPECT_EQ(indexer.palette(), t.palette);
    }
}

}  // namespace
}  // namespace kelvara
