#include "sprites/ui/progress_run.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QProgressDialog>
#include <QTimer>
#include <atomic>
#include <exception>
#include <memory>
#include <thread>

namespace kelvara::sprites {

FileStatus run_with_progress(QWidget* parent, const QString& title, const QString& label,
                             const std::function<FileStatus()>& work) {
    FileStatus status;
    std::exception_ptr failure;
    std::atomic<bool> finished{false};
    std::thread worker([&] {
        try {
            status = work();
        } catch (...) {
            failure = std::current_exception();
        }
        finished = true;
    });

    QEventLoop loop;
    QElapsedTimer running;
    running.start();
    std::unique_ptr<QProgressDialog> dialog;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (finished) {
            loop.quit();
        } else if (!dialog && running.elapsed() >= progress_delay_ms) {
            // No steps to count and nothing to cancel: a busy bar, and no button.
            dialog = std::make_unique<QProgressDialog>(label, QString(), 0, 0, parent);
            dialog->setObjectName(QStringLiteral("progress_dialog"));
            dialog->setWindowTitle(title);
            // A title and nothing to close it by, wide enough for the title to show whole.
            dialog->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
            dialog->setMinimumWidth(320);
            dialog->setWindowModality(Qt::ApplicationModal);
            dialog->setMinimumDuration(0);
            dialog->show();
        }
    });
    poll.start(20);
    // Clicks and keys wait in the queue until the work is done.
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    worker.join();
    if (failure) std::rethrow_exception(failure);
    return status;
}

}  // namespace kelvara::sprites
