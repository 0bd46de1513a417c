// The animation preview beside the real main window: what it opens on, how it follows the clock
// and the character, how dialogs hold it, and what its options and its GIF button give.
#include <QApplication>
#include <QFile>
#include <QMenu>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTreeWidget>

#include "dialogs/back_color_dialog.h"
#include "editor_fixture.h"
#include "file_dialog_answers.h"
#include "sprites/sprite_animation.h"
#include "sprites/ui/animation_preview.h"
#include "sprites/ui/preview_view.h"

namespace kelvara::testing {
namespace {

using sprites::AnimationPreview;

struct Preview : EditorFixture {
    std::int64_t now = 0;
    AnimationPreview* p = nullptr;

    void SetUp() override {
        w.show();
        w.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    }
    // Opened as the user opens it, from the view's menu, then on a clock of the test's, walk
    // from its start.
    AnimationPreview& open() {
        QTest::mouseClick(w.windowHandle(), Qt::RightButton, {},
                          ui.character_view->mapTo(&w, QPoint(9, 9)));
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        EXPECT_NE(menu, nullptr);
        if (menu != nullptr) QTest::keyClick(menu, Qt::Key_A);
        p = w.findChild<AnimationPreview*>(QStringLiteral("animation_preview"));
        EXPECT_NE(p, nullptr);
        p->set_clock([this] { return now; });
        p->play_animation("walk");
        return *p;
    }
    void at(std::int64_t ms) {
        now = ms;
        p->tick();
    }
    template <typename T>
    T* control(const char* name) {
        T* c = p->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(c, nullptr) << name;
        return c;
    }
    void choose(const char* animation) {
        auto* list = control<QTreeWidget>("animation_list");
        const auto rows = list->findItems(QString::fromLatin1(animation), Qt::MatchExactly, 0);
        ASSERT_EQ(rows.size(), 1);
        list->setCurrentItem(rows.front());
    }
    // The picture inside the view's frame, as it is painted now.
    QImage view_picture() {
        auto* view = control<sprites::PreviewView>("preview_view");
        return view->grab(view->contentsRect()).toImage().convertToFormat(QImage::Format_RGB32);
    }
};

// The pose the pipeline draws for the character, see-through around it, pixel for pixel.
bool shows(const QImage& sprite, const EditorState& character, int pose) {
    Workspace ws;
    const Surface expected =
        sprites::draw_sprite(sprites::CharacterOutput(), character, {catalogue::Sheet::poses, pose},
                             {.background = key_color, .transparent = true, .scale = 1}, ws);
    if (sprite.size() != QSize(expected.width(), expected.height())) return false;
    for (int y = 0; y < expected.height(); ++y) {
        for (int x = 0; x < expected.width(); ++x) {
            const Colour c = expected.GetPixel(x, y);
            const QRgb want =
                c == key_color ? qRgba(0, 0, 0, 0) : qRgb(red_of(c), green_of(c), blue_of(c));
            if (sprite.pixel(x, y) != want) return false;
        }
    }
    return true;
}

TEST_F(Preview, OpensBesideTheMainWindowPlayingWalkAtItsSizeOnTheCheckerboard) {
    ui.size_button[1]->click();
    const int draws = w.draw_count();
    AnimationPreview& preview = open();
    EXPECT_TRUE(preview.isVisible());
    EXPECT_TRUE(preview.isWindow());
    EXPECT_EQ(preview.windowType(), Qt::Tool);
    EXPECT_EQ(preview.windowModality(), Qt::NonModal);
    EXPECT_EQ(preview.windowTitle(), QStringLiteral("アニメーション"));
    EXPECT_EQ(preview.playback().animation().name, "walk");
    EXPECT_TRUE(preview.playback().playing());
    EXPECT_EQ(control<QPushButton>("play_button")->text(), QStringLiteral("一時停止"));
    EXPECT_TRUE(control<QRadioButton>("size_button(1)")->isChecked());
    EXPECT_TRUE(control<QRadioButton>("ground_button(1)")->isChecked());
    EXPECT_TRUE(control<QRadioButton>("speed_button(1)")->isChecked());
    // The main window is as it was and still takes input.
    EXPECT_EQ(w.draw_count(), draws);
    EXPECT_TRUE(takes_input());

    // Name, frames as played, and whether it loops.
    auto* list = control<QTreeWidget>("animation_list");
    ASSERT_EQ(list->topLevelItemCount(), 17);
    EXPECT_EQ(list->currentItem()->text(0), QStringLiteral("walk"));
    const struct {
        int row;
        const char* name;
        const char* frames;
        QString loop;
    } rows[] = {
        {0, "stand", "2", QStringLiteral("ループ")},  {1, "walk", "8", QStringLiteral("ループ")},
        {3, "jump", "6", QStringLiteral("1回")},      {5, "catch", "3", QStringLiteral("1回")},
        {13, "dizzy", "4", QStringLiteral("ループ")}, {16, "frozen", "1", QStringLiteral("ループ")},
    };
    for (const auto& r : rows) {
        const QTreeWidgetItem* item = list->topLevelItem(r.row);
        EXPECT_EQ(item->text(0), QLatin1String(r.name));
        EXPECT_EQ(item->text(1), QLatin1String(r.frames)) << r.name;
        EXPECT_EQ(item->text(2), r.loop) << r.name;
    }
}

TEST_F(Preview, TheChosenAnimationPlaysItsFramesForTheCatalogueTimeBackAndForth) {
    open();
    choose("dizzy");
    control<QRadioButton>("speed_button(2)")->click();  // twice as fast: 100 ms a frame
    std::vector<int> cells;
    QList<QImage> pictures;
    for (const std::int64_t t : {0, 99, 100, 200, 300, 400, 500}) {
        at(t);
        cells.push_back(p->playback().cell());
        pictures.append(view_picture());
    }
    EXPECT_EQ(cells, (std::vector<int>{16, 16, 17, 18, 17, 16, 17}));
    EXPECT_EQ(pictures[0], pictures[1]);
    EXPECT_NE(pictures[1], pictures[2]);
    EXPECT_EQ(pictures[2], pictures[4]) << "the way back shows the same cell";

    // A play-once animation stops on its last frame, and the play button plays it again.
    choose("throw");
    control<QRadioButton>("speed_button(1)")->click();
    at(1000);
    at(1000 + 3 * 130);
    EXPECT_EQ(p->playback().cell(), 59);
    EXPECT_EQ(control<QPushButton>("play_button")->text(), QStringLiteral("再生"));
    control<QPushButton>("play_button")->click();
    EXPECT_EQ(p->playback().cell(), 57);
    control<QPushButton>("step_button")->click();
    EXPECT_EQ(p->playback().cell(), 58);
    EXPECT_FALSE(p->playback().playing());
}

// Every kind of change in the main window reaches the frame on screen at once, drawn for the new
// character, while the animation stays at the same frame and the same time into it.
TEST_F(Preview, TheFrameOnScreenChangesWithTheCharacterAtOnceWithoutRestarting) {
    open();
    at(400);  // walk's fourth frame, 40 ms in
    const struct {
        const char* what;
        std::function<void()> change;
        bool must_differ;
    } changes[] = {
        {"hair colour", [&] { ui.hair_color->setValue(30); }, true},
        {"face", [&] { ui.face_type->setValue(250); }, true},
        {"skin matte", [&] { ui.body_c_option_b[0]->click(); }, true},
        {"random", [&] { ui.random->click(); }, false},
        {"reset", [&] { ui.reset->click(); }, true},
    };
    for (const auto& c : changes) {
        SCOPED_TRACE(c.what);
        const QImage before = p->shown_sprite();
        const QImage view_before = view_picture();
        c.change();
        // No tick and no event in between: the change itself drew the frame.
        EXPECT_EQ(p->playback().frame(), 3);
        EXPECT_EQ(p->playback().until_next_frame(), 80);
        EXPECT_TRUE(shows(p->shown_sprite(), w.state(), 7));
        if (c.must_differ) {
            EXPECT_NE(p->shown_sprite(), before);
            EXPECT_NE(view_picture(), view_before);
        }
    }
    at(480);
    EXPECT_EQ(p->playback().cell(), 8);
    EXPECT_TRUE(shows(p->shown_sprite(), w.state(), 8));
}

TEST_F(Preview, StandsStillWhileADialogIsOpenAndGoesOnAfter) {
    open();
    at(50);
    ui.m_backcolor->trigger();
    ASSERT_NE(w.open_dialog_window(), nullptr);
    EXPECT_TRUE(p->playback().held());
    at(5000);
    EXPECT_EQ(p->playback().cell(), 4);
    w.open_dialog_window()->close();
    EXPECT_FALSE(p->playback().held());
    EXPECT_TRUE(p->playback().playing());
    at(5069);
    EXPECT_EQ(p->playback().cell(), 4);
    at(5070);
    EXPECT_EQ(p->playback().cell(), 5);

    // Paused by the user, it stays paused after a dialog.
    control<QPushButton>("play_button")->click();
    ui.m_version->trigger();
    w.open_dialog_window()->close();
    at(9000);
    EXPECT_FALSE(p->playback().playing());
    EXPECT_EQ(p->playback().cell(), 5);

    // Nothing opens over a dialog.
    p->close();
    ui.m_index->trigger();
    w.m_animation_Click();
    EXPECT_FALSE(p->isVisible());
    w.open_dialog_window()->close();
}

// The width of what is not ground in a row band of the picture.
int sprite_width(const QImage& picture, QRgb ground) {
    int left = picture.width(), right = -1;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            if (picture.pixel(x, y) != ground) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
        }
    }
    return right - left + 1;
}

TEST_F(Preview, SizesEnlargeByWholePixelsOnTheBackgroundOrTheCheckerboard) {
    open();
    p->findChild<QPushButton*>(QStringLiteral("play_button"))->click();
    const QRgb grey = qRgb(212, 208, 200);
    control<QRadioButton>("ground_button(0)")->click();
    control<QRadioButton>("size_button(0)")->click();
    const QImage one = view_picture();
    EXPECT_EQ(one.pixel(0, 0), grey);
    const int width_1 = sprite_width(one, grey);
    EXPECT_GT(width_1, 10);
    for (const int size : {3, 6}) {
        control<QRadioButton>(QStringLiteral("size_button(%1)").arg(size - 1).toLatin1())->click();
        EXPECT_EQ(sprite_width(view_picture(), grey), size * width_1) << size;
    }

    // The main window's background follows, as the main window shows it.
    ui.m_backcolor->trigger();
    w.open_dialog_window()->findChild<QRadioButton*>(QStringLiteral("select_bkcolor(2)"))->click();
    w.open_dialog_window()->close();
    EXPECT_EQ(view_picture().pixel(0, 0), qRgb(255, 255, 255));

    // Squares of 8 pixels from the view's corner, in two greys.
    control<QRadioButton>("ground_button(1)")->click();
    const QImage board = view_picture();
    const QRgb light = qRgb(255, 255, 255), dark = qRgb(204, 204, 204);
    for (int x = 0; x < 24; ++x) {
        EXPECT_EQ(board.pixel(x, 0), x / 8 == 1 ? dark : light) << x;
        EXPECT_EQ(board.pixel(x, 8), x / 8 == 1 ? light : dark) << x;
    }
}

TEST_F(Preview, TheGifIsTheAnimationAsItShowsWrittenByThePipeline) {
    QTemporaryDir dir;
    DialogAnswers answers;
    open();
    const struct {
        const char* animation;
        int size;
        bool checkerboard;
    } cases[] = {{"dizzy", 2, true}, {"jump", 4, false}};
    for (const auto& c : cases) {
        choose(c.animation);
        control<QRadioButton>(QStringLiteral("size_button(%1)").arg(c.size - 1).toLatin1())
            ->click();
        control<QRadioButton>(c.checkerboard ? "ground_button(1)" : "ground_button(0)")->click();
        // The name without its ending: the dialog adds it.
        answers.path = dir.filePath(QLatin1String(c.animation));
        control<QPushButton>("gif_button")->click();
        EXPECT_EQ(answers.file_dialog_title, QStringLiteral("GIF保存"));
        QFile written(answers.path + QStringLiteral(".gif"));
        ASSERT_TRUE(written.open(QIODevice::ReadOnly)) << c.animation;
        sprites::AnimationRequest request;
        request.selection = w.state();
        request.animation = *catalogue::find_animation(c.animation);
        request.style = {
            .background = w.state().back_color, .transparent = c.checkerboard, .scale = c.size};
        const formats::Encoded expected =
            sprites::animation_file(sprites::CharacterOutput(), request);
        ASSERT_TRUE(expected.ok());
        EXPECT_EQ(written.readAll(),
                  QByteArray(reinterpret_cast<const char*>(expected.value().data()),
                             static_cast<qsizetype>(expected.value().size())))
            << c.animation;
    }
    EXPECT_EQ(answers.boxes, 0);

    // Cancelled, nothing is written; a folder that is not there is reported, naming the file.
    answers.path.clear();
    const int asked = answers.file_dialogs;
    control<QPushButton>("gif_button")->click();
    EXPECT_EQ(answers.file_dialogs, asked + 1);
    answers.path = dir.filePath(QStringLiteral("gone/walk.gif"));
    control<QPushButton>("gif_button")->click();
    EXPECT_EQ(answers.boxes, 1);
    EXPECT_EQ(answers.box_title, QStringLiteral("えらー"));
    EXPECT_TRUE(answers.box_text.contains(QStringLiteral("walk.gif")))
        << answers.box_text.toStdString();
    EXPECT_FALSE(QFile::exists(answers.path));
}

TEST_F(Preview, ClosingLosesNothingAndReopensAsItWas) {
    open();
    choose("run");
    control<QRadioButton>("size_button(5)")->click();
    control<QPushButton>("step_button")->click();
    control<QPushButton>("step_button")->click();
    const int draws = w.draw_count();
    p->close();
    EXPECT_FALSE(p->isVisible());
    EXPECT_TRUE(p->playback().held());
    // Changes while it is closed show when it opens again.
    ui.hair_color->setValue(40);
    w.m_animation_Click();
    EXPECT_EQ(w.findChildren<AnimationPreview*>().size(), 1);
    EXPECT_TRUE(p->isVisible());
    EXPECT_EQ(p->playback().animation().name, "run");
    EXPECT_EQ(p->playback().cell(), 14);
    EXPECT_TRUE(control<QRadioButton>("size_button(5)")->isChecked());
    EXPECT_TRUE(shows(p->shown_sprite(), w.state(), 14));
    EXPECT_EQ(w.draw_count(), draws + 1);
}

}  // namespace
}  // namespace kelvara::testing
