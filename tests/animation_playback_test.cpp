// Playing an animation by a clock the test steps: the frames and their times at each speed, and
// time that does not count while paused or held.
#include <gtest/gtest.h>

#include <vector>

#include "sprites/ui/animation_playback.h"

namespace kelvara::sprites {
namespace {

using Speed = AnimationPlayback::Speed;

TEST(AnimationPlayback, FramesShowForTheCatalogueTimeInPlayedOrder) {
    const struct {
        const char* name;
        Speed speed;
        bool loops;
        int ms;                  // a frame's time on the clock
        std::vector<int> order;  // a looping animation twice; one played once, then held
    } cases[] = {
        {"walk", Speed::normal, true, 120, {4, 5, 6, 7, 8, 9, 10, 11, 4, 5, 6, 7, 8, 9, 10, 11}},
        {"dizzy", Speed::normal, true, 200, {16, 17, 18, 17, 16, 17, 18, 17}},
        {"jump", Speed::normal, false, 110, {20, 21, 22, 23, 24, 25, 25, 25, 25}},
        {"catch", Speed::normal, false, 150, {62, 63, 65, 65, 65}},
        {"stand", Speed::half, true, 800, {0, 1, 0, 1}},
        {"dizzy", Speed::twice, true, 100, {16, 17, 18, 17, 16}},
    };
    for (const auto& c : cases) {
        AnimationPlayback p;
        p.start(*catalogue::find_animation(c.name), 0);
        p.set_speed(c.speed, 0);
        std::vector<int> shown, expected;
        for (int t = 0; t < static_cast<int>(c.order.size()) * c.ms; ++t) {
            p.advance(t);  // the clock read every millisecond
            shown.push_back(p.cell());
            expected.push_back(c.order[static_cast<std::size_t>(t / c.ms)]);
        }
        EXPECT_EQ(shown, expected) << c.name;
        EXPECT_EQ(p.playing(), c.loops) << c.name;
    }
}

TEST(AnimationPlayback, PausedOrHeldTimeDoesNotCountAndTheFrameGoesOnFromWhereItWas) {
    for (const bool by_hold : {false, true}) {
        AnimationPlayback p;
        p.start(*catalogue::find_animation("walk"), 0);
        p.advance(50);
        by_hold ? p.set_held(true, 50) : p.pause(50);
        EXPECT_EQ(p.until_next_frame(), std::nullopt);
        // Nothing reads the clock meanwhile, as the window's timer stops; then at half speed
        // the 70 ms left of the frame take 140.
        by_hold ? p.set_held(false, 3000) : p.play(3000);
        p.set_speed(Speed::half, 3000);
        EXPECT_TRUE(p.playing());
        EXPECT_EQ(p.until_next_frame(), 140);
        p.advance(3139);
        EXPECT_EQ(p.cell(), 4);
        p.advance(3140);
        EXPECT_EQ(p.cell(), 5);
    }
}

}  // namespace
}  // namespace kelvara::sprites
