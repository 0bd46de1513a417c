#pragma once

#include <QString>
#include <functional>

#include "export/file_error.h"

class QWidget;

namespace kelvara::sprites {

// How long work runs before a progress dialog shows that the program is busy.
constexpr int progress_delay_ms = 400;

// Runs work on a thread of its own; the windows go on painting (the preview playing) but take no
// input until it is done, so nothing changes under it. After progress_delay_ms a progress dialog
// with title and label shows that it is still working. Returns the work's status.
FileStatus run_with_progress(QWidget* parent, const QString& title, const QString& label,
                             const std::function<FileStatus()>& work);

}  // namespace kelvara::sprites
