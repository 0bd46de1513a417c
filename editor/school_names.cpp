#include "editor/school_names.h"

#include <array>
#include <utility>

namespace kelvara {

namespace {

// Cloth colour index and the school that wears it. Colours 0 and 34 are the same school's.
const std::array<std::pair<int, const char*>, 24> school_by_colour = {{
    {0, "大門高校"},        {34, "大門高校"},     {2, "黒鉄工業高校"},  {5, "紅蓮学園"},
    {7, "白鷺商業高校"},    {9, "疾風館高校"},    {10, "青嵐学院"},     {11, "鬼瓦農業高校"},
    {14, "雷門高校"},       {15, "翠松学園"},     {17, "金剛寺高校"},   {23, "月影女子高校"},
    {25, "波止場水産高校"}, {27, "桜花台高校"},   {29, "鉄拳実業高校"}, {30, "藍染学園"},
    {31, "朱雀高校"},       {35, "銀狼工業高校"}, {38, "山吹中学校"},   {39, "玄武学院"},
    {41, "菖蒲ヶ丘高校"},   {43, "琥珀商業高校"}, {48, "白虎高校"},     {49, "蒼龍学園"},
}};

}  // namespace

QString school_name_for_cloth_colour(int cloth_color) {
    for (const auto& [colour, name] : school_by_colour) {
        if (colour == cloth_color) return QString::fromUtf8(name);
    }
    return {};
}

}  // namespace kelvara
