#pragma once

#include <QTreeWidget>

#include "cli.h"
#include "dialog_access.h"
#include "export/parameter_file.h"
#include "export_test_support.h"
#include "shown_window.h"
#include "sprites/ui/animation_preview.h"
#include "sprites/ui/preview_view.h"

namespace kelvara::testing {

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
        QFile txt(name + QStringLiteral(".txt"));
        if (!txt.open(QIODevice::WriteOnly)) return false;
        txt.write(*parameter_file(QFileInfo(name).fileName(), w.state()));
        txt.close();
        QString said;
        QTextStream out(&said), err(&said);
        const int status = cli::run(QStringList{command, txt.fileName()} + arguments, out, err);
        EXPECT_EQ(status, cli::exit_ok) << said.toStdString();
        return status == cli::exit_ok;
    }
};

}  // namespace kelvara::testing
