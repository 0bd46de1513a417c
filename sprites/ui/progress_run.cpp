#include "sprites/ui/progress_run.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QProgressDialog>
#include <QTimer>
#include <exception>
#include <memory>
#include <thread>

namespace kelvara::sprites {

FileStatus run_with_progress(QWidget* parent, const QString& title, const QString& label,
                             const std::function<FileStatus(WorkProgress&)>& work) {
    WorkProgress progress;
    FileStatus status;
    std::exception_ptr failure;
    std::atomic<bool> finished{false};
    std::thread worker([&] {
        try {
            status = work(progress);
        } catch (...) {
            failure = std::current_exception();
        }
        finished = true;
    });

    // The window repaints and the preview goes on playing meanwhile; clicks and keys wait until
    // the work is done, so nothing changes under it.
    QEventLoop loop;
    QElapsedTimer running;
    running.start();
    std::unique_ptr<QProgressDialog> dialog;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (finished) {
            loop.quit();
            return;
        }
        if (!dialog && running.elapsed() >= progress_delay_ms) {
            dialog = std::make_unique<QProgressDialog>(label, QString(), 0, 0, parent);
            dialog->setObjectName(QStringLiteral("export_progress"));
            dialog->setWindowTitle(title);
            dialog->setWindowModality(Qt::ApplicationModal);
            dialog->setMinimumDuration(0);
            dialog->setAutoClose(false);
            dialog->setAutoReset(false);
            dialog->show();
        }
        if (dialog) {
            dialog->setMaximum(progress.total);
            dialog->setValue(progress.done);
        }
    });
    poll.start(20);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    worker.join();
    if (failure) std::rethrow_exception(failure);
    return status;
}

}  // namespace kelvara::sprites
