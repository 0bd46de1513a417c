#include "sprites/ui/animation_playback.h"

#include <algorithm>
#include <cmath>

namespace kelvara::sprites {

void AnimationPlayback::start(const catalogue::Animation& animation, Ms now) {
    animation_ = animation;
    played_ = catalogue::played_frames(animation);
    if (played_.empty()) played_ = {0};
    frame_ = 0;
    shown_ms_ = 0;
    last_ = now;
    playing_ = true;
}

double AnimationPlayback::rate() const {
    switch (speed_) {
        case Speed::half:
            return 0.5;
        case Speed::twice:
            return 2.0;
        case Speed::normal:
            break;
    }
    return 1.0;
}

bool AnimationPlayback::advance(Ms now) {
    const Ms passed = now - last_;
    last_ = now;
    if (!moving() || passed <= 0) return false;
    shown_ms_ += static_cast<double>(passed) * rate();
    const int last_frame = static_cast<int>(played_.size()) - 1;
    bool moved = false;
    while (shown_ms_ >= animation_.frame_ms) {
        if (frame_ == last_frame && !animation_.loops()) {
            // Played once: the last frame stays until the user plays it again.
            playing_ = false;
            shown_ms_ = 0;
            break;
        }
        shown_ms_ -= animation_.frame_ms;
        frame_ = frame_ == last_frame ? 0 : frame_ + 1;
        moved = true;
    }
    return moved;
}

std::optional<AnimationPlayback::Ms> AnimationPlayback::until_next_frame() const {
    if (!moving()) return std::nullopt;
    const double left = (animation_.frame_ms - shown_ms_) / rate();
    return std::max<Ms>(1, static_cast<Ms>(std::ceil(left)));
}

void AnimationPlayback::play(Ms now) {
    advance(now);
    if (playing_) return;
    const bool at_end = !animation_.loops() && frame_ == static_cast<int>(played_.size()) - 1;
    if (at_end) frame_ = 0;
    shown_ms_ = at_end ? 0 : shown_ms_;
    playing_ = true;
}

void AnimationPlayback::pause(Ms now) {
    advance(now);
    playing_ = false;
}

void AnimationPlayback::step(Ms now) {
    pause(now);
    frame_ = (frame_ + 1) % static_cast<int>(played_.size());
    shown_ms_ = 0;
}

void AnimationPlayback::set_speed(Speed speed, Ms now) {
    advance(now);
    speed_ = speed;
}

void AnimationPlayback::set_held(bool held, Ms now) {
    advance(now);
    held_ = held;
}

}  // namespace kelvara::sprites
