// The pose catalogue: names a game can look frames up by, and animations that play the cells they
// are named for.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "model/pose_catalogue.h"

namespace kelvara {
namespace {

using catalogue::Animation;
using catalogue::Direction;
using catalogue::Sheet;

int sheet_size(Sheet sheet) {
    return sheet == Sheet::poses ? pose_count : damage_pose_count;
}

TEST(PoseCatalogue, EveryFrameHasOneNameOfItsOwn) {
    std::set<std::string_view> names;
    for (const Sheet sheet : {Sheet::poses, Sheet::damage}) {
        for (int i = 0; i < sheet_size(sheet); ++i) {
            const std::string_view name = catalogue::frame_name(sheet, i);
            EXPECT_FALSE(name.empty());
            EXPECT_NE(name.front(), ' ');
            EXPECT_NE(name.back(), ' ');
            for (const char c : name) EXPECT_TRUE(c >= 0x20 && c < 0x7F) << name;
            EXPECT_TRUE(names.insert(name).second) << "repeated: " << name;
        }
    }
    EXPECT_EQ(names.size(), 190u);
}

// Each animation the catalogue must have, how many cells it plays, and the names of its first
// and last cells.
TEST(PoseCatalogue, AnimationsPlayTheCellsTheyAreNamedFor) {
    struct Expected {
        const char* name;
        Sheet sheet;
        int count;
        const char* first;
        const char* last;
    };
    const Expected expected[] = {
        {"stand", Sheet::poses, 2, "fighting stance", "stance, breathing out"},
        {"walk", Sheet::poses, 8, "walk 1: far heel down", "walk 8: near toe off"},
        {"run", Sheet::poses, 6, "run 1: far foot strikes", "run 6: far knee through"},
        {"jump", Sheet::poses, 6, "jump: crouch to spring", "jump: landing"},
        {"throw", Sheet::poses, 3, "throw: wind-up", "throw: follow-through"},
        {"catch", Sheet::poses, 3, "catch: high", "holding the ball"},
        {"kit-run", Sheet::poses, 2, "kit: running", "kit: running, other foot"},
        {"hit", Sheet::damage, 2, "hit in the face", "hit in the face, reeling"},
        {"knocked-down", Sheet::damage, 4, "falling backwards", "out cold on the back"},
        {"get-up", Sheet::damage, 3, "on hands and knees", "pushing up off the knees"},
        {"burnt", Sheet::damage, 1, "burnt to a crisp", "burnt to a crisp"},
        {"frozen", Sheet::damage, 1, "frozen mid-stride", "frozen mid-stride"},
    };
    for (const Expected& e : expected) {
        SCOPED_TRACE(e.name);
        const auto a = catalogue::find_animation(e.name);
        ASSERT_TRUE(a.has_value());
        EXPECT_EQ(a->sheet, e.sheet);
        ASSERT_EQ(a->count, e.count);
        EXPECT_EQ(catalogue::frame_name(a->sheet, a->indices().front()), e.first);
        EXPECT_EQ(catalogue::frame_name(a->sheet, a->indices().back()), e.last);
    }
    EXPECT_FALSE(catalogue::find_animation("walk ").has_value());
    EXPECT_FALSE(catalogue::find_animation("").has_value());

    std::set<std::string_view> names;
    for (const Animation& a : catalogue::animations) {
        SCOPED_TRACE(std::string(a.name));
        EXPECT_TRUE(names.insert(a.name).second);
        // One word, as shell completion reads it.
        EXPECT_EQ(a.name.find(' '), std::string_view::npos);
        // GIF frame times count in hundredths of a second.
        EXPECT_TRUE(a.frame_ms >= 20 && a.frame_ms <= 2000 && a.frame_ms % 10 == 0);
        EXPECT_GE(a.count, 1);
        for (const int cell : a.indices()) {
            EXPECT_TRUE(cell >= 0 && cell < sheet_size(a.sheet)) << cell;
        }
    }
}

// Standing, moving and dazed loop, burnt and frozen hold their one frame; everything else is a
// move, a hit or a fall that plays once and stops.
TEST(PoseCatalogue, StandingMovingAndDazedLoopTheRestPlayOnce) {
    const std::set<std::string_view> looping = {"stand", "walk",  "run",   "kit-run",
                                                "dizzy", "burnt", "frozen"};
    for (const Animation& a : catalogue::animations) {
        EXPECT_EQ(a.loops(), looping.contains(a.name)) << a.name;
    }
}

TEST(PoseCatalogue, PingpongComesBackWithoutRepeatingTheEnds) {
    const auto forward = [](std::initializer_list<int> cells, Direction d) {
        Animation a{"x", Sheet::poses, 100, d, static_cast<int>(cells.size()), {}};
        std::copy(cells.begin(), cells.end(), a.frames.begin());
        return catalogue::played_frames(a);
    };
    EXPECT_EQ(forward({4, 5, 6, 7}, Direction::pingpong), (std::vector<int>{4, 5, 6, 7, 6, 5}));
    EXPECT_EQ(forward({16, 17, 18}, Direction::pingpong), (std::vector<int>{16, 17, 18, 17}));
    EXPECT_EQ(forward({3, 9}, Direction::pingpong), (std::vector<int>{3, 9}));
    EXPECT_EQ(forward({22}, Direction::pingpong), (std::vector<int>{22}));
    EXPECT_EQ(forward({9, 11, 12}, Direction::forward), (std::vector<int>{9, 11, 12}));
}

TEST(PoseCatalogue, AFrameTakesItsAnimationsFrameTime) {
    const auto walk = catalogue::find_animation("walk");
    ASSERT_TRUE(walk.has_value());
    for (const int cell : walk->indices()) {
        EXPECT_EQ(catalogue::frame_ms_of(Sheet::poses, cell), walk->frame_ms);
    }
    // Pose 8 walks; damage figure 8, knocked high, is in no animation; nor is pose 97, sitting.
    EXPECT_EQ(catalogue::frame_ms_of(Sheet::damage, 8), catalogue::default_frame_ms);
    EXPECT_EQ(catalogue::frame_ms_of(Sheet::poses, 97), catalogue::default_frame_ms);
}

}  // namespace
}  // namespace kelvara
