#pragma once

#include <QByteArray>
#include <QString>

namespace kelvara {

// Creates or replaces the file at path with exactly bytes. The bytes go to a temporary file in
// the same folder, which then takes the file's name in one step: a write that fails (missing
// folder, no permission, full disk) leaves any old file whole and no partial file behind.
// Returns an empty string on success, otherwise the system's description of the failure.
QString write_file_atomically(const QString& path, const QByteArray& bytes);

}  // namespace kelvara
