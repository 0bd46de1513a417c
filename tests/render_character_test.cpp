#include "compositor/render_character.h"
#include "editor_fixture.h"

namespace kelvara::testing {
namespace {

using HeadlessRender = EditorFixture;

// Rendering a selection from scratch must give the picture the window shows after the user got
// there step by step, for any selection, sprite type, size and background.
TEST_F(HeadlessRender, MatchesTheMainWindowForRandomSelections) {
    for (RandomItem item : {RandomItem::eye_color, RandomItem::pose, RandomItem::body_color,
                            RandomItem::accessory_color}) {
        w.set_random_flag(item, true);
    }
    w.random_source().seed(2026);
    const Colour backgrounds[] = {RGB(212, 208, 200), RGB(0, 255, 0), RGB(255, 255, 255)};
    for (int round = 0; round < 60; ++round) {
        if (round == 30) ui.type_button[1]->click();
        w.set_back_color(backgrounds[round % 3]);
        ui.size_button[round % 6]->click();
        if (round % 4 == 0) ui.body_c_option_b[round % 8 == 0 ? 0 : 1]->click();
        w.random_Click();
        Workspace fresh;
        render_character(w.sheets(), w.state(), fresh);
        ASSERT_EQ(fresh.pre_pic, w.workspace().pre_pic) << "round " << round;
        ASSERT_EQ(fresh.character_view, w.workspace().character_view) << "round " << round;
    }
}

}  // namespace
}  // namespace kelvara::testing
