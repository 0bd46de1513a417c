// The animation preview beside the real main window, on a clock the test steps: what it opens on,
// how it follows the character and dialogs, its options, and its GIF.
#include <QFile>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTreeWidget>

#include "preview_fixture.h"
#include "sprites/ui/animation_preview.h"
#include "sprites/ui/preview_view.h"

namespace kelvara::testing {
namespace {

using sprites::AnimationPreview;

struct Preview : ShownMainWindow {
    std::int64_t now = 0;
    AnimationPreview* p = nullptr;

    // Opened from the view's menu as the user opens it, then walk from its start on our clock.
    void open() {
        use_menu(Qt::Key_A);
        p = w.findChild<AnimationPreview*>(QStringLiteral("animation_preview"));
        ASSERT_NE(p, nullptr);
        p->set_clock([this] { return now; });
        p->play_animation("walk");
    }
    void at(std::int64_t ms) {
        now = ms;
        p->tick();
    }
    void click(const QString& name) {
        auto* b = p->findChild<QAbstractButton*>(name);
        ASSERT_NE(b, nullptr) << name.toStdString();
        b->click();
    }
    void choose(const char* animation) {
        auto* list = p->findChild<QTreeWidget*>(QStringLiteral("animation_list"));
        list->setCurrentItem(list->findItems(QLatin1String(animation), Qt::MatchExactly)[0]);
    }
    QImage view_picture() {
        auto* view = p->findChild<sprites::PreviewView*>(QStringLiteral("preview_view"));
        return view->grab(view->contentsRect()).toImage().convertToFormat(QImage::Format_RGB32);
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
    EXPECT_TRUE(p->findChild<QRadioButton*>(QStringLiteral("size_button(1)"))->isChecked());
    EXPECT_TRUE(p->findChild<QRadioButton*>(QStringLiteral("ground_button(1)"))->isChecked());
    EXPECT_TRUE(takes_input());
    auto* list = p->findChild<QTreeWidget*>(QStringLiteral("animation_list"));
    EXPECT_EQ(list->currentItem()->text(0), QStringLiteral("walk"));
    QStringList rows;  // name, frames as played, looping or once
    for (const int r : {1, 3, 13})
        rows << list->topLevelItem(r)->text(0) + list->topLevelItem(r)->text(1) +
                    list->topLevelItem(r)->text(2);
    EXPECT_EQ(rows, QStringList({"walk8ループ", "jump61回", "dizzy4ループ"}));

    choose("dizzy");
    click(QStringLiteral("speed_button(2)"));  // twice as fast: 100 ms a frame
    at(300);
    EXPECT_EQ(p->playback().cell(), 17) << "on the way back";
    // Played once, throw stops on its last frame; the play button plays it again.
    choose("throw");
    at(1000);
    EXPECT_EQ(p->playback().cell(), 59);
    click(QStringLiteral("play_button"));
    EXPECT_EQ(p->playback().cell(), 57);
    click(QStringLiteral("step_button"));
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

// The width of what differs from the corner's colour in the picture.
int sprite_width(const QImage& picture) {
    int left = picture.width(), right = 0;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            if (picture.pixel(x, y) == picture.pixel(0, 0)) continue;
            left = std::min(left, x);
            right = std::max(right, x);
        }
    }
    return right - left + 1;
}

TEST_F(Preview, SizesAndGroundsAndADialogThatHoldsTheAnimation) {
    open();
    click(QStringLiteral("ground_button(0)"));
    EXPECT_EQ(view_picture().pixel(0, 0), qRgb(212, 208, 200));  // the main window's grey
    click(QStringLiteral("size_button(0)"));
    const int width_1 = sprite_width(view_picture());
    click(QStringLiteral("size_button(2)"));
    EXPECT_EQ(sprite_width(view_picture()), 3 * width_1);
    // A dialog holds the animation; its white shows, as in the main window, once it is gone.
    at(50);
    ui.m_backcolor->trigger();
    EXPECT_TRUE(p->playback().held());
    w.open_dialog_window()->findChild<QRadioButton*>(QStringLiteral("select_bkcolor(2)"))->click();
    at(5000);
    w.open_dialog_window()->close();
    EXPECT_EQ(view_picture().pixel(0, 0), qRgb(255, 255, 255));
    at(5069);
    EXPECT_EQ(p->playback().cell(), 4);
    at(5070);
    EXPECT_EQ(p->playback().cell(), 5);
    // Squares of 8 pixels from the view's corner.
    click(QStringLiteral("ground_button(1)"));
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
    for (const bool checkerboard : {true, false}) {
        click(QString::fromLatin1(checkerboard ? "ground_button(1)" : "ground_button(0)"));
        click(QString::fromLatin1(checkerboard ? "size_button(1)" : "size_button(0)"));
        const QString name = QString::fromLatin1(checkerboard ? "board" : "grey");
        answer = dir.filePath(name);
        const QString by_command =
            dir.filePath(QStringLiteral("cli/") + name + QStringLiteral(".gif"));
        click(QStringLiteral("gif_button"));  // the dialog adds the ending
        EXPECT_EQ(file_dialog_title, QStringLiteral("GIF保存"));
        ASSERT_TRUE(command(
            answer, "animate",
            QStringList{"--animation", "dizzy", "-o", by_command} +
                (checkerboard ? QStringList{"--scale", "2", "--transparent"} : QStringList{})));
        QFile written(answer + QStringLiteral(".gif")), expected(by_command);
        ASSERT_TRUE(written.open(QIODevice::ReadOnly) && expected.open(QIODevice::ReadOnly));
        EXPECT_EQ(written.readAll(), expected.readAll()) << checkerboard;
    }
    answer = dir.filePath(QStringLiteral("gone/walk.gif"));
    click(QStringLiteral("gif_button"));
    EXPECT_EQ(box_title, QStringLiteral("えらー"));
    EXPECT_TRUE(box_text.contains(QStringLiteral("walk.gif")));
}

TEST_F(Preview, ClosingLosesNothing) {
    open();
    choose("run");
    click(QStringLiteral("step_button"));
    const int draws = w.draw_count();
    p->close();
    EXPECT_TRUE(p->playback().held());
    ui.hair_color->setValue(40);  // shown when it opens again
    w.m_animation_Click();
    EXPECT_EQ(w.findChildren<AnimationPreview*>().size(), 1);
    EXPECT_EQ(p->playback().cell(), 13);
    EXPECT_TRUE(shows(p->shown_sprite(), w.state(), 13));
    EXPECT_EQ(w.draw_count(), draws + 1);
}

}  // namespace
}  // namespace kelvara::testing
