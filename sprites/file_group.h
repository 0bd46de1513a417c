#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

#include "export/file_error.h"
#include "export/group_writer.h"

namespace kelvara::sprites {

// One file of a group that is replaced together.
struct GroupFile {
    QString path;
    QByteArray bytes;
    LinkPolicy policy = LinkPolicy::user_named;
};

// The files written so that either all are new afterwards or all are as they were (an atlas and
// its description, the files of a bundle), through export's GroupWriter: every file is written
// in full beside its own before any is replaced.
FileStatus write_group(const std::vector<GroupFile>& files, const AtomicWriteSteps& steps = {});

}  // namespace kelvara::sprites
