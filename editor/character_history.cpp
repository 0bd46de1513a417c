#include "editor/character_history.h"

#include "model/random_items.h"

namespace kelvara {

Character character_of(const EditorState& state) {
    Character c;
    c.type_flg = state.type_flg;
    for (std::size_t i = 0; i < random_items.size(); ++i) {
        c.values[i] = state.*random_items[i].value;
    }
    c.eye_grey_flg = state.eye_grey_flg;
    c.body_matte_flg = state.body_matte_flg;
    c.cloth_matte_flg = state.cloth_matte_flg;
    return c;
}

EditorState with_character(const EditorState& base, const Character& character) {
    EditorState s = base;
    s.type_flg = character.type_flg;
    for (std::size_t i = 0; i < random_items.size(); ++i) {
        s.*random_items[i].value = character.values[i];
    }
    s.eye_grey_flg = character.eye_grey_flg;
    s.body_matte_flg = character.body_matte_flg;
    s.cloth_matte_flg = character.cloth_matte_flg;
    return s;
}

void CharacterHistory::record(const Character& character) {
    if (!entries_.empty() && entries_[shown_] == character) return;
    if (!entries_.empty()) entries_.resize(shown_ + 1);
    entries_.push_back(character);
    if (entries_.size() > limit) entries_.pop_front();
    shown_ = entries_.size() - 1;
}

}  // namespace kelvara
