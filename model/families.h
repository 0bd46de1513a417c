#pragma once

#include <array>
#include <string_view>

// The character families: runs of character numbers that share a look, each with the short name
// the index dialog shows for it. Plain data, so the art and the program read the same table.
namespace kelvara::families {

struct Family {
    int first;              // first character number of the run
    int last;               // last character number, inclusive
    std::string_view name;  // UTF-8, short enough for a 113-pixel label
};

inline constexpr std::array<Family, 12> table = {{
    {0, 38, "白鷺学園の仲間"},
    {40, 55, "黒潮工業の不良"},
    {207, 289, "女子生徒たち"},
    {290, 293, "覆面格闘団"},
    {296, 339, "運動部の主将"},
    {340, 353, "職員室の先生"},
    {354, 374, "商店街の大人"},
    {379, 383, "山寺の師範"},
    {403, 475, "他校の番長連合"},
    {476, 503, "暴走族・夜風連"},
    {504, 638, "下町の若者衆"},
    {639, 675, "異国の格闘家"},
}};

// The family character `index` belongs to, or -1 for the characters between the runs.
constexpr int family_of(int index) {
    for (int k = 0; k < static_cast<int>(table.size()); ++k) {
        if (index >= table[k].first && index <= table[k].last) return k;
    }
    return -1;
}

}  // namespace kelvara::families
