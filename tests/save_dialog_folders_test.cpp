#include <sys/stat.h>

#include <QLabel>
#include <QPushButton>
#include <cerrno>
#include <cstring>

#include "export/ui/drive_roots.h"
#include "save_dialog_support.h"

namespace kelvara::testing {
namespace {

using SaveDialogFolders = SaveDialogFixture;

QString system_words(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

TEST_F(SaveDialogFolders, ListShowsThePathFromTheRootThenTheSubfolders) {
    for (const char* sub : {"b", "A", ".hidden"}) ASSERT_TRUE(QDir(folder).mkdir(sub));
    ASSERT_TRUE(write_all(file(QStringLiteral("not_a_folder")), "x"));
    CapturingSaveDialog* d = open();
    DirectoryListBox* list = d->DirectoryList;
    EXPECT_EQ(list->Path(), folder);
    EXPECT_EQ(list->ListIndex(), -1);
    EXPECT_EQ(list->List(-1), folder);
    EXPECT_EQ(list->List(-2), QFileInfo(folder).absolutePath());

    const int depth = static_cast<int>(folder.count(QLatin1Char('/')));
    EXPECT_EQ(list->List(-1 - depth), QStringLiteral("/"));
    EXPECT_TRUE(list->List(-2 - depth).isEmpty()) << "nothing above the root";
    EXPECT_EQ(list->ListCount(), 2);
    EXPECT_EQ(list->List(0), file(QStringLiteral("A")));
    EXPECT_EQ(list->List(1), file(QStringLiteral("b")));
    EXPECT_EQ(list->count(), depth + 1 + 2);
}

TEST_F(SaveDialogFolders, OneClickChoosesTheFolderAndADoubleClickOpensIt) {
    ASSERT_TRUE(QDir(folder).mkpath(QStringLiteral("sub/inner")));
    CapturingSaveDialog* d = open();
    DirectoryListBox* list = d->DirectoryList;

    click_entry(list, 0);
    EXPECT_EQ(d->SavePath->text(), file(QStringLiteral("sub")));
    EXPECT_EQ(list->Path(), folder) << "one click does not open the folder";

    click_entry(list, 0, true);
    EXPECT_EQ(list->Path(), file(QStringLiteral("sub")));
    EXPECT_EQ(list->ListIndex(), -1);
    EXPECT_EQ(list->List(0), file(QStringLiteral("sub/inner")));
    EXPECT_EQ(d->SavePath->text(), file(QStringLiteral("sub"))) << "opening changes nothing more";

    // The root entry gives the root itself, and the keyboard selects as a click does.
    const int depth = static_cast<int>(list->Path().count(QLatin1Char('/')));
    click_entry(list, -1 - depth);
    EXPECT_EQ(d->SavePath->text(), QStringLiteral("/"));
    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(d->SavePath->text(), list->List(-depth));

    click_entry(list, 0);
    QTest::mouseClick(d->OKButton, Qt::LeftButton);
    EXPECT_EQ(entries(file(QStringLiteral("sub/inner"))), (QStringList{"temp.bmp", "temp.txt"}));
    EXPECT_EQ(entries(folder), QStringList{"sub"});
}

TEST_F(SaveDialogFolders, ChoosingARootMovesTheListButNotTheTarget) {
    CapturingSaveDialog* d = open();
    QStringList roots;
    for (int i = 0; i < d->DriveList->count(); ++i) roots.append(d->DriveList->itemText(i));
    EXPECT_TRUE(roots.contains(QStringLiteral("/")));
    EXPECT_TRUE(roots.contains(QDir::cleanPath(QDir::homePath())));
    EXPECT_TRUE(is_at_or_below(folder, d->DriveList->currentText()));

    // Away from the current root and back: the list follows each time, the target stays.
    const QString home = QDir::cleanPath(QDir::homePath());
    const QString away = d->DriveList->currentText() == home ? QStringLiteral("/") : home;
    const QString back = d->DriveList->currentText();
    for (const QString& root : {away, back}) {
        d->DriveList->setCurrentIndex(static_cast<int>(roots.indexOf(root)));
        EXPECT_EQ(d->DirectoryList->Path(), root);
        EXPECT_EQ(d->SavePath->text(), folder);
    }
    EXPECT_TRUE(d->messages.empty());

    QTest::mouseClick(d->OKButton, Qt::LeftButton);
    EXPECT_EQ(entries(folder), (QStringList{"temp.bmp", "temp.txt"}));
}

TEST_F(SaveDialogFolders, ARootThatCannotBeOpenedIsReportedAndTheListStays) {
    CapturingSaveDialog* d = open();
    d->DriveList->addItem(file(QStringLiteral("unplugged")));
    d->DriveList->setCurrentIndex(d->DriveList->count() - 1);
    ASSERT_EQ(d->messages.size(), 1u);
    EXPECT_EQ(d->messages[0].title, QStringLiteral("えらー"));
    EXPECT_EQ(d->messages[0].text,
              file(QStringLiteral("unplugged")) + QStringLiteral(": ") + system_words(ENOENT));
    EXPECT_EQ(d->DirectoryList->Path(), folder);
    EXPECT_EQ(d->DriveList->currentText(), file(QStringLiteral("unplugged")));
    EXPECT_TRUE(d->isVisible());
}

TEST_F(SaveDialogFolders, AFolderRemovedAfterChoosingItIsReportedAndTheDialogStaysOpen) {
    ASSERT_TRUE(QDir(folder).mkdir(QStringLiteral("gone")));
    QPointer<CapturingSaveDialog> d = open();
    click_entry(d->DirectoryList, 0);
    ASSERT_EQ(d->SavePath->text(), file(QStringLiteral("gone")));
    ASSERT_TRUE(QDir(folder).rmdir(QStringLiteral("gone")));

    QTest::mouseClick(d->OKButton, Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_FALSE(d.isNull());
    ASSERT_EQ(d->messages.size(), 1u);
    EXPECT_EQ(d->messages[0].title, QStringLiteral("えらー"));
    EXPECT_TRUE(d->messages[0].text.contains(file(QStringLiteral("gone/temp.bmp"))));
    EXPECT_TRUE(d->messages[0].text.contains(system_words(ENOENT)));
    EXPECT_TRUE(takes_no_input());
    EXPECT_TRUE(entries(folder).isEmpty());

    // Opening the vanished folder from the list says which folder could not be opened, and why.
    click_entry(d->DirectoryList, 0, true);
    ASSERT_EQ(d->messages.size(), 2u);
    EXPECT_EQ(d->messages[1].title, QStringLiteral("えらー"));
    EXPECT_EQ(d->messages[1].text,
              file(QStringLiteral("gone")) + QStringLiteral(": ") + system_words(ENOENT));
    EXPECT_EQ(d->DirectoryList->Path(), folder);
}

// A folder whose name is not UTF-8 (Shift-JIS bytes) is listed with its odd bytes shown as
// escapes, chosen under its very name, and the files are saved into it.
TEST_F(SaveDialogFolders, AFolderWhoseNameIsNotUtf8IsListedChosenAndWrittenInto) {
    const QByteArray raw = QFile::encodeName(file(QStringLiteral("sj"))) + "\x93\xfa";
    ASSERT_EQ(::mkdir(raw.constData(), 0777), 0);
    CapturingSaveDialog* d = open();
    EXPECT_EQ(d->DirectoryList->item(d->DirectoryList->count() - 1)->text(),
              QStringLiteral("sj\\x93\\xfa"));
    click_entry(d->DirectoryList, 0);
    EXPECT_EQ(d->SavePath->text(), file(QStringLiteral("sj")) + QChar(0xDC93) + QChar(0xDCFA));
    QTest::mouseClick(d->OKButton, Qt::LeftButton);
    // Named in UTF-8 again, so that the folder can be looked into and removed.
    ASSERT_EQ(::rename(raw.constData(), QFile::encodeName(file(QStringLiteral("sj"))).constData()),
              0);
    EXPECT_EQ(entries(file(QStringLiteral("sj"))), (QStringList{"temp.bmp", "temp.txt"}));
}

// Return on the list opens the selected folder, as a double click does.
TEST_F(SaveDialogFolders, ReturnOpensTheSelectedFolder) {
    ASSERT_TRUE(QDir(folder).mkdir(QStringLiteral("sub")));
    CapturingSaveDialog* d = open();
    click_entry(d->DirectoryList, 0);
    QTest::keyClick(d->DirectoryList, Qt::Key_Return);
    EXPECT_EQ(d->DirectoryList->Path(), file(QStringLiteral("sub")));
}

}  // namespace
}  // namespace kelvara::testing
