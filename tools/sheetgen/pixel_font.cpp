#include "tools/sheetgen/pixel_font.h"

#include <array>

namespace kelvara::sheetgen {

namespace {

struct Glyph {
    char ch;
    std::array<std::string_view, glyph_height> rows;
};

constexpr Glyph glyphs[] = {
    {'0', {"###", "#.#", "#.#", "#.#", "###"}},
    {'1', {".#.", "##.", ".#.", ".#.", "###"}},
    {'2', {"###", "..#", "###", "#..", "###"}},
    {'3', {"###", "..#", ".##", "..#", "###"}},
    {'4', {"#.#", "#.#", "###", "..#", "..#"}},
    {'5', {"###", "#..", "###", "..#", "###"}},
    {'6', {"###", "#..", "###", "#.#", "###"}},
    {'7', {"###", "..#", "..#", ".#.", ".#."}},
    {'8', {"###", "#.#", "###", "#.#", "###"}},
    {'9', {"###", "#.#", "###", "..#", "###"}},
    {'D', {"##.", "#.#", "#.#", "#.#", "##."}},
    {'E', {"###", "#..", "##.", "#..", "###"}},
    {'F', {"###", "#..", "##.", "#..", "#.."}},
    {'G', {".##", "#..", "#.#", "#.#", ".##"}},
    {'H', {"#.#", "#.#", "###", "#.#", "#.#"}},
    {'M', {"#...#", "##.##", "#.#.#", "#...#", "#...#"}},
    {'O', {".#.", "#.#", "#.#", "#.#", ".#."}},
    {'P', {"##.", "#.#", "##.", "#..", "#.."}},
    {'S', {".##", "#..", ".#.", "..#", "##."}},
};

const Glyph* find_glyph(char ch) {
    for (const Glyph& g : glyphs) {
        if (g.ch == ch) return &g;
    }
    return nullptr;
}

}  // namespace

int text_width(std::string_view text) {
    int width = 0;
    for (char ch : text) {
        const Glyph* g = find_glyph(ch);
        if (g == nullptr) continue;
        if (width > 0) ++width;
        width += static_cast<int>(g->rows[0].size());
    }
    return width;
}

void draw_text(Surface& target, Point origin, std::string_view text, Colour colour) {
    int x = origin.x;
    for (char ch : text) {
        const Glyph* g = find_glyph(ch);
        if (g == nullptr) continue;
        for (int j = 0; j < glyph_height; ++j) {
            for (std::size_t i = 0; i < g->rows[j].size(); ++i) {
                if (g->rows[j][i] == '#')
                    target.SetPixel(x + static_cast<int>(i), origin.y + j, colour);
            }
        }
        x += static_cast<int>(g->rows[0].size()) + 1;
    }
}

void draw_text_centred(Surface& target, Point box, int box_width, int box_height,
                       std::string_view text, Colour colour) {
    const Point origin{box.x + (box_width - text_width(text)) / 2,
                       box.y + (box_height - glyph_height) / 2};
    draw_text(target, origin, text, colour);
}

}  // namespace kelvara::sheetgen
