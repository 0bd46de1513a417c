#include <gtest/gtest.h>

#include <set>

#include "random/random_generation.h"

namespace kelvara {
namespace {

EditorState start_up_flags() {
    EditorState s;
    s.rnd_face_flg = 1;
    s.rnd_hair_flg = 1;
    s.rnd_hair_color_flg = 1;
    s.rnd_cloth_color_flg = 1;
    s.rnd_cloth2_color_flg = 1;
    s.rnd_cloth3_color_flg = 1;
    return s;
}

std::vector<RandomItem> items_of(const std::vector<RandomDraw>& draws) {
    std::vector<RandomItem> items;
    for (const RandomDraw& d : draws) items.push_back(d.item);
    return items;
}

TEST(CalRandom, CoversTheWholeRangeAndNeverPassesIt) {
    RandomSource source;
    source.seed(7);
    std::set<int> seen;
    for (int i = 0; i < 5000; ++i) {
        const int v = cal_random(source, 25);
        ASSERT_GE(v, 0);
        ASSERT_LE(v, 25);
        seen.insert(v);
    }
    EXPECT_EQ(seen.size(), 26u);
    for (int i = 0; i < 100; ++i) EXPECT_EQ(cal_random(source, 0), 0);
}

TEST(CalRandom, LargestArgumentsStayInRange) {
    RandomSource source;
    source.seed(11);
    int top = 0;
    for (int i = 0; i < 200000; ++i) top = std::max<int>(top, cal_random(source, 32766));
    EXPECT_LE(top, 32766);
    EXPECT_GT(top, 32000);
}

TEST(RandomItems, StartUpFlagsDrawFaceHairAndTheHairAndClothColoursInOrder) {
    RandomSource source;
    source.seed(1);
    const auto draws = draw_random_items(start_up_flags(), 711, 711, source);
    EXPECT_EQ(items_of(draws),
              (std::vector<RandomItem>{RandomItem::face, RandomItem::hair, RandomItem::hair_color,
                                       RandomItem::cloth_color, RandomItem::pants_color,
                                       RandomItem::line_color}));
}

TEST(RandomItems, OneNumberPerDrawnItemSoTheSameSeedGivesTheSameCharacter) {
    EditorState s = start_up_flags();
    RandomSource a;
    RandomSource b;
    a.seed(99);
    b.seed(99);
    const auto first = draw_random_items(s, 711, 711, a);
    // The same seed drawn by hand, one value per item in order, gives the same values.
    std::vector<Int16> by_hand = {cal_random(b, 711), cal_random(b, 711), cal_random(b, 56),
                                  cal_random(b, 77),  cal_random(b, 78),  cal_random(b, 78)};
    ASSERT_EQ(first.size(), by_hand.size());
    for (std::size_t i = 0; i < first.size(); ++i) EXPECT_EQ(first[i].value, by_hand[i]);
}

TEST(RandomItems, DamagePosesKeepFaceAndHairAndDrawPosesUpTo53) {
    EditorState s = start_up_flags();
    s.type_flg = 1;
    s.rnd_cloth_flg = 1;
    RandomSource source;
    source.seed(3);
    int top_pose = 0;
    for (int i = 0; i < 2000; ++i) {
        for (const RandomDraw& d : draw_random_items(s, 711, 711, source)) {
            ASSERT_NE(d.item, RandomItem::face);
            ASSERT_NE(d.item, RandomItem::hair);
            if (d.item == RandomItem::pose) top_pose = std::max<int>(top_pose, d.value);
        }
    }
    EXPECT_EQ(top_pose, 53);
}

TEST(RandomItems, NoFlagsNoDraws) {
    RandomSource source;
    EXPECT_TRUE(draw_random_items(EditorState{}, 711, 711, source).empty());
}

}  // namespace
}  // namespace kelvara
