// The bar every character's head must clear: faces, hairs and whole heads set apart from each
// other, clean one-pixel outlines, clusters rather than specks, and a closed jaw on the body.

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "compositor/character_draw.h"
#include "model/families.h"
#include "sheetgen_support.h"
#include "tools/sheetgen/cast.h"
#include "tools/sheetgen/character.h"

namespace kelvara::sheetgen_test {
namespace {

constexpr int shown_rows = 13;  // head rows a body shows

struct Heads {
    std::vector<Surface> faces, hairs, heads;
};

const Heads& heads() {
    static const Heads all = [] {
        Heads h;
        for (int i = 0; i < face_count; ++i) {
            h.faces.push_back(head_cell(generated().face_set, i));
            h.hairs.push_back(head_cell(generated().hair_set, i));
            h.heads.push_back(sheetgen::character_head(i));
        }
        return h;
    }();
    return all;
}

int difference(const Surface& a, const Surface& b, int rows) {
    int d = 0;
    for (int y = 0; y < rows; ++y) {
        for (int x = 0; x < a.width(); ++x) d += a.GetPixel(x, y) != b.GetPixel(x, y) ? 1 : 0;
    }
    return d;
}

// The smallest difference between any two of the pictures, and a pair that has it.
struct Closest {
    int pixels = 1 << 30;
    int a = -1, b = -1;
};
Closest closest_pair(const std::vector<Surface>& pictures, int rows, int skip) {
    Closest c;
    for (int i = 0; i < face_count; ++i) {
        for (int j = i + 1; j < face_count && i != skip; ++j) {
            if (j == skip) continue;
            const int d = difference(pictures[i], pictures[j], rows);
            if (d < c.pixels) c = {d, i, j};
        }
    }
    return c;
}

TEST(SheetgenHeads, FacesHairsAndHeadsAreSetApart) {
    const Closest faces = closest_pair(heads().faces, shown_rows, -1);
    EXPECT_GE(faces.pixels, 6) << "faces " << faces.a << " and " << faces.b;
    const Closest hairs = closest_pair(heads().hairs, 19, 75);
    EXPECT_GE(hairs.pixels, 8) << "hairs " << hairs.a << " and " << hairs.b;
    const Closest whole = closest_pair(heads().heads, shown_rows, -1);
    EXPECT_GE(whole.pixels, 1) << "heads " << whole.a << " and " << whole.b;
}

bool key_at(const Surface& s, int x, int y) {
    return !s.contains(x, y) || s.GetPixel(x, y) == key_color;
}

constexpr Point steps[] = {{-1, 0}, {1, 0}, {0, -1}, {0, 1}};

TEST(SheetgenHeads, TheEdgeAgainstTheKeyIsOutline) {
    for (int i = 0; i < face_count; ++i) {
        const Surface& head = heads().heads[i];
        int edge = 0, outlined = 0;
        for (int y = 0; y < shown_rows; ++y) {
            for (int x = 0; x < 19; ++x) {
                if (key_at(head, x, y)) continue;
                bool touches = false;
                for (const Point s : steps) touches = touches || key_at(head, x + s.x, y + s.y);
                if (!touches) continue;
                ++edge;
                outlined += is_outline(head.GetPixel(x, y)) ? 1 : 0;
            }
        }
        EXPECT_GE(outlined * 100, edge * 95) << "head " << i << ": " << outlined << " of " << edge;
    }
}

// Eye pixels are small by nature: the iris, the grey and the white catch-light in the eye.
bool eye_pixel(const Surface& s, int x, int y) {
    const auto eye = [&](int px, int py) {
        const Colour c = s.GetPixel(px, py);
        return c == eye_template || c == eye_grey_template;
    };
    if (eye(x, y)) return true;
    if (s.GetPixel(x, y) != highlight_white) return false;
    for (const Point st : steps) {
        if (eye(x + st.x, y + st.y)) return true;
    }
    return false;
}

TEST(SheetgenHeads, SpecksAreRare) {
    for (int i = 0; i < face_count; ++i) {
        const Surface& head = heads().heads[i];
        int drawn_pixels = 0, specks = 0;
        for (int y = 0; y < shown_rows; ++y) {
            for (int x = 0; x < 19; ++x) {
                const Colour c = head.GetPixel(x, y);
                if (c == key_color) continue;
                ++drawn_pixels;
                if (is_outline(c) || eye_pixel(head, x, y)) continue;
                bool alone = true;
                for (const Point s : steps) alone = alone && head.GetPixel(x + s.x, y + s.y) != c;
                specks += alone ? 1 : 0;
            }
        }
        EXPECT_LT(specks * 50, drawn_pixels) << "head " << i << ": " << specks << " specks";
    }
}

// On the body the face's jaw runs on into the pose's: outline at both sides, skin between, and
// no skin left open to the background on either row of the seam.
TEST(SheetgenHeads, EveryHeadClosesTheJawOnTheStandingPose) {
    const int seam = head_offset.y + head_rows_behind - 1;
    for (int i = 0; i < face_count; ++i) {
        const Surface frame = sheetgen::character_on_pose(i, 0);
        for (const int y : {seam, seam + 1}) {
            const int left = head_offset.x + 3, right = head_offset.x + 15;
            EXPECT_TRUE(is_outline(frame.GetPixel(left, y)) && is_outline(frame.GetPixel(right, y)))
                << "character " << i << " row " << y;
            for (int x = left + 1; x < right; ++x) {
                ASSERT_TRUE(is_skin(frame.GetPixel(x, y))) << "character " << i << " at " << x;
            }
            EXPECT_FALSE(is_skin(frame.GetPixel(left - 1, y)) ||
                         is_skin(frame.GetPixel(right + 1, y)))
                << "character " << i << " row " << y;
        }
    }
}

// Long hair reads as long on a body that shows only rows 0..12: on the jaw's row it hangs beside
// the face at both sides and leaves the jaw itself to the body.
TEST(SheetgenHeads, LongHairHangsBesideTheJawRow) {
    constexpr int row = shown_rows - 1;
    int long_hairs = 0;
    for (int i = 0; i < face_count; ++i) {
        if (sheetgen::hair_look(i).cut != sheetgen::Cut::long_hair) continue;
        ++long_hairs;
        const Surface& hair = heads().hairs[i];
        bool front = false, back = false;
        for (int x = 0; x < 3; ++x) front = front || !key_at(hair, x, row);
        for (int x = 16; x < 19; ++x) back = back || !key_at(hair, x, row);
        EXPECT_TRUE(front && back) << "hair " << i;
        for (int x = 3; x <= 15; ++x)
            EXPECT_TRUE(key_at(hair, x, row)) << "hair " << i << " at " << x;
    }
    EXPECT_GT(long_hairs, 10);
}

// Hair is lit as one mass: the dark shade is for shadow and the lines between locks, never the
// whole of it, and a head of hair with room for it catches the light.
TEST(SheetgenHeads, HairIsLitNotAllShadow) {
    for (int i = 0; i < face_count; ++i) {
        const Surface& hair = heads().hairs[i];
        int tones[3] = {0, 0, 0};
        for (int y = 0; y < 19; ++y) {
            for (int x = 0; x < 19; ++x) {
                for (std::size_t k = 0; k < 3; ++k) {
                    tones[k] += hair.GetPixel(x, y) == hair_template[k] ? 1 : 0;
                }
            }
        }
        const int all = tones[0] + tones[1] + tones[2];
        if (all < 30) continue;
        EXPECT_LT(tones[2] * 100, all * 80)
            << "hair " << i << ": " << tones[2] << " dark of " << all;
        if (!sheetgen::hair_look(i).band && all >= 50) {
            EXPECT_GE(tones[0], 2) << "hair " << i << " has no light";
        }
    }
}

// The index dialog labels its rows from this table.
TEST(SheetgenFamilies, TwelveRunsInOrderWithShortNames) {
    const std::pair<int, int> runs[] = {{0, 38},    {40, 55},   {207, 289}, {290, 293},
                                        {296, 339}, {340, 353}, {354, 374}, {379, 383},
                                        {403, 475}, {476, 503}, {504, 638}, {639, 675}};
    ASSERT_EQ(std::size(runs), families::table.size());
    std::set<std::string_view> names;
    for (std::size_t k = 0; k < families::table.size(); ++k) {
        const families::Family& f = families::table[k];
        EXPECT_EQ(std::make_pair(f.first, f.last), runs[k]);
        // Full-width characters take three bytes in UTF-8.
        EXPECT_TRUE(f.name.size() >= 15 && f.name.size() <= 24) << f.name;
        names.insert(f.name);
        EXPECT_EQ(families::family_of(f.first), static_cast<int>(k));
        EXPECT_EQ(families::family_of(f.last), static_cast<int>(k));
    }
    EXPECT_EQ(names.size(), families::table.size());
    for (const int between : {39, 56, 206, 294, 295, 375, 384, 402, 676, 711}) {
        EXPECT_EQ(families::family_of(between), -1) << between;
    }
}

}  // namespace
}  // namespace kelvara::sheetgen_test
