#include <QAbstractButton>
#include <QGroupBox>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include "editor_fixture.h"

namespace kelvara::testing {
namespace {

using MainWindowLayout = EditorFixture;

struct Placed {
    const char* name;
    int x, y, w, h;
    const char* caption;  // nullptr: no caption to check
};

// Every visible control, in client-area pixels.
const Placed layout[] = {
    {"name(0)", 288, 8, 57, 17, "顔"},
    {"character_view", 8, 16, 268, 268, nullptr},
    {"dbg_face_num(0)", 488, 16, 49, 25, "0"},
    {"face_type", 288, 24, 193, 17, nullptr},
    {"name(1)", 288, 48, 57, 17, "カミ"},
    {"dbg_hair_num(0)", 488, 56, 49, 25, "0"},
    {"hair_type", 288, 64, 193, 17, nullptr},
    {"face_hair_min", 288, 88, 33, 25, "Min"},
    {"face_hair_down", 328, 88, 33, 25, "-10"},
    {"face_hair_Scroll", 368, 88, 33, 25, nullptr},
    {"face_hair_up", 408, 88, 33, 25, "+10"},
    {"face_hair_max", 448, 88, 33, 25, "Max"},
    {"name(2)", 288, 120, 57, 17, "カミの色"},
    {"dbg_hair_color_num(0)", 488, 128, 49, 25, "0"},
    {"hair_color", 288, 136, 193, 17, nullptr},
    {"Frame1", 400, 152, 81, 33, nullptr},
    {"name(3)", 288, 160, 57, 17, "目の色"},
    {"eye_option_t", 352, 163, 49, 17, "灰色部分"},
    {"eye_optjion_b(0)", 408, 160, 41, 17, "On"},
    {"eye_optjion_b(1)", 448, 160, 39, 17, "Off"},
    {"dbg_eye_color_num(0)", 488, 168, 49, 25, "0"},
    {"eye_color", 288, 176, 193, 17, nullptr},
    {"name(8)", 288, 200, 105, 17, "アクセサリーの色"},
    {"dbg_accessory_color_num(0)", 488, 208, 49, 25, "0"},
    {"accessory_color", 288, 216, 193, 17, nullptr},
    {"Frame3", 400, 232, 81, 33, nullptr},
    {"name(6)", 288, 240, 57, 17, "肌の色"},
    {"body_option_t", 352, 243, 49, 25, " ツヤ消し"},
    {"body_c_option_b(0)", 408, 240, 41, 17, "On"},
    {"body_c_option_b(1)", 446, 240, 41, 17, "Off"},
    {"dbg_body_color_num(0)", 488, 248, 49, 25, "0"},
    {"body_color", 288, 256, 193, 17, nullptr},
    {"name(4)", 288, 280, 57, 17, "ポーズ"},
    {"dbg_cloth_num(0)", 488, 288, 49, 25, "0"},
    {"type_Frame", 8, 296, 81, 65, "タイプ"},
    {"size_frame", 96, 296, 105, 89, "描画サイズ"},
    {"cloth_type", 288, 296, 193, 17, nullptr},
    {"random", 208, 304, 65, 25, "ランダム"},
    {"type_button(0)", 16, 312, 65, 17, "かおづら"},
    {"size_button(0)", 104, 312, 41, 17, "×1"},
    {"size_button(1)", 152, 312, 41, 17, "×2"},
    {"Frame2", 400, 312, 81, 33, nullptr},
    {"name(5)", 288, 320, 57, 17, "服の色 1"},
    {"cloth__option_t", 352, 323, 49, 25, " ツヤ消し"},
    {"cloth_c1_option_b(0)", 408, 320, 41, 17, "On"},
    {"cloth_c1_option_b(1)", 446, 320, 41, 17, "Off"},
    {"type_button(1)", 16, 336, 65, 17, "だめーじ"},
    {"size_button(2)", 104, 336, 41, 17, "×3"},
    {"size_button(3)", 152, 336, 41, 17, "×4"},
    {"cloth_color", 288, 336, 193, 17, nullptr},
    {"dbg_cloth_color_num(0)", 488, 336, 49, 25, "0"},
    {"reset", 208, 344, 65, 25, "リセット"},
    {"colth_name_label", 288, 352, 193, 17, nullptr},
    {"size_button(4)", 104, 360, 41, 17, "×5"},
    {"size_button(5)", 152, 360, 41, 17, "×6"},
    {"name(7)", 288, 376, 57, 17, "服の色 2"},
    {"Label1", 344, 376, 137, 17, " ドッジボール：パンツ"},
    {"dbg_cloth2_color_num(0)", 488, 384, 49, 25, "0"},
    {"pants_color", 288, 392, 193, 17, nullptr},
    {"name(9)", 288, 416, 57, 17, "服の色 3"},
    {"Label2", 344, 416, 137, 17, " ドッジボール：ライン"},
    {"dbg_cloth3_color_num(0)", 488, 424, 49, 25, "0"},
    {"line_color", 288, 432, 193, 17, nullptr},
};

QString caption_of(const QWidget* widget) {
    if (const auto* label = qobject_cast<const QLabel*>(widget)) return label->text();
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) return button->text();
    if (const auto* frame = qobject_cast<const QGroupBox*>(widget)) return frame->title();
    return {};
}

TEST_F(MainWindowLayout, EveryControlHasItsPlaceSizeAndCaption) {
    const QWidget* client = w.centralWidget();
    ASSERT_EQ(client->size(), QSize(544, 456));
    for (const Placed& p : layout) {
        const auto* widget = w.findChild<QWidget*>(QString::fromUtf8(p.name));
        ASSERT_NE(widget, nullptr) << p.name;
        const QPoint at = widget->mapTo(client, QPoint(0, 0));
        EXPECT_EQ(QRect(at, widget->size()), QRect(p.x, p.y, p.w, p.h)) << p.name;
        if (p.caption != nullptr) {
            EXPECT_EQ(caption_of(widget), QString::fromUtf8(p.caption)) << p.name;
        }
    }
}

TEST_F(MainWindowLayout, SizeButtonsBelongToTheWindowAndOptionPairsToTheirFrames) {
    for (QRadioButton* b : ui.size_button) EXPECT_EQ(b->parentWidget(), w.centralWidget());
    for (QRadioButton* b : ui.type_button) EXPECT_EQ(b->parentWidget(), ui.type_Frame);
    for (QRadioButton* b : ui.eye_optjion_b) EXPECT_EQ(b->parentWidget(), ui.Frame1);
    for (QRadioButton* b : ui.body_c_option_b) EXPECT_EQ(b->parentWidget(), ui.Frame3);
    for (QRadioButton* b : ui.cloth_c1_option_b) EXPECT_EQ(b->parentWidget(), ui.Frame2);
}

TEST_F(MainWindowLayout, BarsUnderTheInvisibleFramesStayClickable) {
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    for (QScrollBar* bar : {ui.eye_color, ui.body_color, ui.cloth_color}) {
        const int before = bar->value();
        // The right arrow of the bar, which the frame above reaches over.
        QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(bar->width() - 4, 4));
        EXPECT_EQ(bar->value(), before + 1) << bar->objectName().toStdString();
    }
}

TEST_F(MainWindowLayout, TabWalksTheSelectorsAndButtonsInOrder) {
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    w.activateWindow();
    ui.face_type->setFocus();
    // An option group is one stop, at the checked button.
    const std::vector<QWidget*> expected = {ui.face_type,
                                            ui.hair_type,
                                            ui.face_hair_min,
                                            ui.face_hair_down,
                                            ui.face_hair_up,
                                            ui.face_hair_max,
                                            ui.hair_color,
                                            ui.eye_optjion_b[0],
                                            ui.eye_color,
                                            ui.accessory_color,
                                            ui.body_c_option_b[1],
                                            ui.body_color,
                                            ui.cloth_type,
                                            ui.cloth_c1_option_b[1],
                                            ui.cloth_color,
                                            ui.pants_color,
                                            ui.line_color,
                                            ui.type_button[0],
                                            ui.size_button[3],
                                            ui.random,
                                            ui.reset,
                                            ui.face_type};
    std::vector<std::string> walked;
    for (std::size_t i = 0; i < expected.size(); ++i) {
        QWidget* focus = QApplication::focusWidget();
        ASSERT_NE(focus, nullptr);
        walked.push_back(focus->objectName().toStdString());
        QTest::keyClick(focus, Qt::Key_Tab);
    }
    std::vector<std::string> names;
    for (QWidget* e : expected) names.push_back(e->objectName().toStdString());
    EXPECT_EQ(walked, names);
}

TEST_F(MainWindowLayout, MenusCarryTheirItemsAndAccessKeys) {
    const QList<QAction*> menus = w.menuBar()->actions();
    ASSERT_EQ(menus.size(), 4);
    const std::vector<std::pair<QString, std::vector<QString>>> expected = {
        {"ファイル(&F)", {"画像保存(&S)", "終了(&X)"}},
        {"編集(&E)", {"索引(&I)"}},
        {"設定(&O)", {"ランダム(&R)", "背景色(&C)"}},
        {"ヘルプ(&H)", {"バージョン情報(&A)"}}};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(menus[i]->text(), expected[i].first);
        std::vector<QString> items;
        for (const QAction* a : menus[i]->menu()->actions()) {
            EXPECT_TRUE(a->isEnabled());
            EXPECT_FALSE(a->isCheckable());
            EXPECT_TRUE(a->shortcut().isEmpty());
            items.push_back(a->text());
        }
        EXPECT_EQ(items, expected[i].second);
    }
}

TEST_F(MainWindowLayout, AltKeysOpenTheMenus) {
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    w.activateWindow();
    ui.face_type->setFocus();
    for (auto [key, menu] : {std::pair{Qt::Key_F, ui.m_file}, std::pair{Qt::Key_E, ui.m_edit},
                             std::pair{Qt::Key_O, ui.m_config}, std::pair{Qt::Key_H, ui.m_help}}) {
        QTest::keyClick(&w, key, Qt::AltModifier);
        EXPECT_TRUE(QTest::qWaitFor([menu] { return menu->isVisible(); }, 1000))
            << menu->objectName().toStdString();
        // Esc closes the menu, a second Esc leaves the menu bar.
        QTest::keyClick(menu, Qt::Key_Escape);
        QTest::keyClick(w.menuBar(), Qt::Key_Escape);
        ASSERT_TRUE(QTest::qWaitFor([] { return QApplication::activePopupWidget() == nullptr; }));
    }
}

TEST_F(MainWindowLayout, FixedSizeWithMinimiseAndNoMaximiseBox) {
    const Qt::WindowFlags f = w.windowFlags();
    EXPECT_TRUE(f & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(f & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(w.minimumSize(), w.maximumSize());
    EXPECT_FALSE(w.windowIcon().isNull());
    EXPECT_EQ(ui.dbg_face_num[0]->font().pointSizeF(), 15.75);
}

}  // namespace
}  // namespace kelvara::testing
