#include "editor/char_tool.h"
#include "random/random_generation.h"

// The random button: new values for the items whose random flags are on, drawn once.
namespace kelvara {

void CharTool::random_Click() {
    const std::vector<RandomDraw> draws = draw_random_items(state_, face_max, hair_max, rnd_);
    // Values go into the bars, never the fields, so each bar's handler keeps its field, read-out
    // and cut cell in step; a value equal to the bar's own runs nothing.
    EditorState target = state_;
    for (const RandomDraw& d : draws) target.*random_item(d.item).value = d.value;
    apply_selection(target);
}

}  // namespace kelvara
