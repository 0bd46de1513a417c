// The sprite set written from the window: the command line's files for the same character, and
// a failure reported with nothing written.
#include <QDirIterator>
#include <map>

#include "preview_fixture.h"

namespace kelvara::testing {
namespace {

// Every file under folder by its path inside it, with its bytes.
std::map<QString, QByteArray> files_under(const QString& folder) {
    std::map<QString, QByteArray> files;
    for (QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
         it.hasNext();) {
        const QString path = it.next();
        files[QDir(folder).relativeFilePath(path)] = read_all(path);
    }
    return files;
}

using SpriteSetExport = Preview;

// From the view's menu and the preview's button: `kelvara-render bundle hero.txt --transparent`
// for the window's character saved as hero.txt, file for file and byte for byte.
TEST_F(SpriteSetExport, TheWindowWritesTheCommandsBundleForItsCharacter) {
    QTemporaryDir dir;
    ui.hair_color->setValue(30);
    ui.face_type->setValue(250);
    ui.body_c_option_b[0]->click();
    ui.size_button[1]->click();  // how the window shows it, not what the set holds
    ASSERT_TRUE(
        command(dir.filePath("hero"), "bundle", {"--transparent", "-o", dir.filePath("cli/hero")}));
    const std::map<QString, QByteArray> expected = files_under(dir.filePath("cli/hero"));
    ASSERT_EQ(expected.size(), 41u);

    answer = dir.filePath(QStringLiteral("menu/hero"));
    ASSERT_TRUE(QDir().mkpath(answer));
    use_menu(Qt::Key_E);
    EXPECT_EQ(file_dialog_title, QStringLiteral("スプライトセット書き出し"));
    EXPECT_TRUE(files_under(answer) == expected);

    open();
    answer = dir.filePath(QStringLiteral("preview/hero"));
    ASSERT_TRUE(QDir().mkpath(answer));
    click("export_button");
    EXPECT_TRUE(files_under(answer) == expected);
    EXPECT_EQ(file_dialogs, 2);
    EXPECT_TRUE(box_title.isEmpty());
}

TEST_F(SpriteSetExport, AFailureIsReportedByItsFileAndLeavesTheFolderAsItWas) {
    QTemporaryDir dir;
    answer = dir.filePath(QStringLiteral("hero"));
    ASSERT_TRUE(QDir().mkpath(answer + QStringLiteral("/hero.json")));  // in the file's place
    use_menu(Qt::Key_E);
    EXPECT_EQ(box_title, QStringLiteral("えらー"));
    EXPECT_TRUE(box_text.contains(QStringLiteral("hero.json")));
    EXPECT_EQ(entries(answer), QStringList{QStringLiteral("hero.json")});
}

}  // namespace
}  // namespace kelvara::testing
