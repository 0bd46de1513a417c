// Playing an animation by the clock: the frames, their times and the ways playing stops and goes
// on, with the time given step by step.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "sprites/ui/animation_playback.h"

namespace kelvara::sprites {
namespace {

using Speed = AnimationPlayback::Speed;

AnimationPlayback started(const char* name) {
    AnimationPlayback p;
    p.start(*catalogue::find_animation(name), 0);
    return p;
}

// The cell showing at each millisecond from 0 to until, the clock read every millisecond.
std::vector<int> cells_until(AnimationPlayback& p, int until) {
    std::vector<int> cells;
    for (int t = 0; t <= until; ++t) {
        p.advance(t);
        cells.push_back(p.cell());
    }
    return cells;
}

// The cells as the catalogue's frame time lays them out: each shown for ms, in order.
std::vector<int> expected_cells(const std::vector<int>& order, int ms, int until) {
    std::vector<int> cells;
    for (int t = 0; t <= until; ++t) {
        cells.push_back(
            order[std::min<std::size_t>(static_cast<std::size_t>(t / ms), order.size() - 1)]);
    }
    return cells;
}

TEST(AnimationPlayback, FramesShowForTheCatalogueTimeInPlayedOrder) {
    const struct {
        const char* name;
        bool loops;
        int ms;
        std::size_t frames;      // as played in one pass
        std::vector<int> order;  // two passes of a looping animation; one and then some of the rest
    } cases[] = {
        {"walk", true, 120, 8, {4, 5, 6, 7, 8, 9, 10, 11, 4, 5, 6, 7, 8, 9, 10, 11}},
        // Ping-pong comes back without showing either end twice.
        {"dizzy", true, 200, 4, {16, 17, 18, 17, 16, 17, 18, 17}},
        {"stand", true, 400, 2, {0, 1, 0, 1}},
        {"burnt", true, 500, 1, {22, 22}},
        // Played once, the last frame stays.
        {"jump", false, 110, 6, {20, 21, 22, 23, 24, 25, 25, 25, 25}},
        {"catch", false, 150, 3, {62, 63, 65, 65, 65}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        AnimationPlayback p = started(c.name);
        EXPECT_EQ(p.animation().loops(), c.loops);
        EXPECT_EQ(p.played().size(), c.frames);
        const int until = static_cast<int>(c.order.size()) * c.ms - 1;
        EXPECT_EQ(cells_until(p, until), expected_cells(c.order, c.ms, until));
    }
}

TEST(AnimationPlayback, AnAnimationPlayedOnceStopsOnItsLastFrameUntilPlayedAgain) {
    AnimationPlayback p = started("jump");
    p.advance(659);
    EXPECT_EQ(p.cell(), 25);
    EXPECT_TRUE(p.playing());
    p.advance(660);
    EXPECT_EQ(p.cell(), 25);
    EXPECT_FALSE(p.playing());
    EXPECT_EQ(p.until_next_frame(), std::nullopt);
    p.advance(5000);
    EXPECT_EQ(p.cell(), 25);
    p.play(5000);
    EXPECT_EQ(p.cell(), 20);
    p.advance(5109);
    EXPECT_EQ(p.cell(), 20);
    p.advance(5110);
    EXPECT_EQ(p.cell(), 21);
}

TEST(AnimationPlayback, SpeedScalesTheTimeLeftOfTheFrameShowing) {
    const struct {
        Speed speed;
        int switch_at;  // walk at normal speed until then, then the new speed
        int next_at;    // when the second frame comes
    } cases[] = {
        {Speed::normal, 0, 120},
        {Speed::half, 0, 240},
        {Speed::twice, 0, 60},
        // Half of the frame's time shown; the other half at the new speed.
        {Speed::half, 60, 180},
        {Speed::twice, 60, 90},
    };
    for (const auto& c : cases) {
        AnimationPlayback p = started("walk");
        p.set_speed(c.speed, c.switch_at);
        p.advance(c.next_at - 1);
        EXPECT_EQ(p.cell(), 4) << c.next_at;
        EXPECT_EQ(p.until_next_frame(), 1) << c.next_at;
        p.advance(c.next_at);
        EXPECT_EQ(p.cell(), 5) << c.next_at;
    }
}

TEST(AnimationPlayback, PausedOrHeldTimeDoesNotCountAndTheFrameGoesOnFromWhereItWas) {
    for (const bool by_hold : {false, true}) {
        AnimationPlayback p = started("walk");
        p.advance(50);
        if (by_hold) {
            p.set_held(true, 50);
        } else {
            p.pause(50);
        }
        EXPECT_EQ(p.until_next_frame(), std::nullopt);
        // Nothing reads the clock while it stands still, as the window's timer stops.
        if (by_hold) {
            EXPECT_TRUE(p.playing()) << "a hold is not the user's pause";
            p.set_held(false, 3000);
        } else {
            p.play(3000);
        }
        EXPECT_EQ(p.cell(), 4);
        EXPECT_EQ(p.until_next_frame(), 70);
        p.advance(3069);
        EXPECT_EQ(p.cell(), 4);
        p.advance(3070);
        EXPECT_EQ(p.cell(), 5);
    }
}

TEST(AnimationPlayback, StepPausesAndShowsTheNextFrameAfterTheLastTheFirst) {
    AnimationPlayback p = started("dizzy");
    std::vector<int> cells;
    for (int k = 0; k < 5; ++k) {
        p.step(10 * k);
        cells.push_back(p.cell());
    }
    EXPECT_EQ(cells, (std::vector<int>{17, 18, 17, 16, 17}));
    EXPECT_FALSE(p.playing());
    p.play(100);
    p.advance(299);
    EXPECT_EQ(p.cell(), 17) << "a stepped frame shows for its whole time";
    p.advance(300);
    EXPECT_EQ(p.cell(), 18);
}

TEST(AnimationPlayback, AClockChangeCountsNothingInBetween) {
    AnimationPlayback p = started("walk");
    p.advance(100);
    p.reset_clock(-5000);
    p.advance(-4981);
    EXPECT_EQ(p.cell(), 4);
    p.advance(-4980);
    EXPECT_EQ(p.cell(), 5);
}

}  // namespace
}  // namespace kelvara::sprites
