// Writing the sprite set from the window: the command line's files for the same character, long
// work off the window's thread with a progress dialog once it takes longer than a moment, and
// failures reported with nothing half-written.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDirIterator>
#include <QFile>
#include <QMenu>
#include <QProgressDialog>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <atomic>
#include <map>
#include <thread>

#include "cli.h"
#include "editor_fixture.h"
#include "export/parameter_file.h"
#include "file_dialog_answers.h"
#include "sprites/sprite_bundle.h"
#include "sprites/ui/animation_preview.h"
#include "sprites/ui/progress_run.h"

namespace kelvara::sprites {
namespace {

// The progress dialog, if one is up.
QProgressDialog* progress_shown() {
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (auto* d = qobject_cast<QProgressDialog*>(top); d && d->isVisible()) return d;
    }
    return nullptr;
}

TEST(ProgressRun, QuickWorkShowsNothingAndLongWorkShowsItIsBusyUntilDone) {
    QWidget window;
    int seen = 0;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] { seen += progress_shown() != nullptr; });
    watch.start(5);

    const FileStatus quick = run_with_progress(&window, QStringLiteral("t"), QStringLiteral("l"),
                                               [] { return FileStatus(); });
    EXPECT_TRUE(quick.ok());
    EXPECT_EQ(seen, 0);

    // The work goes on until the dialog is seen, however long that takes.
    std::atomic<bool> dialog_up{false};
    QTimer look;
    QObject::connect(&look, &QTimer::timeout, [&] {
        if (QProgressDialog* d = progress_shown()) {
            EXPECT_EQ(d->windowTitle(), QStringLiteral("書き出し"));
            EXPECT_EQ(d->labelText(), QStringLiteral("書いています。"));
            EXPECT_EQ(d->windowModality(), Qt::ApplicationModal);
            dialog_up = true;
        }
    });
    look.start(5);
    const FileStatus slow = run_with_progress(
        &window, QStringLiteral("書き出し"), QStringLiteral("書いています。"), [&] {
            while (!dialog_up) std::this_thread::yield();
            return FileStatus(FileError{QStringLiteral("/x/y.png"), QStringLiteral("disk full")});
        });
    ASSERT_FALSE(slow.ok());
    EXPECT_EQ(slow.error().reason, QStringLiteral("disk full"));
    EXPECT_EQ(progress_shown(), nullptr) << "the dialog goes with the work";
}

// Every file under folder, by its path inside it, with its bytes.
std::map<QString, QByteArray> files_under(const QString& folder) {
    std::map<QString, QByteArray> files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile f(it.next());
        EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << f.fileName().toStdString();
        files[QDir(folder).relativeFilePath(f.fileName())] = f.readAll();
    }
    return files;
}

struct SpriteSetExport : testing::EditorFixture {
    QTemporaryDir dir;
    testing::DialogAnswers answers;

    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        w.show();
        w.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    }
    QString folder(const QString& path) {
        EXPECT_TRUE(QDir().mkpath(dir.filePath(path)));
        return dir.filePath(path);
    }
    // The main window's view menu, item by its access key.
    void use_menu(Qt::Key item) {
        QTest::mouseClick(w.windowHandle(), Qt::RightButton, {},
                          ui.character_view->mapTo(&w, QPoint(9, 9)));
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr);
        QTest::keyClick(menu, item);
        w.activateWindow();
    }
    // What kelvara-render bundle writes for the window's character, saved as a parameter file.
    std::map<QString, QByteArray> command_bundle(const QString& name) {
        const QString txt = dir.filePath(name + QStringLiteral(".txt"));
        QFile f(txt);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(*parameter_file(name, w.state()));
        f.close();
        const QString out = dir.filePath(QStringLiteral("command/") + name);
        QString said;
        QTextStream out_stream(&said), err_stream(&said);
        EXPECT_EQ(cli::run({QStringLiteral("bundle"), txt, QStringLiteral("--transparent"),
                            QStringLiteral("-o"), out},
                           out_stream, err_stream),
                  cli::exit_ok)
            << said.toStdString();
        return files_under(out);
    }
};

// From the view's menu and from the preview's button, into a folder chosen in the folder dialog:
// the files of the command line for the same character, and only those.
TEST_F(SpriteSetExport, TheWindowWritesTheCommandsBundleForItsCharacter) {
    ui.hair_color->setValue(30);
    ui.face_type->setValue(250);
    ui.cloth_type->setValue(40);
    ui.body_c_option_b[0]->click();
    ui.size_button[1]->click();  // how the window shows it, not what the set holds
    const std::map<QString, QByteArray> expected = command_bundle(QStringLiteral("hero"));
    ASSERT_EQ(expected.size(),
              static_cast<std::size_t>(sprites::bundle_paths(QStringLiteral("hero")).size()));

    answers.path = folder(QStringLiteral("menu/hero"));
    use_menu(Qt::Key_E);
    EXPECT_EQ(answers.file_dialogs, 1);
    EXPECT_EQ(answers.file_dialog_title, QStringLiteral("スプライトセット書き出し"));
    EXPECT_TRUE(files_under(answers.path) == expected);

    use_menu(Qt::Key_A);
    auto* preview = w.findChild<sprites::AnimationPreview*>(QStringLiteral("animation_preview"));
    ASSERT_NE(preview, nullptr);
    answers.path = folder(QStringLiteral("preview/hero"));
    preview->findChild<QPushButton*>(QStringLiteral("export_button"))->click();
    EXPECT_EQ(answers.file_dialogs, 2);
    EXPECT_TRUE(files_under(answers.path) == expected);
    EXPECT_EQ(answers.boxes, 0);
}

// A file that cannot be written is reported by name, and no file of the set is left behind; a
// cancelled dialog writes nothing.
TEST_F(SpriteSetExport, AFailureIsReportedAndLeavesTheFolderAsItWas) {
    answers.path = folder(QStringLiteral("hero"));
    ASSERT_TRUE(QDir(answers.path).mkdir(QStringLiteral("hero.json")));  // a folder in its place
    use_menu(Qt::Key_E);
    EXPECT_EQ(answers.boxes, 1);
    EXPECT_EQ(answers.box_title, QStringLiteral("えらー"));
    EXPECT_TRUE(answers.box_text.contains(QStringLiteral("hero.json")))
        << answers.box_text.toStdString();
    EXPECT_TRUE(files_under(answers.path).empty());
    EXPECT_EQ(QDir(answers.path).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              QStringList{QStringLiteral("hero.json")});

    answers.path.clear();
    use_menu(Qt::Key_E);
    EXPECT_EQ(answers.file_dialogs, 2);
    EXPECT_EQ(answers.boxes, 1);
}

}  // namespace
}  // namespace kelvara::sprites
