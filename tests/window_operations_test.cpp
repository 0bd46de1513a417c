#include <QCheckBox>
#include <QTest>
#include <functional>

#include "dialog_access.h"
#include "dialogs/index_dialog.h"
#include "editor_fixture.h"
#include "random/ui/random_dialog.h"

namespace kelvara::testing {
namespace {

struct WindowOperations : EditorFixture {
    void SetUp() override {
        w.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    }
};

// Every operation that changes several selections at once draws and composes exactly once (the
// type switch once for each of its two resets), and leaves redrawing on: the next single change
// draws again.
TEST_F(WindowOperations, EachMultiChangeDrawsOnceAndLeavesRedrawingOn) {
    struct Case {
        const char* name;
        std::function<void()> act;
        int draws;
    };
    const Case cases[] = {
        {"reset", [&] { ui.reset->click(); }, 1},
        {"random", [&] { ui.random->click(); }, 1},
        {"+10", [&] { ui.face_hair_up->click(); }, 1},
        {"-10", [&] { ui.face_hair_down->click(); }, 1},
        {"Max", [&] { ui.face_hair_max->click(); }, 1},
        {"Min", [&] { ui.face_hair_min->click(); }, 1},
        {"stepper up", [&] { ui.face_hair_Scroll->setValue(2); }, 1},
        {"stepper down", [&] { ui.face_hair_Scroll->setValue(0); }, 1},
        {"index jump",
         [&] {
             ui.m_index->trigger();
             auto* d = dynamic_cast<Index_Dialog*>(w.open_dialog_window());
             ASSERT_NE(d, nullptr);
             control<QPushButton>(d, "jump_button(5)")->click();
         },
         1},
        {"type to damage", [&] { ui.type_button[1]->click(); }, 2},
        {"random on damage", [&] { ui.random->click(); }, 1},
        {"reset on damage", [&] { ui.reset->click(); }, 1},
        {"type back", [&] { ui.type_button[0]->click(); }, 2},
    };
    for (const Case& c : cases) {
        const int composes = w.compose_count();
        EXPECT_EQ(draws_during(c.act), c.draws) << c.name;
        EXPECT_EQ(w.compose_count() - composes, c.draws) << c.name;
        EXPECT_EQ(draw_flg(), vb_true) << c.name;
        EXPECT_EQ(ui.face_hair_Scroll->value(), 1) << c.name;
        const int next = ui.eye_color->value() == 0 ? 1 : 0;
        EXPECT_EQ(draws_during([&] { ui.eye_color->setValue(next); }), 1)
            << "redrawing left off by " << c.name;
    }
}

// Each random item, enabled alone through its box in the random settings, lands in its own bar
// and read-out and nowhere else.
TEST_F(WindowOperations, EachRandomItemLandsInItsOwnBarAndReadOutOnly) {
    struct Item {
        const char* box;
        const char* caption;
        const char* bar;
        const char* readout;
        Int16 EditorState::*field;
    };
    const Item items[] = {
        {"face_chk", "顔", "face_type", "dbg_face_num(0)", &EditorState::face_num},
        {"hair_chk", "カミ", "hair_type", "dbg_hair_num(0)", &EditorState::hair_num},
        {"hair_color_chk", "カミの色", "hair_color", "dbg_hair_color_num(0)",
         &EditorState::hair_color_num},
        {"eye_chk", "目の色", "eye_color", "dbg_eye_color_num(0)", &EditorState::eye_color_num},
        {"accessory_chk", "アクセサリーの色", "accessory_color", "dbg_accessory_color_num(0)",
         &EditorState::accessory_color_num},
        {"cloth_chk", "ポーズ", "cloth_type", "dbg_cloth_num(0)", &EditorState::cloth_num},
        {"body_color_chk", "肌の色", "body_color", "dbg_body_color_num(0)",
         &EditorState::body_color_num},
        {"cloth_color_chk", "服の色 1", "cloth_color", "dbg_cloth_color_num(0)",
         &EditorState::cloth_color_num},
        {"pants_color_chk", "服の色 2", "pants_color", "dbg_cloth2_color_num(0)",
         &EditorState::cloth2_color_num},
        {"line_color_chk", "服の色 3", "line_color", "dbg_cloth3_color_num(0)",
         &EditorState::cloth3_color_num},
    };
    w.random_source().seed(11);
    auto bar = [&](const char* name) { return ui.find<QScrollBar>(QString::fromLatin1(name)); };
    for (const Item& item : items) {
        ui.m_random->trigger();
        auto* d = dynamic_cast<Random_Dialog*>(w.open_dialog_window());
        ASSERT_NE(d, nullptr);
        for (const Item& other : items) {
            auto* box = d->findChild<QCheckBox*>(QString::fromLatin1(other.box));
            ASSERT_NE(box, nullptr) << other.box;
            if (&other == &item) {
                EXPECT_EQ(box->text(), QString::fromUtf8(other.caption));
            }
            if (box->isChecked() != (&other == &item)) box->click();
        }
        control<QPushButton>(d, "OKButton")->click();

        std::vector<int> before;
        for (const Item& other : items) before.push_back(bar(other.bar)->value());
        const int start = bar(item.bar)->value();
        for (int tries = 0; tries < 20 && bar(item.bar)->value() == start; ++tries) {
            ui.random->click();
        }
        const int value = bar(item.bar)->value();
        EXPECT_NE(value, start) << item.bar << " never moved";
        EXPECT_EQ(w.state().*item.field, value) << item.bar;
        EXPECT_EQ(ui.find<QLabel>(QString::fromLatin1(item.readout))->text(),
                  QString::number(value));
        for (std::size_t i = 0; i < std::size(items); ++i) {
            if (&items[i] != &item) {
                EXPECT_EQ(bar(items[i].bar)->value(), before[i])
                    << "random " << item.bar << " moved " << items[i].bar;
            }
        }
    }
}

}  // namespace
}  // namespace kelvara::testing
