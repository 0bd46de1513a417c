#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "dialog_access.h"
#include "dialogs/back_color_dialog.h"
#include "dialogs/index_dialog.h"
#include "dialogs/version_dialog.h"
#include "editor_fixture.h"
#include "random/ui/random_dialog.h"
#include "save_dialog_support.h"

namespace kelvara::testing {
namespace {

struct Dialogs : EditorFixture {
    void SetUp() override {
        w.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    }
    // Opens a dialog through its menu item, as the user does.
    template <typename D>
    D* open_from(QAction* item) {
        item->trigger();
        auto* d = dynamic_cast<D*>(w.open_dialog_window());
        EXPECT_NE(d, nullptr);
        EXPECT_TRUE(takes_no_input());
        return d;
    }
    void expect_closed() {
        EXPECT_EQ(w.open_dialog_window(), nullptr);
        EXPECT_TRUE(takes_input());
    }
    QRect client_rect(const QWidget* dialog, const char* name) {
        const auto* c = dialog->findChild<QWidget*>(QString::fromUtf8(name));
        EXPECT_NE(c, nullptr) << name;
        return c == nullptr ? QRect() : QRect(c->mapTo(dialog, QPoint(0, 0)), c->size());
    }
};

// --- random settings ---

TEST_F(Dialogs, RandomSettingsFirstOpeningShowsTheStartUpFlags) {
    auto* d = open_from<Random_Dialog>(ui.m_random);
    const RandomDialogControls c(d);
    EXPECT_EQ(d->windowTitle(), QStringLiteral("ランダム設定"));
    EXPECT_EQ(d->size(), QSize(299, 175));
    EXPECT_EQ(client_rect(d, "accessory_chk"), QRect(96, 40, 121, 17));
    EXPECT_EQ(client_rect(d, "OKButton"), QRect(112, 144, 73, 25));
    std::vector<bool> checked;
    for (QCheckBox* b :
         {c.box(RandomItem::face), c.box(RandomItem::hair), c.box(RandomItem::hair_color),
          c.box(RandomItem::eye_color), c.box(RandomItem::pose), c.box(RandomItem::cloth_color),
          c.box(RandomItem::pants_color), c.box(RandomItem::line_color),
          c.box(RandomItem::body_color), c.box(RandomItem::accessory_color)}) {
        checked.push_back(b->isChecked());
    }
    EXPECT_EQ(checked,
              (std::vector<bool>{true, true, true, false, false, true, true, true, false, false}));
    EXPECT_TRUE(c.box(RandomItem::face)->isEnabled());
    c.OKButton->click();
    expect_closed();
}

TEST_F(Dialogs, RandomSettingsClickCountsAtOnceAndSurvivesTheCloseBox) {
    auto* d = open_from<Random_Dialog>(ui.m_random);
    RandomDialogControls(d).box(RandomItem::hair_color)->click();
    EXPECT_EQ(w.state().rnd_hair_color_flg, 0) << "in force before OK";
    RandomDialogControls(d).box(RandomItem::eye_color)->click();
    EXPECT_EQ(w.state().rnd_eye_color_flg, 1);
    d->close();
    expect_closed();
    d = open_from<Random_Dialog>(ui.m_random);
    const RandomDialogControls c(d);
    EXPECT_FALSE(c.box(RandomItem::hair_color)->isChecked());
    EXPECT_TRUE(c.box(RandomItem::eye_color)->isChecked());
    // Esc does nothing here: there is no cancel button.
    QTest::keyClick(d, Qt::Key_Escape);
    EXPECT_EQ(w.open_dialog_window(), d);
    c.OKButton->click();
    expect_closed();
}

TEST_F(Dialogs, RandomSettingsLockFaceAndHairOnDamagePoses) {
    ui.type_button[1]->click();
    RandomDialogControls c(open_from<Random_Dialog>(ui.m_random));
    EXPECT_FALSE(c.box(RandomItem::face)->isEnabled());
    EXPECT_FALSE(c.box(RandomItem::hair)->isEnabled());
    EXPECT_TRUE(c.box(RandomItem::face)->isChecked());
    c.OKButton->click();
    ui.type_button[0]->click();
    c = RandomDialogControls(open_from<Random_Dialog>(ui.m_random));
    EXPECT_TRUE(c.box(RandomItem::face)->isEnabled());
    c.OKButton->click();
}

// --- background colour ---

TEST_F(Dialogs, BackgroundStartsOnGreyWithTheGreySwatch) {
    auto* d = open_from<Back_Color_Dialog>(ui.m_backcolor);
    const BackColorDialogControls c(d);
    EXPECT_EQ(d->windowTitle(), QStringLiteral("背景色"));
    EXPECT_EQ(d->size(), QSize(152, 145));
    EXPECT_TRUE(c.select_bkcolor[1]->isChecked());
    EXPECT_EQ(c.Label2->palette().color(QPalette::Window), QColor(212, 208, 200));
    EXPECT_EQ(client_rect(d, "select_bkcolor(0)"), QRect(16, 56, 65, 17));
    c.ok_btn->click();
    expect_closed();
}

TEST_F(Dialogs, BackgroundClickStoresAtOnceAndRedrawsOnlyOnClosing) {
    auto* d = open_from<Back_Color_Dialog>(ui.m_backcolor);
    const Surface before = w.workspace().character_view;
    int draws = draws_during([&] { BackColorDialogControls(d).select_bkcolor[2]->click(); });
    EXPECT_EQ(draws, 0);
    EXPECT_EQ(w.state().back_color, RGB(255, 255, 255));
    EXPECT_EQ(w.workspace().character_view, before);
    draws = draws_during([&] { d->close(); });  // the close box keeps the choice
    EXPECT_EQ(draws, 1);
    expect_closed();
    EXPECT_EQ(w.workspace().character_view.GetPixel(263, 263), RGB(255, 255, 255));

    const BackColorDialogControls c(open_from<Back_Color_Dialog>(ui.m_backcolor));
    EXPECT_TRUE(c.select_bkcolor[2]->isChecked());
    c.select_bkcolor[0]->click();
    c.select_bkcolor[1]->click();
    c.ok_btn->click();
    EXPECT_EQ(w.state().back_color, RGB(212, 208, 200));
}

TEST_F(Dialogs, BackgroundOfAnotherColourFallsBackToTheGreyOption) {
    w.set_back_color(RGB(1, 2, 3));
    const BackColorDialogControls c(open_from<Back_Color_Dialog>(ui.m_backcolor));
    EXPECT_TRUE(c.select_bkcolor[1]->isChecked());
    EXPECT_EQ(w.state().back_color, RGB(1, 2, 3)) << "loading changes nothing";
    c.ok_btn->click();
}

// --- saving ---

using SaveItem = SaveDialogFixture;

// The save item builds the dialog from the window: the composed sprite on the window's background,
// and the window's selection for the parameter file.
TEST_F(SaveItem, BuildsTheDialogFromTheWindowsSpriteBackgroundAndSelection) {
    ui.face_type->setValue(123);
    ui.cloth_type->setValue(45);
    w.set_back_color(RGB(255, 255, 255));
    ui.m_save->trigger();
    auto* d = qobject_cast<Save_Dialog*>(w.open_dialog_window());
    ASSERT_NE(d, nullptr);
    const Surface& pre_pic = w.workspace().pre_pic;
    for (int y = 0; y < 63; ++y) {
        for (int x = 0; x < 63; ++x) {
            const Colour expected =
                (x < 60 && y < 60) ? pre_pic.GetPixel(x + 4, y + 4) : RGB(255, 255, 255);
            ASSERT_EQ(d->picture().GetPixel(x, y), expected) << x << "," << y;
        }
    }
    control<QLineEdit>(d, "SaveName")->setText(QStringLiteral("wired"));
    control<QPushButton>(d, "OKButton")->click();
    const QStringList lines =
        decode_cp932(read_all(file(QStringLiteral("wired.txt")))).split(QStringLiteral("\r\n"));
    ASSERT_GT(lines.size(), 2);
    EXPECT_EQ(lines[2], QStringLiteral("123\t : 顔"));
}

// --- index ---

TEST_F(Dialogs, IndexRowsShowTheirRangesAndJumpNumbers) {
    auto* d = open_from<Index_Dialog>(ui.m_index);
    const IndexDialogControls c(d);
    EXPECT_EQ(d->windowTitle(), QStringLiteral("索引"));
    EXPECT_EQ(d->size(), QSize(256, 341));
    EXPECT_EQ(c.range_label[0]->text(), QStringLiteral("0 - 38"));
    EXPECT_EQ(c.range_label[11]->text(), QStringLiteral("639 - 675"));
    EXPECT_EQ(c.jump_button[2]->text(), QStringLiteral("207 へ"));
    EXPECT_EQ(client_rect(d, "jump_button(11)"), QRect(200, 24 + 24 * 11, 49, 17));
    EXPECT_EQ(client_rect(d, "Label26"), QRect(128, 24 + 24 * 11, 65, 17));
    for (QLabel* l : c.group_label) {
        EXPECT_FALSE(l->text().isEmpty());
        EXPECT_LE(l->fontMetrics().horizontalAdvance(l->text()), 113 - 2);
    }
    c.CancelButton->click();
    expect_closed();
}

TEST_F(Dialogs, IndexJumpSetsFaceAndHairDrawsOnceAndCloses) {
    ui.face_type->setValue(3);
    ui.hair_type->setValue(5);
    const IndexDialogControls c(open_from<Index_Dialog>(ui.m_index));
    EXPECT_EQ(draws_during([&] { c.jump_button[11]->click(); }), 1);
    EXPECT_EQ(ui.face_type->value(), 639);
    EXPECT_EQ(ui.hair_type->value(), 639);
    EXPECT_EQ(ui.dbg_hair_num[0]->text(), QStringLiteral("639"));
    EXPECT_EQ(w.workspace().pre_pic, expected_sprite(639, 639, 0, false));
    expect_closed();
}

TEST_F(Dialogs, IndexJumpOnDamagePosesOnlyCloses) {
    ui.type_button[1]->click();
    const Surface before = w.workspace().pre_pic;
    const IndexDialogControls c(open_from<Index_Dialog>(ui.m_index));
    EXPECT_EQ(draws_during([&] { c.jump_button[4]->click(); }), 0);
    EXPECT_EQ(ui.face_type->value(), 0);
    EXPECT_EQ(w.workspace().pre_pic, before);
    expect_closed();
}

// --- About ---

TEST_F(Dialogs, AboutShowsTitleVersionAndPicture) {
    auto* d = open_from<VersionDialog>(ui.m_version);
    const VersionDialogControls c(d);
    EXPECT_EQ(d->windowTitle(), QStringLiteral("Kelvaraのﾊﾞｰｼﾞｮﾝ情報"));
    EXPECT_EQ(c.lblTitle->text(), QStringLiteral("Kelvara"));
    EXPECT_EQ(c.lblVersion->text(), QStringLiteral("ﾊﾞｰｼﾞｮﾝ 3.0.0"));
    EXPECT_EQ(c.Label1->text(), QStringLiteral("Vantrel本部"));
    EXPECT_EQ(d->size(), QSize(248, 109));
    const QImage picture = c.picIcon->pixmap().toImage();
    ASSERT_EQ(picture.size(), QSize(46, 64));
    EXPECT_TRUE(picture.hasAlphaChannel());
    EXPECT_EQ(qAlpha(picture.pixel(0, 0)), 0) << "the background is transparent";
    c.cmdOK->click();
    expect_closed();
}

TEST_F(Dialogs, AboutClosesWithEnterAndEscToo) {
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
        auto* d = open_from<VersionDialog>(ui.m_version);
        QTest::keyClick(d, key);
        expect_closed();
    }
}

}  // namespace
}  // namespace kelvara::testing
