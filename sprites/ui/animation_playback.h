#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "model/pose_catalogue.h"

namespace kelvara::sprites {

// Where a playing animation stands: which of its played frames shows and how long it has shown.
// It knows no clock of its own; every call is given the time now, in milliseconds from any fixed
// start, so that a test can drive it step by step and the window by a timer.
class AnimationPlayback {
  public:
    using Ms = std::int64_t;
    enum class Speed { half, normal, twice };

    // Starts the animation at its first frame, playing. A looping animation starts again after
    // its last frame; one that plays once stays on its last frame.
    void start(const catalogue::Animation& animation, Ms now);

    const catalogue::Animation& animation() const { return animation_; }
    // The cells in the order they show, a ping-pong animation unrolled.
    const std::vector<int>& played() const { return played_; }
    // The index into played() of the frame showing, and its cell.
    int frame() const { return frame_; }
    int cell() const { return played_[static_cast<std::size_t>(frame_)]; }

    // Whether the user has it playing; a held animation is playing but does not move.
    bool playing() const { return playing_; }
    bool held() const { return held_; }
    Speed speed() const { return speed_; }

    // Play again after a pause; an animation that has played once to its end starts over.
    void play(Ms now);
    void pause(Ms now);
    // Pauses and shows the next frame, after the last the first.
    void step(Ms now);
    // The frame keeps the share of its time it has already shown.
    void set_speed(Speed speed, Ms now);
    // While held (a dialog is open, the window is closed) time does not count; released, the
    // frame goes on from where it was.
    void set_held(bool held, Ms now);

    // Times from now on come from another clock, which reads now; nothing passes in between.
    void reset_clock(Ms now) { last_ = now; }

    // Moves on by the time passed since the last call. Whether another frame shows.
    bool advance(Ms now);
    // How long until the next frame is due, or none while it stands still.
    std::optional<Ms> until_next_frame() const;

  private:
    bool moving() const { return playing_ && !held_; }
    double rate() const;

    catalogue::Animation animation_{};
    std::vector<int> played_{0};
    int frame_ = 0;
    // How long the frame has shown, in the animation's own milliseconds (the catalogue's).
    double shown_ms_ = 0;
    Ms last_ = 0;
    bool playing_ = false;
    bool held_ = false;
    Speed speed_ = Speed::normal;
};

}  // namespace kelvara::sprites
