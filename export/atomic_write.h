#pragma once

#include <QByteArray>
#include <QString>
#include <cstdio>

#include "export/file_error.h"

namespace kelvara {

// The last step of a write, which gives the written temporary file the target's name in one
// step; replaceable so that a test can make it fail.
struct AtomicWriteSteps {
    int (*commit)(const char* temporary, const char* target) = &std::rename;
};

// Whether path may be written: it does not exist yet, or it is a regular file (or a link to one).
// A device, pipe, socket or folder in its place is refused and left as it is. Callers that must
// write nothing on bad input check every target with this first.
FileStatus check_write_target(const QString& path);

// Creates or replaces the file at path with exactly bytes. The bytes go to a temporary file in
// the same folder, which then takes the file's name in one step: a write that fails (missing
// folder, no permission, full disk) leaves any old file whole and no partial file behind. A file
// that is replaced keeps its permission bits and owner; a link keeps pointing to the file it
// names, which is replaced. For anyone but root a file they may not write is refused, as the
// system would refuse writing it in place.
FileStatus write_file_atomically(const QString& path, const QByteArray& bytes,
                                 const AtomicWriteSteps& steps = {});

}  // namespace kelvara
