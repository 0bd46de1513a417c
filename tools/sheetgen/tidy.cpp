#include "tools/sheetgen/tidy.h"

#include <algorithm>
#include <array>

#include "compositor/sheet_colours.h"

namespace kelvara::sheetgen {

namespace {

// Pixels are settled in reading order, each seeing the ones settled before it, so a checkerboard
// of two tones closes into clusters instead of swapping.
bool merge_once(Surface& s, std::span<const Colour> tones) {
    const auto rank = [&](Colour c) {
        const auto at = std::find(tones.begin(), tones.end(), c);
        return at == tones.end() ? -1 : static_cast<int>(at - tones.begin());
    };
    bool changed = false;
    constexpr int steps[4][2] = {{-1, 0}, {1, 0}, {0, -1}, {0, 1}};
    for (int y = 0; y < s.height(); ++y) {
        for (int x = 0; x < s.width(); ++x) {
            const Colour c = s.GetPixel(x, y);
            if (rank(c) < 0) continue;
            std::array<int, 8> votes{};
            bool alone = true;
            for (const auto& st : steps) {
                const Colour n = s.GetPixel(x + st[0], y + st[1]);
                if (n == c) alone = false;
                if (rank(n) >= 0) ++votes[static_cast<std::size_t>(rank(n))];
            }
            if (!alone) continue;
            int best = -1;
            for (int k = 0; k < static_cast<int>(tones.size()); ++k) {
                if (votes[static_cast<std::size_t>(k)] > 0 &&
                    (best < 0 ||
                     votes[static_cast<std::size_t>(k)] >= votes[static_cast<std::size_t>(best)])) {
                    best = k;
                }
            }
            if (best >= 0) {
                s.SetPixel(x, y, tones[static_cast<std::size_t>(best)]);
                changed = true;
                continue;
            }
            // Shut in by other colours, such as a gap between brow and eye: it closes the gap
            // in the colour most of its neighbours have.
            Colour fill = c;
            int most = 0;
            for (const auto& st : steps) {
                const Colour n = s.GetPixel(x + st[0], y + st[1]);
                int count = 0;
                for (const auto& other : steps) {
                    count += s.GetPixel(x + other[0], y + other[1]) == n ? 1 : 0;
                }
                if (n != invalid_colour && n != key_color && count > most) {
                    fill = n;
                    most = count;
                }
            }
            s.SetPixel(x, y, fill);
            changed = changed || fill != c;
        }
    }
    return changed;
}

}  // namespace

void merge_specks(Surface& s, std::span<const Colour> tones) {
    // Merging one pixel can leave its neighbour alone; a few rounds settle every picture.
    for (int round = 0; round < 4 && merge_once(s, tones); ++round) {
    }
}

void seal_gaps(Surface& hair, const Surface& face, int rows) {
    constexpr int steps[4][2] = {{-1, 0}, {1, 0}, {0, -1}, {0, 1}};
    Surface head = face;
    for (int y = 0; y < head.height(); ++y) {
        for (int x = 0; x < head.width(); ++x) {
            if (hair.GetPixel(x, y) != key_color) head.SetPixel(x, y, hair.GetPixel(x, y));
        }
    }
    for (int y = 0; y < rows; ++y) {
        for (int x = 0; x < head.width(); ++x) {
            const Colour c = head.GetPixel(x, y);
            if (hair.GetPixel(x, y) != key_color || c == key_color || c == outline_black ||
                c == outline_dark || c == eye_template || c == eye_grey_template) {
                continue;
            }
            bool alone = true;
            bool by_hair = false;
            for (const auto& st : steps) {
                alone = alone && head.GetPixel(x + st[0], y + st[1]) != c;
                by_hair = by_hair || hair.GetPixel(x + st[0], y + st[1]) != key_color;
            }
            if (!alone || !by_hair) continue;
            Colour fill = c;
            int most = 0;
            for (const auto& st : steps) {
                const Colour n = head.GetPixel(x + st[0], y + st[1]);
                int count = 0;
                for (const auto& other : steps) {
                    count += head.GetPixel(x + other[0], y + other[1]) == n ? 1 : 0;
                }
                if (n != invalid_colour && n != key_color && count > most) {
                    fill = n;
                    most = count;
                }
            }
            hair.SetPixel(x, y, fill);
        }
    }
}

}  // namespace kelvara::sheetgen
