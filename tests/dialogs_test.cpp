#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "dialog_access.h"
#include "dialogs/back_color_dialog.h"
#include "dialogs/index_dialog.h"
#include "dialogs/version_dialog.h"
#include "editor_fixture.h"
#include "export/export_image.h"
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
    EXPECT_EQ(d->windowTitle(), QStringLiteral("ランダム設定"));
    EXPECT_EQ(d->size(), QSize(299, 175));
    EXPECT_EQ(client_rect(d, "accessory_chk"), QRect(96, 40, 121, 17));
    EXPECT_EQ(client_rect(d, "OKButton"), QRect(112, 144, 73, 25));
    std::vector<bool> checked;
    for (RandomItem item :
         {RandomItem::face, RandomItem::hair, RandomItem::hair_color, RandomItem::eye_color,
          RandomItem::pose, RandomItem::cloth_color, RandomItem::pants_color,
          RandomItem::line_color, RandomItem::body_color, RandomItem::accessory_color}) {
        checked.push_back(random_box(d, item)->isChecked());
    }
    EXPECT_EQ(checked,
              (std::vector<bool>{true, true, true, false, false, true, true, true, false, false}));
    EXPECT_TRUE(random_box(d, RandomItem::face)->isEnabled());
    control(d, "OKButton")->click();
    expect_closed();
}

TEST_F(Dialogs, RandomSettingsClickCountsAtOnceAndSurvivesTheCloseBox) {
    auto* d = open_from<Random_Dialog>(ui.m_random);
    random_box(d, RandomItem::hair_color)->click();
    EXPECT_EQ(w.state().rnd_hair_color_flg, 0) << "in force before OK";
    random_box(d, RandomItem::eye_color)->click();
    EXPECT_EQ(w.state().rnd_eye_color_flg, 1);
    d->close();
    expect_closed();
    d = open_from<Random_Dialog>(ui.m_random);
    EXPECT_FALSE(random_box(d, RandomItem::hair_color)->isChecked());
    EXPECT_TRUE(random_box(d, RandomItem::eye_color)->isChecked());
    // Esc does nothing here: there is no cancel button.
    QTest::keyClick(d, Qt::Key_Escape);
    EXPECT_EQ(w.open_dialog_window(), d);
    control(d, "OKButton")->click();
    expect_closed();
}

TEST_F(Dialogs, RandomSettingsLockFaceAndHairOnDamagePoses) {
    ui.type_button[1]->click();
    auto* d = open_from<Random_Dialog>(ui.m_random);
    EXPECT_FALSE(random_box(d, RandomItem::face)->isEnabled());
    EXPECT_FALSE(random_box(d, RandomItem::hair)->isEnabled());
    EXPECT_TRUE(random_box(d, RandomItem::face)->isChecked());
    control(d, "OKButton")->click();
    ui.type_button[0]->click();
    d = open_from<Random_Dialog>(ui.m_random);
    EXPECT_TRUE(random_box(d, RandomItem::face)->isEnabled());
    control(d, "OKButton")->click();
}

// --- background colour ---

TEST_F(Dialogs, BackgroundStartsOnGreyWithTheGreySwatch) {
    auto* d = open_from<Back_Color_Dialog>(ui.m_backcolor);
    EXPECT_EQ(d->windowTitle(), QStringLiteral("背景色"));
    EXPECT_EQ(d->size(), QSize(152, 145));
    EXPECT_TRUE(control<QRadioButton>(d, "select_bkcolor", 1)->isChecked());
    EXPECT_EQ(control<QLabel>(d, "Label2")->palette().color(QPalette::Window),
              QColor(212, 208, 200));
    EXPECT_EQ(client_rect(d, "select_bkcolor(0)"), QRect(16, 56, 65, 17));
    control(d, "ok_btn")->click();
    expect_closed();
}

TEST_F(Dialogs, BackgroundClickStoresAtOnceAndRedrawsOnlyOnClosing) {
    auto* d = open_from<Back_Color_Dialog>(ui.m_backcolor);
    const Surface before = w.workspace().character_view;
    int draws = draws_during([&] { control<QRadioButton>(d, "select_bkcolor", 2)->click(); });
    EXPECT_EQ(draws, 0);
    EXPECT_EQ(w.state().back_color, RGB(255, 255, 255));
    EXPECT_EQ(w.workspace().character_view, before);
    draws = draws_during([&] { d->close(); });  // the close box keeps the choice
    EXPECT_EQ(draws, 1);
    expect_closed();
    EXPECT_EQ(w.workspace().character_view.GetPixel(263, 263), RGB(255, 255, 255));

    d = open_from<Back_Color_Dialog>(ui.m_backcolor);
    EXPECT_TRUE(control<QRadioButton>(d, "select_bkcolor", 2)->isChecked());
    control<QRadioButton>(d, "select_bkcolor", 0)->click();
    control<QRadioButton>(d, "select_bkcolor", 1)->click();
    control(d, "ok_btn")->click();
    EXPECT_EQ(w.state().back_color, RGB(212, 208, 200));
}

TEST_F(Dialogs, BackgroundOfAnotherColourFallsBackToTheGreyOption) {
    w.set_back_color(RGB(1, 2, 3));
    auto* d = open_from<Back_Color_Dialog>(ui.m_backcolor);
    EXPECT_TRUE(control<QRadioButton>(d, "select_bkcolor", 1)->isChecked());
    EXPECT_EQ(w.state().back_color, RGB(1, 2, 3)) << "loading changes nothing";
    control(d, "ok_btn")->click();
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
    EXPECT_EQ(d->picture(), export_image(w.workspace().pre_pic, RGB(255, 255, 255)));
    control<QLineEdit>(d, "SaveName")->setText(QStringLiteral("wired"));
    control(d, "OKButton")->click();
    EXPECT_TRUE(decode_cp932(read_all(file(QStringLiteral("wired.txt"))))
                    .contains(QStringLiteral("\r\n123\t : 顔\r\n")));
}

// --- index ---

TEST_F(Dialogs, IndexRowsShowTheirRangesAndJumpNumbers) {
    auto* d = open_from<Index_Dialog>(ui.m_index);
    EXPECT_EQ(d->windowTitle(), QStringLiteral("索引"));
    EXPECT_EQ(d->size(), QSize(256, 341));
    EXPECT_EQ(control<QLabel>(d, "Label14")->text(), QStringLiteral("0 - 38"));
    EXPECT_EQ(control<QLabel>(d, "Label26")->text(), QStringLiteral("639 - 675"));
    EXPECT_EQ(control(d, "jump_button", 2)->text(), QStringLiteral("207 へ"));
    EXPECT_EQ(client_rect(d, "jump_button(11)"), QRect(200, 24 + 24 * 11, 49, 17));
    EXPECT_EQ(client_rect(d, "Label26"), QRect(128, 24 + 24 * 11, 65, 17));
    // The group names, top to bottom.
    for (const char* name : {"Label13", "Label1", "Label3", "Label6", "Label5", "Label7", "Label8",
                             "Label9", "Label10", "Label11", "Label12", "Label25"}) {
        const QLabel* l = control<QLabel>(d, name);
        EXPECT_FALSE(l->text().isEmpty()) << name;
        EXPECT_LE(l->fontMetrics().horizontalAdvance(l->text()), 113 - 2) << name;
    }
    control(d, "CancelButton")->click();
    expect_closed();
}

TEST_F(Dialogs, IndexJumpSetsFaceAndHairDrawsOnceAndCloses) {
    ui.face_type->setValue(3);
    ui.hair_type->setValue(5);
    auto* d = open_from<Index_Dialog>(ui.m_index);
    EXPECT_EQ(draws_during([&] { control(d, "jump_button", 11)->click(); }), 1);
    EXPECT_EQ(ui.face_type->value(), 639);
    EXPECT_EQ(ui.hair_type->value(), 639);
    EXPECT_EQ(ui.dbg_hair_num[0]->text(), QStringLiteral("639"));
    EXPECT_EQ(w.workspace().pre_pic, expected_sprite(639, 639, 0, false));
    expect_closed();
}

TEST_F(Dialogs, IndexJumpOnDamagePosesOnlyCloses) {
    ui.type_button[1]->click();
    const Surface before = w.workspace().pre_pic;
    auto* d = open_from<Index_Dialog>(ui.m_index);
    EXPECT_EQ(draws_during([&] { control(d, "jump_button", 4)->click(); }), 0);
    EXPECT_EQ(ui.face_type->value(), 0);
    EXPECT_EQ(w.workspace().pre_pic, before);
    expect_closed();
}

// --- About ---

TEST_F(Dialogs, AboutShowsTitleVersionAndPicture) {
    auto* d = open_from<VersionDialog>(ui.m_version);
    EXPECT_EQ(d->windowTitle(), QStringLiteral("Kelvaraのﾊﾞｰｼﾞｮﾝ情報"));
    EXPECT_EQ(control<QLabel>(d, "lblTitle")->text(), QStringLiteral("Kelvara"));
    EXPECT_EQ(control<QLabel>(d, "lblVersion")->text(), QStringLiteral("ﾊﾞｰｼﾞｮﾝ 3.0.0"));
    EXPECT_EQ(control<QLabel>(d, "Label1")->text(), QStringLiteral("Vantrel本部"));
    EXPECT_EQ(d->size(), QSize(248, 109));
    const QImage picture = control<QLabel>(d, "picIcon")->pixmap().toImage();
    ASSERT_EQ(picture.size(), QSize(46, 64));
    EXPECT_TRUE(picture.hasAlphaChannel());
    EXPECT_EQ(qAlpha(picture.pixel(0, 0)), 0) << "the background is transparent";
    control(d, "cmdOK")->click();
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
