// The animation preview beside the real main window, on a clock the test steps: what it opens on,
// how it follows the character and dialogs, its options; and what the window writes, its GIF and
// the sprite set, held against the command line's own.
#include <QDirIterator>
#include <QRadioButton>
#include <QTreeWidget>
#include <map>

#include "cli.h"
#include "dialog_access.h"
#include "export/parameter_file.h"
#include "export_test_support.h"
#include "shown_window.h"
#include "sprites/ui/animation_preview.h"
#include "sprites/ui/preview_view.h"

namespace kelvara::testing {
namespace {

// The animation preview beside the shown main window, on a clock the test steps.
struct Preview : ShownMainWindow {
    std::int64_t now = 0;
    sprites::AnimationPreview* p = nullptr;

    // Opened from the view's menu as the user opens it, then walk from its start on our clock.
    void open() {
        use_menu(Qt::Key_A);
        p = w.findChild<sprites::AnimationPreview*>(QStringLiteral("animation_preview"));
        ASSERT_NE(p, nullptr);
        p->set_clock([this] { return now; });
        p->play_animation("walk");
    }
    void at(std::int64_t ms) {
        now = ms;
        p->tick();
    }
    void click(const char* name) { control<QAbstractButton>(p, name)->click(); }
    void choose(const char* animation) {
        auto* list = control<QTreeWidget>(p, "animation_list");
        list->setCurrentItem(list->findItems(QLatin1String(animation), Qt::MatchExactly)[0]);
    }
    QImage view_picture() {
        auto* view = control<sprites::PreviewView>(p, "preview_view");
        return view->grab(view->contentsRect()).toImage().convertToFormat(QImage::Format_RGB32);
    }
    // Runs kelvara-render on the window's character, saved as NAME.txt; the arguments follow
    // the file's name. Whether it succeeded.
    bool command(const QString& name, const QString& command, const QStringList& arguments) {
        const QString txt = name + QStringLiteral(".txt");
        if (!write_all(txt, *parameter_file(QFileInfo(name).fileName(), w.state()))) return false;
        QString said;
        QTextStream out(&said), err(&said);
        const int status = cli::run(QStringList{command, txt} + arguments, out, err);
        EXPECT_EQ(status, cli::exit_ok) << said.toStdString();
        return status == cli::exit_ok;
    }
};

// The pose as the pipeline draws it for the character, see-through around it, pixel for pixel.
bool shows(const QImage& sprite, const EditorState& character, int pose) {
    Workspace ws;
    const Surface expected =
        sprites::draw_sprite(sprites::CharacterOutput(), character, {catalogue::Sheet::poses, pose},
                             {.background = key_color, .transparent = true, .scale = 1}, ws);
    bool same = sprite.size() == QSize(expected.width(), expected.height());
    for (int y = 0; same && y < expected.height(); ++y) {
        for (int x = 0; x < expected.width(); ++x) {
            const Colour c = expected.GetPixel(x, y);
            same &= sprite.pixel(x, y) ==
                    (c == key_color ? 0 : qRgb(red_of(c), green_of(c), blue_of(c)));
        }
    }
    return same;
}

TEST_F(Preview, OpensAsAToolWindowPlayingWalkAtTheMainWindowsSizeAndPlaysTheListsChoice) {
    ui.size_button[1]->click();
    open();
    EXPECT_EQ(p->windowType(), Qt::Tool);
    EXPECT_EQ(p->windowTitle(), QStringLiteral("アニメーション"));
    // Wholly on the screen, though it has no room beside the main window here.
    EXPECT_TRUE(w.screen()->availableGeometry().contains(p->frameGeometry()));
    EXPECT_TRUE(control<QRadioButton>(p, "size_button", 1)->isChecked());
    EXPECT_TRUE(control<QRadioButton>(p, "ground_button", 1)->isChecked());
    EXPECT_TRUE(takes_input());
    auto* list = control<QTreeWidget>(p, "animation_list");
    EXPECT_EQ(list->currentItem()->text(0), QStringLiteral("walk"));
    QStringList rows;  // name, frames as played, looping or once
    for (const int r : {1, 3, 13})
        rows << list->topLevelItem(r)->text(0) + list->topLevelItem(r)->text(1) +
                    list->topLevelItem(r)->text(2);
    EXPECT_EQ(rows, QStringList({"walk8ループ", "jump61回", "dizzy4ループ"}));

    choose("dizzy");
    click("speed_button(2)");  // twice as fast: 100 ms a frame
    at(250);
    EXPECT_EQ(p->playback().cell(), 18) << "the third frame, not 17 at normal speed";
    // Played once, throw stops on its last frame; the play button plays it again.
    choose("throw");
    at(1000);
    EXPECT_EQ(p->playback().cell(), 59);
    click("play_button");
    EXPECT_EQ(p->playback().cell(), 57);
    click("step_button");
    EXPECT_EQ(p->playback().cell(), 58);
    EXPECT_FALSE(p->playback().playing());
}

// Each change in the main window redraws the frame on screen at once, with no tick in between,
// and the animation stays at the same frame and the same time into it.
TEST_F(Preview, TheFrameOnScreenChangesWithTheCharacterAtOnceWithoutRestarting) {
    open();
    at(400);  // walk's fourth frame, 40 ms in
    const std::function<void()> changes[] = {
        [&] { ui.hair_color->setValue(30); }, [&] { ui.face_type->setValue(250); },
        [&] { ui.body_c_option_b[0]->click(); }, [&] { ui.reset->click(); }};
    for (const auto& change : changes) {
        const QImage before = view_picture();
        change();
        EXPECT_EQ(p->playback().frame(), 3);
        EXPECT_EQ(p->playback().until_next_frame(), 80);
        EXPECT_TRUE(shows(p->shown_sprite(), w.state(), 7));
        EXPECT_NE(view_picture(), before);
    }
}

// How many pixels of the picture differ from its corner's colour.
int drawn_pixels(const QImage& picture) {
    int drawn = 0;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x)
            drawn += picture.pixel(x, y) != picture.pixel(0, 0);
    }
    return drawn;
}

TEST_F(Preview, SizesAndGroundsAndADialogThatHoldsTheAnimation) {
    open();
    click("ground_button(0)");
    EXPECT_EQ(view_picture().pixel(0, 0), qRgb(212, 208, 200));  // the main window's grey
    click("size_button(0)");
    const int drawn_1 = drawn_pixels(view_picture());
    click("size_button(2)");
    EXPECT_EQ(drawn_pixels(view_picture()), 9 * drawn_1);
    // A dialog holds the animation; its white shows, as in the main window, once it is gone.
    at(50);
    ui.m_backcolor->trigger();
    EXPECT_TRUE(p->playback().held());
    control<QRadioButton>(w.open_dialog_window(), "select_bkcolor", 2)->click();
    at(5000);
    w.open_dialog_window()->close();
    EXPECT_EQ(view_picture().pixel(0, 0), qRgb(255, 255, 255));
    at(5069);
    EXPECT_EQ(p->playback().cell(), 4);
    at(5070);
    EXPECT_EQ(p->playback().cell(), 5);
    // Squares of 8 pixels from the view's corner.
    click("ground_button(1)");
    const QImage board = view_picture();
    for (int x = 0; x < 24; ++x) {
        EXPECT_EQ(board.pixel(x, 0), x / 8 == 1 ? qRgb(204, 204, 204) : qRgb(255, 255, 255)) << x;
        EXPECT_EQ(board.pixel(x, 8), x / 8 == 1 ? qRgb(255, 255, 255) : qRgb(204, 204, 204)) << x;
    }
}

// The GIF is the command line's for the animation as it shows, on either ground; a folder that
// is not there is reported.
TEST_F(Preview, TheGifIsTheAnimationAsItShows) {
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("cli")));
    open();
    choose("dizzy");
    const struct {
        const char *ground, *size, *name;
        QStringList options;
    } cases[] = {{"ground_button(1)", "size_button(1)", "board", {"--scale", "2", "--transparent"}},
                 {"ground_button(0)", "size_button(0)", "grey", {}}};
    for (const auto& c : cases) {
        click(c.ground);
        click(c.size);
        answer = dir.filePath(QLatin1String(c.name));
        const QString by_command = dir.filePath(QStringLiteral("cli/%1.gif").arg(c.name));
        click("gif_button");  // the dialog adds the ending
        EXPECT_EQ(file_dialog_title, QStringLiteral("GIF保存"));
        ASSERT_TRUE(command(answer, "animate",
                            QStringList{"--animation", "dizzy", "-o", by_command} + c.options));
        EXPECT_EQ(read_all(answer + QStringLiteral(".gif")), read_all(by_command)) << c.name;
    }
    answer = dir.filePath(QStringLiteral("gone/walk.gif"));
    click("gif_button");
    EXPECT_EQ(box_title, QStringLiteral("えらー"));
    EXPECT_TRUE(box_text.contains(QStringLiteral("walk.gif")));
}

TEST_F(Preview, ClosingLosesNothing) {
    open();
    choose("run");
    click("step_button");
    const int draws = w.draw_count();
    p->close();
    EXPECT_TRUE(p->playback().held());
    ui.hair_color->setValue(40);  // shown when it opens again
    w.m_animation_Click();
    EXPECT_EQ(w.findChildren<sprites::AnimationPreview*>().size(), 1);
    EXPECT_EQ(p->playback().cell(), 13);
    EXPECT_TRUE(shows(p->shown_sprite(), w.state(), 13));
    EXPECT_EQ(w.draw_count(), draws + 1);
}

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

// From the view's menu and the preview's button: `kelvara-render bundle hero.txt --transparent`
// for the window's character saved as hero.txt, file for file and byte for byte. A failure is
// reported by its file and leaves the folder as it was.
TEST_F(Preview, TheSpriteSetIsTheCommandsBundleForTheWindowsCharacter) {
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

    answer = dir.filePath(QStringLiteral("blocked/hero"));
    ASSERT_TRUE(QDir().mkpath(answer + QStringLiteral("/hero.json")));  // in the file's place
    use_menu(Qt::Key_E);
    EXPECT_EQ(box_title, QStringLiteral("えらー"));
    EXPECT_TRUE(box_text.contains(QStringLiteral("hero.json")));
    EXPECT_EQ(entries(answer), QStringList{QStringLiteral("hero.json")});
}

}  // namespace
}  // namespace kelvara::testing
