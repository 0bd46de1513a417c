#pragma once

#include <QString>
#include <QStringList>
#include <QTextStream>

#include "export/file_error.h"
#include "export/parameter_reader.h"

namespace kelvara::cli {

// Reads a parameter file; throws BadInput naming the file (and the line at fault).
ParameterRecord read_parameters(const QString& path);

// Bad input unless a file may be written at every path (the one output check of every command):
// a device, pipe or folder standing there, or a missing or closed folder, is refused before
// anything is drawn.
void check_outputs(const QStringList& paths);

// The exit status of a write: done, or the failure reported on err.
int finish(const FileStatus& written, QTextStream& err);

}  // namespace kelvara::cli
