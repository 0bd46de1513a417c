#include <sys/stat.h>

#include <QAbstractButton>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <optional>
#include <utility>

#include "export/export_image.h"
#include "save_dialog_support.h"
#include "widgets/surface_view.h"

namespace kelvara::testing {
namespace {

using SaveDialog = SaveDialogFixture;

struct Placed {
    const char* name;
    int x, y, w, h;
    const char* caption;  // nullptr: no caption to check
};

const Placed layout[] = {
    {"Label1", 8, 8, 209, 17, "現在のキャラクターをbmpで保存します。"},
    {"Label5", 8, 24, 273, 17, "保存する画像は描画サイズ×1のサイズとなります。"},
    {"Save_Picture", 16, 48, 67, 67, nullptr},
    {"Label2", 88, 48, 81, 17, "保存ファイル名"},
    {"SaveName", 88, 64, 113, 18, ""},
    {"Label4", 205, 67, 33, 17, ".bmp"},
    {"Label6", 88, 88, 145, 25, "何も入力されていない時は temp.bmpになります"},
    {"Check_log", 88, 120, 169, 17, "パラメーターをtxtに保存する"},
    {"OKButton", 256, 48, 73, 25, "OK"},
    {"CancelButton", 256, 80, 73, 25, "ｷｬﾝｾﾙ"},
    {"Label3", 16, 144, 65, 17, "保存場所"},
    {"SavePath", 16, 160, 321, 27, nullptr},
    {"DriveList", 16, 192, 321, 20, nullptr},
    {"DirectoryList", 16, 216, 321, 90, nullptr},
};

QString caption_of(const QWidget* widget) {
    if (const auto* label = qobject_cast<const QLabel*>(widget)) return label->text();
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) return button->text();
    if (const auto* edit = qobject_cast<const QLineEdit*>(widget)) return edit->text();
    return {};
}

// The picture the saved file must hold, worked out from the composed sprite pixel by pixel.
QImage expected_saved_image(const CharTool& w) {
    const Surface& pre_pic = w.workspace().pre_pic;
    const Colour back = w.state().back_color;
    QImage image(63, 63, QImage::Format_RGB32);
    for (int y = 0; y < 63; ++y) {
        for (int x = 0; x < 63; ++x) {
            const Colour c = (x < 60 && y < 60) ? pre_pic.GetPixel(x + 4, y + 4) : back;
            image.setPixel(x, y, qRgb(red_of(c), green_of(c), blue_of(c)));
        }
    }
    return image;
}

// The dialog on its own writes what it was built from: the picture cut from the given sprite on
// the given background, and the given selection, whatever any window holds.
TEST_F(SaveDialog, AloneWritesThePictureAndTheSelectionItWasBuiltFrom) {
    Surface sprite(64, 64, 0);
    for (int y = 0; y < 64; ++y) {
        for (int x = 0; x < 64; ++x) sprite.SetPixel(x, y, RGB(x * 4, y * 4, 7));
    }
    EditorState selection = start_up_selection();
    selection.face_num = 123;
    CapturingSaveDialog d(sprite, RGB(0, 255, 0), selection, nullptr);
    d.setAttribute(Qt::WA_DeleteOnClose, false);
    d.SaveName->setText(QStringLiteral("alone"));
    d.OKButton->click();
    EXPECT_TRUE(d.messages.empty());

    const QImage saved(file(QStringLiteral("alone.bmp")));
    ASSERT_EQ(saved.size(), QSize(63, 63));
    int differ = 0;  // the sprite from (4, 4), the background right of it and below
    for (int y = 0; y < 63; ++y) {
        for (int x = 0; x < 63; ++x) {
            differ += saved.pixel(x, y) !=
                      (x < 60 && y < 60 ? qRgb((x + 4) * 4, (y + 4) * 4, 7) : qRgb(0, 255, 0));
        }
    }
    EXPECT_EQ(differ, 0);
    EXPECT_TRUE(decode_cp932(read_all(file(QStringLiteral("alone.txt"))))
                    .contains(QStringLiteral("\r\n123\t : 顔\r\n")));
}

TEST_F(SaveDialog, ControlsHaveTheirPlacesCaptionsAndStartValues) {
    CapturingSaveDialog* d = open();
    EXPECT_EQ(d->windowTitle(), QStringLiteral("画像保存"));
    EXPECT_EQ(d->size(), QSize(352, 310));
    for (const Placed& p : layout) {
        const auto* widget = d->findChild<QWidget*>(QString::fromUtf8(p.name));
        ASSERT_NE(widget, nullptr) << p.name;
        EXPECT_EQ(QRect(widget->mapTo(d, QPoint(0, 0)), widget->size()), QRect(p.x, p.y, p.w, p.h))
            << p.name;
        if (p.caption != nullptr) {
            EXPECT_EQ(caption_of(widget), QString::fromUtf8(p.caption)) << p.name;
        }
    }
    EXPECT_EQ(d->Save_Picture->contentsRect(), QRect(2, 2, 63, 63));
    EXPECT_TRUE(d->Check_log->isChecked());
    EXPECT_EQ(d->SavePath->text(), folder);
    for (QPushButton* b : {d->OKButton, d->CancelButton}) {
        EXPECT_FALSE(b->isDefault()) << b->objectName().toStdString();
        EXPECT_FALSE(b->autoDefault()) << b->objectName().toStdString();
    }
    EXPECT_TRUE(takes_no_input());
}

TEST_F(SaveDialog, TabWalksNameBoxCheckBoxListsAndButtons) {
    CapturingSaveDialog* d = open();
    d->activateWindow();
    d->SaveName->setFocus();
    const std::vector<QWidget*> expected = {d->SaveName,      d->Check_log, d->DriveList,
                                            d->DirectoryList, d->OKButton,  d->CancelButton,
                                            d->SaveName};
    for (QWidget* e : expected) {
        QWidget* focus = QApplication::focusWidget();
        ASSERT_NE(focus, nullptr);
        EXPECT_EQ(focus->objectName(), e->objectName());
        QTest::keyClick(focus, Qt::Key_Tab);
    }
}

TEST_F(SaveDialog, EnterAndEscInTheNameBoxNeitherSaveNorClose) {
    QPointer<CapturingSaveDialog> d = open();
    d->activateWindow();
    d->SaveName->setFocus();
    QTest::keyClicks(d->SaveName, QStringLiteral("hero"));
    QTest::keyClick(d->SaveName, Qt::Key_Return);
    QTest::keyClick(d->SaveName, Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_FALSE(d.isNull());
    EXPECT_TRUE(d->isVisible());
    EXPECT_TRUE(entries(folder).isEmpty());
    // Enter on the focused OK button does press it.
    d->OKButton->setFocus();
    QTest::keyClick(d->OKButton, Qt::Key_Return);
    EXPECT_EQ(entries(folder), (QStringList{"hero.bmp", "hero.txt"}));
}

TEST_F(SaveDialog, EmptyNameSavesTempFilesShowsTheNameAndCloses) {
    QPointer<CapturingSaveDialog> d = open();
    QTest::mouseClick(d->OKButton, Qt::LeftButton);
    EXPECT_EQ(d->SaveName->text(), QStringLiteral("temp")) << "the box shows the name used";
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(d.isNull());
    EXPECT_TRUE(takes_input());
    EXPECT_EQ(entries(folder), (QStringList{"temp.bmp", "temp.txt"}));

    const QImage saved(file(QStringLiteral("temp.bmp")));
    EXPECT_EQ(saved.convertToFormat(QImage::Format_RGB32), expected_saved_image(w));
    EXPECT_EQ(read_all(file(QStringLiteral("temp.bmp"))).size(), 12150);

    const QStringList lines =
        decode_cp932(read_all(file(QStringLiteral("temp.txt")))).split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), 16) << "15 lines, each ended by CR LF";
    EXPECT_EQ(lines[0], QStringLiteral("[temp]"));
    EXPECT_EQ(lines[1], QStringLiteral("かおづら : タイプ"));
    EXPECT_EQ(lines[2], QString::number(w.state().face_num) + QStringLiteral("\t : 顔"));
    EXPECT_EQ(lines[6], QStringLiteral("On\t : 目の色灰色部分")) << "the eye option starts on";
}

TEST_F(SaveDialog, SavedPictureIsTheSameAtEveryDrawingSize) {
    // Pose 45 draws three pixels in frame column 3: the view shows them, the file does not.
    ui.cloth_type->setValue(45);
    const Surface& pre_pic = w.workspace().pre_pic;
    for (int y = 25; y <= 27; ++y) EXPECT_NE(pre_pic.GetPixel(3, y), w.state().back_color) << y;

    std::optional<Surface> first;
    for (QRadioButton* size : ui.size_button) {
        QTest::mouseClick(size, Qt::LeftButton);
        CapturingSaveDialog* d = open();
        EXPECT_EQ(d->picture(), export_image(pre_pic, w.state().back_color));
        if (!first) first = d->picture();
        EXPECT_EQ(d->picture(), *first) << size->objectName().toStdString();
        d->CancelButton->click();
    }
}

TEST_F(SaveDialog, PreviewUsesTheBackgroundColour) {
    w.set_back_color(RGB(255, 255, 255));
    w.Character_draw();
    CapturingSaveDialog* d = open();
    const Surface& picture = d->picture();
    for (int i = 0; i < 63; ++i) {
        for (int band = 60; band < 63; ++band) {
            EXPECT_EQ(picture.GetPixel(band, i), RGB(255, 255, 255));
            EXPECT_EQ(picture.GetPixel(i, band), RGB(255, 255, 255));
        }
    }
    // The preview on screen is the picture itself.
    const QImage shown = d->Save_Picture->grab().toImage().copy(2, 2, 63, 63);
    EXPECT_EQ(shown.convertToFormat(QImage::Format_RGB32), expected_saved_image(w));
}

TEST_F(SaveDialog, CancelAndCloseBoxWriteNothingAndTheNextOpeningStartsFresh) {
    for (bool close_box : {false, true}) {
        QPointer<CapturingSaveDialog> d = open();
        QTest::keyClicks(d->SaveName, QStringLiteral("hero"));
        QTest::mouseClick(d->Check_log, Qt::LeftButton);
        ASSERT_FALSE(d->Check_log->isChecked());
        click_entry(d->DirectoryList, -2);  // the parent folder
        ASSERT_NE(d->SavePath->text(), folder);
        if (close_box) {
            d->close();
        } else {
            QTest::mouseClick(d->CancelButton, Qt::LeftButton);
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(d.isNull());
        EXPECT_TRUE(takes_input());
        EXPECT_EQ(w.open_dialog_window(), nullptr);
        EXPECT_TRUE(entries(folder).isEmpty());

        CapturingSaveDialog* again = open();
        EXPECT_TRUE(again->SaveName->text().isEmpty());
        EXPECT_TRUE(again->Check_log->isChecked());
        EXPECT_EQ(again->SavePath->text(), folder);
        EXPECT_EQ(again->DirectoryList->Path(), folder);
        again->CancelButton->click();
    }
}

TEST_F(SaveDialog, UncheckedBoxSavesTheImageOnlyAndLeavesAnOldParameterFile) {
    ASSERT_TRUE(write_all(file(QStringLiteral("hero.txt")), "kept"));
    ASSERT_TRUE(write_all(file(QStringLiteral("hero.bmp")), "replaced"));
    CapturingSaveDialog* d = open();
    QTest::keyClicks(d->SaveName, QStringLiteral("hero"));
    QTest::mouseClick(d->Check_log, Qt::LeftButton);
    QTest::mouseClick(d->OKButton, Qt::LeftButton);
    EXPECT_EQ(read_all(file(QStringLiteral("hero.txt"))), QByteArray("kept"));
    EXPECT_EQ(read_all(file(QStringLiteral("hero.bmp"))).size(), 12150);
}

TEST_F(SaveDialog, TheMenuItemOpensTheDialogAndOkSaves) {
    ui.m_save->trigger();
    auto* d = qobject_cast<Save_Dialog*>(w.open_dialog_window());
    ASSERT_NE(d, nullptr);
    EXPECT_TRUE(takes_no_input());
    EXPECT_TRUE(d->isEnabled());
    QTest::keyClicks(control<QLineEdit>(d, "SaveName"), QStringLiteral("a.bmp"));
    QTest::mouseClick(control<QPushButton>(d, "OKButton"), Qt::LeftButton);
    EXPECT_TRUE(takes_input());
    EXPECT_EQ(entries(folder), (QStringList{"a.bmp.bmp", "a.bmp.txt"}));
    EXPECT_TRUE(decode_cp932(read_all(file(QStringLiteral("a.bmp.txt"))))
                    .startsWith(QStringLiteral("[a.bmp]\r\n")));
}

TEST_F(SaveDialog, ARefusedNameIsReportedAndTheDialogStaysOpenToFixIt) {
    QPointer<CapturingSaveDialog> d = open();
    QTest::keyClicks(d->SaveName, QStringLiteral("sub/hero"));
    QTest::mouseClick(d->OKButton, Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_FALSE(d.isNull());
    ASSERT_EQ(d->messages.size(), 1u);
    EXPECT_EQ(d->messages[0].title, QStringLiteral("えらー"));
    EXPECT_TRUE(d->messages[0].text.contains(QStringLiteral("sub/hero")));
    EXPECT_TRUE(d->isVisible());
    EXPECT_TRUE(takes_no_input());
    EXPECT_TRUE(entries(folder).isEmpty());

    d->SaveName->setText(QStringLiteral("hero"));
    QTest::mouseClick(d->OKButton, Qt::LeftButton);
    EXPECT_EQ(entries(folder), (QStringList{"hero.bmp", "hero.txt"}));
    EXPECT_TRUE(takes_input());
}

TEST_F(SaveDialog, ABlankNameSavesTempAndBlanksAroundOtherNamesAreKept) {
    for (const auto& [typed, used] : {std::pair{"   ", "temp"}, std::pair{" a", " a"}}) {
        QPointer<CapturingSaveDialog> d = open();
        QTest::keyClicks(d->SaveName, QString::fromUtf8(typed));
        QTest::mouseClick(d->OKButton, Qt::LeftButton);
        ASSERT_FALSE(d.isNull());  // deleted only when the event loop runs
        EXPECT_EQ(d->SaveName->text(), QString::fromUtf8(used)) << "the box shows the name used";
        EXPECT_TRUE(d->messages.empty());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    EXPECT_EQ(entries(folder), (QStringList{" a.bmp", " a.txt", "temp.bmp", "temp.txt"}));
}

// What a hostile folder or name does: a pipe in place of the picture is refused and left as it
// is; a name too long for the file system is reported with the end of its path still visible.
TEST_F(SaveDialog, ASpecialFileOrAnOverlongNameIsReportedAndNothingIsReplaced) {
    ASSERT_EQ(::mkfifo(QFile::encodeName(file(QStringLiteral("hero.bmp"))).constData(), 0666), 0);
    QPointer<CapturingSaveDialog> d = open();
    QTest::keyClicks(d->SaveName, QStringLiteral("hero"));
    QTest::mouseClick(d->OKButton, Qt::LeftButton);
    const QString overlong = QString(296, QLatin1Char('n')) + QStringLiteral("tail");
    d->SaveName->setText(overlong);
    QTest::mouseClick(d->OKButton, Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    ASSERT_FALSE(d.isNull());
    EXPECT_TRUE(d->isVisible());
    ASSERT_EQ(d->messages.size(), 2u);
    EXPECT_EQ(d->messages[0].title, QStringLiteral("えらー"));
    EXPECT_TRUE(d->messages[0].text.contains(file(QStringLiteral("hero.bmp"))))
        << d->messages[0].text.toStdString();
    struct stat st {};
    ASSERT_EQ(::lstat(QFile::encodeName(file(QStringLiteral("hero.bmp"))).constData(), &st), 0);
    EXPECT_TRUE(S_ISFIFO(st.st_mode)) << "the pipe was replaced";

    const QString& text = d->messages[1].text;
    EXPECT_TRUE(text.contains(QStringLiteral("ntail.bmp"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QChar(0x2026))) << "shortened in the middle";
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        EXPECT_LE(line.size(), 100) << line.toStdString();
    }
    EXPECT_EQ(entries(folder), QStringList{"hero.bmp"});
}

}  // namespace
}  // namespace kelvara::testing
