#pragma once

#include <array>
#include <cstddef>
#include <deque>

#include "model/editor_state.h"

namespace kelvara {

// What makes one character, as a parameter file records it: the sprite type, the ten selections
// and the three options. The drawing size and the background are how it is shown, not what it is.
struct Character {
    Int16 type_flg = 0;
    std::array<Int16, 10> values{};  // indexed by RandomItem
    Int16 eye_grey_flg = 0;
    Int16 body_matte_flg = 0;
    Int16 cloth_matte_flg = 0;

    bool operator==(const Character&) const = default;
};

Character character_of(const EditorState& state);
// base with the character's fields; everything else stays that of base.
EditorState with_character(const EditorState& base, const Character& character);

// The characters shown lately, oldest first, and which of them is shown now. Stepping back and
// forth only moves the mark; a new character after a step back replaces everything ahead of it.
class CharacterHistory {
  public:
    static constexpr std::size_t limit = 100;

    // Adds the character after the one shown, unless it is that one. The oldest beyond the limit
    // are forgotten.
    void record(const Character& character);

    bool can_step_back() const { return shown_ > 0; }
    bool can_step_forward() const { return shown_ + 1 < entries_.size(); }
    // The character one step back or forward, which becomes the one shown; only call these when
    // the step is possible.
    const Character& step_back() { return entries_[--shown_]; }
    const Character& step_forward() { return entries_[++shown_]; }

    std::size_t size() const { return entries_.size(); }

  private:
    std::deque<Character> entries_;
    std::size_t shown_ = 0;
};

}  // namespace kelvara
