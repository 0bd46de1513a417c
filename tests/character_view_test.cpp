#include <QApplication>
#include <QClipboard>
#include <QDrag>
#include <QFile>
#include <QMimeData>
#include <QTest>
#include <functional>

#include "dialog_access.h"
#include "export/cp932.h"
#include "export/parameter_reader.h"
#include "shown_window.h"

namespace kelvara::testing {
namespace {

struct CharacterView : ShownMainWindow {
    // Every selector, option (but the size) and read-out of the main window, and the sprite.
    std::pair<QStringList, Surface> shown() const {
        QStringList s;
        for (QWidget* c : w.findChildren<QWidget*>()) {
            if (c->window() != &w || c->objectName().startsWith("size_button")) continue;
            if (auto* bar = qobject_cast<QScrollBar*>(c)) s << QString::number(bar->value());
            if (auto* b = qobject_cast<QRadioButton*>(c)) s << (b->isChecked() ? "on" : "off");
            if (auto* label = qobject_cast<QLabel*>(c)) s << label->text();
        }
        return {s, w.workspace().pre_pic};
    }
};

// Right click on the view, the menu key and Shift+F10 open the view's menu, none of them while
// a dialog is open.
TEST_F(CharacterView, MenuOpensWhenAskedButNeverOverADialog) {
    const std::function<void()> ways[] = {[&] { right_click(); }, [&] { keys("Menu"); },
                                          [&] { keys("Shift+F10"); }};
    for (const auto& open : ways) {
        open();
        ASSERT_NE(menu(), nullptr) << &open - ways;
        QStringList items;
        for (const QAction* a : menu()->actions()) {
            items << a->text() + '|' + a->shortcut().toString() + (a->isEnabled() ? "" : "|off");
        }
        EXPECT_EQ(items, QStringList({"アニメーション(&A)|", "スプライトセット書き出し(&E)|", "|",
                                      "画像コピー(&C)|Ctrl+C", "|", "元に戻す(&U)|Ctrl+Z|off",
                                      "やり直し(&R)|Ctrl+Shift+Z|off"}));
        QTest::keyClick(menu(), Qt::Key_Escape);
    }
    ui.m_version->trigger();
    for (const auto& open : ways) {
        open();
        EXPECT_EQ(menu(), nullptr) << &open - ways;
    }
}

// A scripted session walked back to its start and forward to its end, by the menu and the
// shortcuts: each step shows exactly what was shown after that change, drawn once, and adds
// nothing to the history. A slider drag counts once, the same character again not at all, and
// the drawing size stays. The history keeps the last 100 characters.
TEST_F(CharacterView, UndoAndRedoWalkTheSessionBackAndForth) {
    w.random_source().seed(5);
    const std::function<void()> script[] = {
        [&] { ui.random->click(); },
        [&] {
            ui.hair_color->setSliderDown(true);
            for (int v = 1; v <= 30; ++v) ui.hair_color->setSliderPosition(v);
            ui.hair_color->setSliderDown(false);
        },
        [&] { QTest::mouseClick(ui.eye_color, Qt::LeftButton, {}, QPoint(188, 8)); },  // arrow
        [&] { ui.body_c_option_b[0]->click(); },
        [&] { ui.reset->click(); },
        [&] {
            ui.m_index->trigger();
            control<QPushButton>(w.open_dialog_window(), "jump_button(5)")->click();
        },
        [&] { ui.type_button[1]->click(); },
    };
    std::vector session{shown()};
    for (const auto& change : script) {
        change();
        session.push_back(shown());
    }
    ui.body_c_option_b[0]->click();  // chosen already: the same character again
    ui.size_button[1]->click();
    const int size = w.state().size_num;
    auto step = [&](std::size_t to, const char* how) {
        EXPECT_EQ(draws_during([&] { how[0] == '&' ? use_menu(Qt::Key(how[1])) : keys(how); }), 1)
            << how << " to " << to;
        EXPECT_TRUE(shown() == session[to]) << how << " to " << to;
        EXPECT_EQ(w.state().size_num, size);
    };
    for (std::size_t i = session.size() - 1; i > 0; --i) step(i - 1, i % 2 ? "&U" : "Ctrl+Z");
    EXPECT_EQ(draws_during([&] { keys("Ctrl+Z"); }), 0);
    for (std::size_t i = 1; i < session.size(); ++i)
        step(i, i % 2 ? "Ctrl+Y" : i % 4 ? "&R" : "Ctrl+Shift+Z");
    step(session.size() - 2, "Ctrl+Z");
    ui.line_color->setValue(3);  // a new change drops the step forward
    EXPECT_EQ(draws_during([&] { keys("Ctrl+Y"); }), 0);
    step(session.size() - 2, "Ctrl+Z");

    for (int face = 1; face <= 120; ++face) ui.face_type->setValue(face);
    for (int i = 0; i < 120; ++i) keys("Ctrl+Z");
    EXPECT_EQ(ui.face_type->value(), 21);
}

// Copy picture and a drag from the view carry one PNG: the sprite at the view's size, see-through
// where the view shows the background, with the parameter text that reopens the character, as
// text and inside the PNG; the drag also as a file named after it. A click drags nothing.
TEST_F(CharacterView, CopyAndDragCarryTheViewsSpriteAndItsParameters) {
    const Colour back = RGB(1, 2, 3);  // in no palette
    w.set_back_color(back);
    ui.face_type->setValue(123);
    ui.hair_type->setValue(45);
    ui.line_color->setValue(7);
    ui.size_button[1]->click();  // x2, which the view draws from (67, 67)
    use_menu(Qt::Key_C);
    const QMimeData* copied = QGuiApplication::clipboard()->mimeData();
    const QByteArray png = copied->data("image/png");
    const QImage picture = QImage::fromData(png, "PNG");
    ASSERT_EQ(picture.size(), QSize(126, 126));
    int differ = 0;  // the picture's (0, 0) lies 4 sprite pixels into the view's sprite
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const Colour c = w.workspace().character_view.GetPixel(75 + x, 75 + y);
            differ += picture.pixel(x, y) !=
                      (c == back ? qRgba(0, 0, 0, 0) : qRgb(red_of(c), green_of(c), blue_of(c)));
        }
    }
    EXPECT_EQ(differ, 0);
    EXPECT_EQ(copied->imageData().value<QImage>().convertToFormat(picture.format()), picture);
    const EditorState read =
        read_parameter_file(to_cp932(copied->text()).value()).value().selection;
    EXPECT_EQ(std::tuple(read.face_num, read.hair_num, read.cloth3_color_num),
              std::tuple(123, 45, 7));

    QTest::mousePress(ui.character_view, Qt::LeftButton, {}, QPoint(99, 99));
    QTest::mouseMove(ui.character_view, QPoint(99 + QApplication::startDragDistance(), 99));
    const QDrag* drag = ui.character_view->findChild<QDrag*>();
    ASSERT_NE(drag, nullptr);
    EXPECT_EQ(drag->mimeData()->data("image/png"), png);
    EXPECT_EQ(drag->mimeData()->text(), copied->text());
    QFile file(drag->mimeData()->urls().value(0).toLocalFile());
    EXPECT_TRUE(file.fileName().endsWith("/kelvara_f123_h045_p000.png"));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly) && file.readAll() == png);
    // The dropped file reopens the character on its own, from the parameters it carries.
    const auto carried = read_parameter_file_at(file.fileName());
    EXPECT_TRUE(carried.ok() && carried.value().selection.face_num == 123);
    QTest::mouseRelease(ui.character_view, Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    QTest::mousePress(ui.character_view, Qt::LeftButton, {}, QPoint(99, 99));
    QTest::mouseMove(ui.character_view, QPoint(98 + QApplication::startDragDistance(), 99));
    QTest::mouseRelease(ui.character_view, Qt::LeftButton);
    EXPECT_EQ(ui.character_view->findChild<QDrag*>(), nullptr);
}

}  // namespace
}  // namespace kelvara::testing
