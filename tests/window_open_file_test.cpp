#include <QApplication>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrl>
#include <cstdio>

#include "compositor/render_character.h"
#include "dialogs/version_dialog.h"
#include "editor_fixture.h"
#include "export/parameter_file.h"

namespace kelvara::testing {
namespace {

// One character as the user would choose it in the window.
struct Choice {
    int type, face, hair, hair_color, eye_color, accessory, body_color, pose, cloth_color, pants,
        line;
    bool eye_grey, body_matte, cloth_matte;
    const char* school;  // the school-name label
};

const Choice choices[] = {
    {0, 123, 301, 7, 3, 12, 4, 76, 2, 9, 17, false, true, false, "黒鉄工業高校"},
    {0, 711, 0, 56, 25, 0, 32, 120, 34, 0, 78, true, false, true, ""},
    {1, 0, 0, 20, 1, 25, 5, 23, 48, 3, 4, true, true, true, "白虎高校"},
    {1, 0, 0, 0, 0, 0, 0, 53, 5, 0, 0, false, false, false, ""},
};

EditorState selection_of(const Choice& c) {
    EditorState s = start_up_selection();
    s.type_flg = static_cast<Int16>(c.type);
    s.face_num = static_cast<Int16>(c.face);
    s.hair_num = static_cast<Int16>(c.hair);
    s.hair_color_num = static_cast<Int16>(c.hair_color);
    s.eye_color_num = static_cast<Int16>(c.eye_color);
    s.accessory_color_num = static_cast<Int16>(c.accessory);
    s.body_color_num = static_cast<Int16>(c.body_color);
    s.cloth_num = static_cast<Int16>(c.pose);
    s.cloth_color_num = static_cast<Int16>(c.cloth_color);
    s.cloth2_color_num = static_cast<Int16>(c.pants);
    s.cloth3_color_num = static_cast<Int16>(c.line);
    s.eye_grey_flg = c.eye_grey ? vb_true : vb_false;
    s.body_matte_flg = c.body_matte ? vb_true : vb_false;
    s.cloth_matte_flg = c.cloth_matte ? vb_true : vb_false;
    return s;
}

struct OpenFile : EditorFixture {
    QTemporaryDir dir;
    QString box_title, box_text;
    int boxes = 0;

    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        w.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
        answer_message_boxes();
    }
    QString write(const QString& name, const QByteArray& bytes) const {
        const QString path = dir.filePath(name);
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return path;
    }
    QString write_choice(const QString& name, const Choice& c) const {
        return write(name, *parameter_file(QStringLiteral("hero"), selection_of(c)));
    }
    // Answers every message box as soon as it is up, keeping what the last one said.
    QTimer answerer;
    void answer_message_boxes() {
        QObject::connect(&answerer, &QTimer::timeout, [this] {
            for (QWidget* top : QApplication::topLevelWidgets()) {
                if (auto* box = qobject_cast<QMessageBox*>(top); box && box->isVisible()) {
                    ++boxes;
                    box_title = box->windowTitle();
                    box_text = box->text();
                    box->accept();
                }
            }
        });
        answerer.start(5);
    }
    // The values shown in the ten read-outs, the school label and the checked buttons.
    static QStringList shown(WindowControls& c) {
        QStringList out;
        for (const auto* r :
             {&c.dbg_face_num, &c.dbg_hair_num, &c.dbg_hair_color_num, &c.dbg_eye_color_num,
              &c.dbg_accessory_color_num, &c.dbg_body_color_num, &c.dbg_cloth_num,
              &c.dbg_cloth_color_num, &c.dbg_cloth2_color_num, &c.dbg_cloth3_color_num}) {
            out << (*r)[0]->text();
        }
        out << c.colth_name_label->text();
        for (const auto* pair :
             {&c.type_button, &c.eye_optjion_b, &c.body_c_option_b, &c.cloth_c1_option_b}) {
            out << ((*pair)[0]->isChecked() ? QStringLiteral("first") : QStringLiteral("second"));
        }
        out << QString::number(c.face_type->isEnabled());
        return out;
    }
    static QStringList expected_shown(const Choice& c) {
        QStringList out;
        for (int v : {c.face, c.hair, c.hair_color, c.eye_color, c.accessory, c.body_color, c.pose,
                      c.cloth_color, c.pants, c.line}) {
            out << QString::number(v);
        }
        out << QString::fromUtf8(c.school);
        for (bool first : {c.type == 0, c.eye_grey, c.body_matte, c.cloth_matte}) {
            out << (first ? QStringLiteral("first") : QStringLiteral("second"));
        }
        out << QString::number(c.type == 0);
        return out;
    }
};

// Opening a file shows exactly what choosing the same values by hand shows, and what the
// window-less renderer draws for them.
TEST_F(OpenFile, ShowsWhatChoosingTheSameValuesByHandShows) {
    for (const Choice& c : choices) {
        SCOPED_TRACE(c.pose);
        const QString path = write_choice(QStringLiteral("hero.txt"), c);
        const int draws = w.draw_count();
        ASSERT_TRUE(w.open_parameter_file(path)) << box_text.toStdString();
        EXPECT_EQ(w.draw_count() - draws, 1);
        EXPECT_EQ(shown(ui), expected_shown(c));

        CharTool by_hand;
        WindowControls hand(by_hand);
        hand.type_button[c.type]->click();
        for (auto [bar, v] : {std::pair{hand.face_type, c.face},
                              {hand.hair_type, c.hair},
                              {hand.hair_color, c.hair_color},
                              {hand.eye_color, c.eye_color},
                              {hand.accessory_color, c.accessory},
                              {hand.body_color, c.body_color},
                              {hand.cloth_type, c.pose},
                              {hand.cloth_color, c.cloth_color},
                              {hand.pants_color, c.pants},
                              {hand.line_color, c.line}}) {
            if (bar->isEnabled()) bar->setValue(v);
        }
        hand.eye_optjion_b[c.eye_grey ? 0 : 1]->click();
        hand.body_c_option_b[c.body_matte ? 0 : 1]->click();
        hand.cloth_c1_option_b[c.cloth_matte ? 0 : 1]->click();
        EXPECT_EQ(shown(hand), shown(ui));
        EXPECT_EQ(by_hand.workspace().character_view, w.workspace().character_view);

        EditorState expected = selection_of(c);
        expected.palettes = w.state().palettes;
        Workspace fresh;
        render_character(w.sheets(), expected, fresh);
        EXPECT_EQ(fresh.character_view, w.workspace().character_view);
    }
    EXPECT_EQ(boxes, 0);
}

// The drawing size, background and random flags are the window's own and stay.
TEST_F(OpenFile, KeepsTheWindowsSizeBackgroundAndRandomFlags) {
    ui.size_button[1]->click();
    w.set_back_color(RGB(255, 255, 255));
    w.set_random_flag(RandomItem::face, false);
    ASSERT_TRUE(w.open_parameter_file(write_choice(QStringLiteral("a.txt"), choices[0])));
    EXPECT_EQ(w.state().size_num, 2);
    EXPECT_TRUE(ui.size_button[1]->isChecked());
    EXPECT_EQ(w.state().back_color, RGB(255, 255, 255));
    EXPECT_EQ(w.state().rnd_face_flg, 0);
}

// A file that cannot be used is reported, naming it and the line at fault, and the window keeps
// the character it had.
TEST_F(OpenFile, ABadFileIsReportedAndChangesNothing) {
    QByteArray bad_line = *parameter_file(QStringLiteral("hero"), selection_of(choices[0]));
    bad_line.replace("Off\t", "Maybe\t");  // line 7, the eyes' grey
    QByteArray huge = *parameter_file(QStringLiteral("hero"), selection_of(choices[0]));
    huge.append(QByteArray(64 * 1024, ' '));
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("folder.txt")));
    const struct {
        QString path;
        QString must_say;
    } cases[] = {
        {write(QStringLiteral("bad.txt"), bad_line), QStringLiteral("line 7")},
        {write(QStringLiteral("short.txt"), "[x]\r\n"), QStringLiteral("line 2")},
        {write(QStringLiteral("huge.txt"), huge), QStringLiteral("large")},
        {dir.filePath(QStringLiteral("folder.txt")), QString()},
        {dir.filePath(QStringLiteral("missing.txt")), QString()},
    };
    ui.face_type->setValue(40);
    const Surface view = w.workspace().character_view;
    const QStringList before = shown(ui);
    for (const auto& c : cases) {
        boxes = 0;
        const int draws = w.draw_count();
        EXPECT_FALSE(w.open_parameter_file(c.path));
        EXPECT_EQ(boxes, 1) << c.path.toStdString();
        EXPECT_EQ(box_title, QStringLiteral("えらー"));
        EXPECT_TRUE(box_text.contains(QFileInfo(c.path).fileName())) << box_text.toStdString();
        EXPECT_TRUE(box_text.contains(c.must_say)) << box_text.toStdString();
        EXPECT_EQ(w.draw_count(), draws);
        EXPECT_EQ(shown(ui), before);
        EXPECT_EQ(w.workspace().character_view, view);
    }
}

// A bad file named at start-up leaves the window with its usual first character.
TEST_F(OpenFile, ABadFileAtStartUpStartsNormally) {
    CharTool fresh;
    WindowControls c(fresh);
    const QStringList usual = shown(c);
    const Surface usual_view = fresh.workspace().character_view;
    fresh.show();
    EXPECT_FALSE(fresh.open_parameter_file(write(QStringLiteral("bad.txt"), "not a file\n")));
    EXPECT_EQ(boxes, 1);
    EXPECT_EQ(shown(c), usual);
    EXPECT_EQ(fresh.workspace().character_view, usual_view);
}

// A file dropped on the window opens, unless a dialog is open; one whose name is not UTF-8
// (Shift-JIS bytes, percent-encoded in the URL as file managers send it) opens under that name.
TEST_F(OpenFile, ADroppedFileOpensUnlessADialogIsOpen) {
    QUrl url = QUrl::fromLocalFile(write_choice(QStringLiteral("dropped.txt"), choices[2]));
    auto drop = [&] {
        QMimeData data;
        data.setUrls({url});
        QDragEnterEvent enter(QPoint(100, 100), Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(&w, &enter);
        QDropEvent event(QPointF(100, 100), Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(&w, &event);
    };
    ui.m_version->trigger();
    UnloadingDialog* d = w.open_dialog_window();
    ASSERT_NE(d, nullptr);
    const QStringList before = shown(ui);
    const int draws = w.draw_count();
    drop();
    EXPECT_EQ(shown(ui), before);
    EXPECT_EQ(w.draw_count(), draws);
    d->unload();
    drop();
    EXPECT_EQ(shown(ui), expected_shown(choices[2]));

    const QByteArray raw = QFile::encodeName(dir.path()) + "/sj\x93\xfa.txt";
    const QByteArray plain = QFile::encodeName(write_choice(QStringLiteral("p.txt"), choices[1]));
    ASSERT_EQ(::rename(plain.constData(), raw.constData()), 0);
    url = QUrl::fromEncoded("file://" + raw.toPercentEncoding("/"));
    drop();
    EXPECT_EQ(shown(ui), expected_shown(choices[1]));
    ::rename(raw.constData(), plain.constData());  // a name QTemporaryDir can remove
}

}  // namespace
}  // namespace kelvara::testing
