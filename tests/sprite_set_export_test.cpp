// Writing from the window: long work runs off the window's thread with a progress dialog once it
// takes longer than a moment.
#include <gtest/gtest.h>

#include <QApplication>
#include <QProgressDialog>
#include <QTimer>
#include <atomic>
#include <thread>

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

}  // namespace
}  // namespace kelvara::sprites
