// The sprite set written from the window: the command line's files for the same character, and
// a failure reported with nothing written.
#include <QDirIterator>
#include <QPushButton>
#include <QTemporaryDir>
#include <map>

#include "preview_fixture.h"

namespace kelvara::testing {
namespace {

// Every file under folder by its path inside it, with its bytes.
std::map<QString, QByteArray> files_under(const QString& folder) {
    std::map<QString, QByteArray> files;
    for (QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
         it.hasNext();) {
        QFile f(it.next());
        EXPECT_TRUE(f.open(QIODevice::ReadOnly));
        files[QDir(folder).relativeFilePath(f.fileName())] = f.readAll();
    }
    return files;
}

struct SpriteSetExport : ShownMainWindow {
    QTemporaryDir dir;

    // The folder the dialog is answered with; the set is named after it.
    void answer_with(const QString& folder) {
        answer = dir.filePath(folder);
        ASSERT_TRUE(QDir().mkpath(answer));
    }
};

// From the view's menu and the preview's button: `kelvara-render bundle hero.txt --transparent`
// for the window's character saved as hero.txt, file for file and byte for byte.
TEST_F(SpriteSetExport, TheWindowWritesTheCommandsBundleForItsCharacter) {
    ui.hair_color->setValue(30);
    ui.face_type->setValue(250);
    ui.body_c_option_b[0]->click();
    ui.size_button[1]->click();  // how the window shows it, not what the set holds
    ASSERT_TRUE(
        command(dir.filePath("hero"), "bundle", {"--transparent", "-o", dir.filePath("cli/hero")}));
    const std::map<QString, QByteArray> expected = files_under(dir.filePath("cli/hero"));
    ASSERT_EQ(expected.size(), 41u);

    answer_with(QStringLiteral("menu/hero"));
    use_menu(Qt::Key_E);
    EXPECT_EQ(file_dialog_title, QStringLiteral("スプライトセット書き出し"));
    EXPECT_TRUE(files_under(answer) == expected);

    use_menu(Qt::Key_A);
    answer_with(QStringLiteral("preview/hero"));
    w.findChild<QPushButton*>(QStringLiteral("export_button"))->click();
    EXPECT_TRUE(files_under(answer) == expected);
    EXPECT_EQ(file_dialogs, 2);
    EXPECT_TRUE(box_title.isEmpty());
}

TEST_F(SpriteSetExport, AFailureIsReportedByItsFileAndLeavesTheFolderAsItWas) {
    answer_with(QStringLiteral("hero"));
    ASSERT_TRUE(QDir(answer).mkdir(QStringLiteral("hero.json")));  // in the file's place
    use_menu(Qt::Key_E);
    EXPECT_EQ(box_title, QStringLiteral("えらー"));
    EXPECT_TRUE(box_text.contains(QStringLiteral("hero.json")));
    EXPECT_EQ(QDir(answer).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              QStringList{QStringLiteral("hero.json")});
}

}  // namespace
}  // namespace kelvara::testing
