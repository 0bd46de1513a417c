#pragma once

#include <QByteArray>
#include <QString>
#include <QTextStream>

#include "export/parameter_reader.h"

namespace kelvara::cli {

// Reads a parameter file; throws BadInput naming the file (and the line at fault).
ParameterRecord read_parameters(const QString& path);

// Writes bytes to path, or says on err why not. Returns whether it wrote.
bool write_output(const QString& path, const QByteArray& bytes, QTextStream& err);

}  // namespace kelvara::cli
