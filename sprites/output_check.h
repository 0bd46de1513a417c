#pragma once

#include <QString>
#include <QStringList>

#include "export/file_error.h"

namespace kelvara::sprites {

// Whether a file may be written at path: not when a device, pipe or folder stands there, or its
// folder is missing or closed to writing. Checked before anything is drawn, so that a bad output
// path draws and writes nothing.
FileStatus check_output(const QString& path);

// Whether the files at paths, all in folder, may be written, the folder being made when it is
// missing: not when a file stands in the folder's place, the folder is closed to writing, or a
// device or folder stands at one of the paths.
FileStatus check_output_folder(const QString& folder, const QStringList& paths);

}  // namespace kelvara::sprites
