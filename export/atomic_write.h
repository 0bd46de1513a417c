#pragma once

#include <QByteArray>
#include <QString>

#include "export/file_error.h"
#include "export/group_writer.h"
#include "export/output_target.h"

namespace kelvara {

// Whether path may be written under the policy: nothing stands there yet, or a regular file, or
// (for a name the user gave) a link to one, or (for a name Kelvara made up) any link. A device,
// pipe, socket or folder in its place is refused and left as it is. Callers that must write
// nothing on bad input check every target with this first.
FileStatus check_write_target(const QString& path, LinkPolicy policy = LinkPolicy::user_named);

// Creates or replaces the file the user named path with exactly bytes (LinkPolicy::user_named).
// The bytes go to a temporary file in the same folder, which then takes the file's name in one
// step: a write that fails (missing folder, no permission, full disk) leaves any old file whole
// and no partial file behind. A file that is replaced keeps its permission bits and owner; a
// link to a regular file keeps pointing to it, and the file it points to is replaced. For anyone
// but root a file they may not write is refused, as the system would refuse writing it in place.
FileStatus write_file_atomically(const QString& path, const QByteArray& bytes,
                                 const AtomicWriteSteps& steps = {});

}  // namespace kelvara
