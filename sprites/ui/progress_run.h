#pragma once

#include <QString>
#include <atomic>
#include <functional>

#include "export/file_error.h"

class QWidget;

namespace kelvara::sprites {

// How far a piece of work has got, written by the worker and read by the window.
struct WorkProgress {
    std::atomic<int> done{0};
    std::atomic<int> total{0};
};

// Runs work on a thread of its own while the window goes on painting but takes no input, and
// shows a progress dialog with label once the work has taken longer than a moment. Returns the
// work's status.
FileStatus run_with_progress(QWidget* parent, const QString& title, const QString& label,
                             const std::function<FileStatus(WorkProgress&)>& work);

// How long work runs before its progress shows.
constexpr int progress_delay_ms = 400;

}  // namespace kelvara::sprites
