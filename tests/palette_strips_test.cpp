#include <gtest/gtest.h>

#include <map>
#include <set>

#include "assets/embedded_assets.h"
#include "compositor/palettes.h"
#include "compositor/sheet_colours.h"
#include "palette_strips.h"

namespace kelvara {
namespace {

struct Strips : ::testing::Test {
    PaletteStrips strips = palettegen::generate_palette_strips();
    Palettes p;
    void SetUp() override { load_palettes(strips, p); }

    std::vector<std::pair<const char*, const Surface*>> all() const {
        return {{"hair", &strips.hair_color_set},
                {"eye", &strips.eye_color_set},
                {"cloth", &strips.cloth_color_set},
                {"cloth23", &strips.cloth_color_23_set},
                {"body", &strips.body_color_set}};
    }
};

TEST_F(Strips, CommittedStripsAreExactlyWhatTheGeneratorDraws) {
    const PaletteStrips embedded = load_embedded_palette_strips();
    EXPECT_EQ(embedded.hair_color_set, strips.hair_color_set);
    EXPECT_EQ(embedded.eye_color_set, strips.eye_color_set);
    EXPECT_EQ(embedded.cloth_color_set, strips.cloth_color_set);
    EXPECT_EQ(embedded.cloth_color_23_set, strips.cloth_color_23_set);
    EXPECT_EQ(embedded.body_color_set, strips.body_color_set);
}

TEST_F(Strips, FixedEntriesHoldTheirColours) {
    for (int k = 1; k <= 3; ++k) EXPECT_EQ(p.hair_palette[0][k], hair_template[k - 1]);
    for (int k = 1; k <= 4; ++k) {
        EXPECT_EQ(p.body_palette[0][k], skin_template[k - 1]);
        EXPECT_EQ(p.cloth_palette[25][k], cloth_template[k - 1]);
        EXPECT_EQ(p.cloth_palette[77][k], RGB(48, 48, 64));
        EXPECT_EQ(p.cloth23_palette[78][k], RGB(48, 48, 64));
        EXPECT_EQ(p.body_palette[32][k], RGB(48, 48, 64));
    }
    for (int k = 1; k <= 3; ++k) EXPECT_EQ(p.hair_palette[56][k], RGB(48, 48, 64));
    EXPECT_EQ(p.eye_palette[1], RGB(48, 48, 64));
    EXPECT_EQ(p.eye_palette[8], eye_template);
    EXPECT_EQ(p.eye_palette[24], RGB(255, 0, 128));
    EXPECT_EQ(p.cloth_palette[0][1], RGB(96, 96, 112));
    EXPECT_EQ(p.cloth_palette[0][4], RGB(240, 240, 248));
    EXPECT_EQ(p.cloth_palette[5][1], RGB(128, 16, 16));
    for (int k = 2; k <= 4; ++k) EXPECT_EQ(p.cloth_palette[5][k], pants_template[k - 2]);
    EXPECT_EQ(p.cloth_palette[19][2], line_template[0]);
    EXPECT_EQ(p.cloth_palette[19][3], line_template[1]);
    EXPECT_EQ(p.cloth23_palette[0][1], RGB(216, 216, 224));
    EXPECT_EQ(p.cloth23_palette[0][2], RGB(181, 181, 189));
    for (int e : {1, 2, 3, 4, 5, 6, 7, 8, 12, 24, 25, 26, 27, 28, 29, 30}) {
        EXPECT_EQ(p.body_palette[e][1], RGB(248, 248, 248)) << e;
    }
}

TEST_F(Strips, PantsAndLineStripIsTheClothStripOneRowLower) {
    for (int i = 0; i < cloth_entries; ++i) EXPECT_EQ(p.cloth23_palette[i + 1], p.cloth_palette[i]);
    for (int e = 0; e < eye_entries; ++e) EXPECT_EQ(p.accessory_palette[e], p.eye_palette[e]);
}

TEST_F(Strips, ReservedColoursOccurNowhereAndTemplatesOnlyInTheirEntries) {
    // Where each template colour may stand: strip name and row.
    std::map<Colour, std::set<std::pair<std::string, int>>> allowed;
    for (Colour c : hair_template) allowed[c] = {{"hair", 0}};
    for (Colour c : skin_template) allowed[c] = {{"body", 0}};
    allowed[eye_template] = {{"eye", 8}};
    for (const auto& [name, strip] : all()) {
        for (int y = 0; y < strip->height(); ++y) {
            for (int x = 0; x < strip->width(); ++x) {
                const Colour c = strip->GetPixel(x, y);
                EXPECT_FALSE(palettegen::is_reserved_colour(c)) << name << " row " << y;
                const auto it = allowed.find(c);
                if (it != allowed.end()) {
                    EXPECT_TRUE(it->second.count({name, y}) == 1) << name << " row " << y;
                }
            }
        }
    }
}

// A ramp reads light to dark when its brightness falls shade by shade.
int brightness(Colour c) {
    return 299 * red_of(c) + 587 * green_of(c) + 114 * blue_of(c);
}

TEST_F(Strips, RampsRunInTheirDirectionAndNeighboursDiffer) {
    for (int e = 1; e < 56; ++e) {
        EXPECT_GT(brightness(p.hair_palette[e][1]), brightness(p.hair_palette[e][2])) << e;
        EXPECT_GT(brightness(p.hair_palette[e][2]), brightness(p.hair_palette[e][3])) << e;
        EXPECT_NE(p.hair_palette[e][2], p.hair_palette[e + 1][2]) << e;
    }
    for (int e = 1; e < 77; ++e) {
        for (int k = 1; k < 4; ++k) {
            EXPECT_LT(brightness(p.cloth_palette[e][k]), brightness(p.cloth_palette[e][k + 1]))
                << e << " shade " << k;
        }
        EXPECT_NE(p.cloth_palette[e][3], p.cloth_palette[e + 1][3]) << e;
    }
    for (int e = 1; e < 32; ++e) {
        for (int k = 1; k < 4; ++k) {
            EXPECT_GT(brightness(p.body_palette[e][k]), brightness(p.body_palette[e][k + 1]))
                << e << " shade " << k;
        }
    }
}

TEST(LoadPalettes, RejectsAStripTooSmallForItsTable) {
    PaletteStrips strips = palettegen::generate_palette_strips();
    strips.cloth_color_set = Surface(4, 77, key_color);
    Palettes p;
    EXPECT_THROW(load_palettes(strips, p), std::runtime_error);
}

}  // namespace
}  // namespace kelvara
