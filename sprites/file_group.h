#pragma once

#include <stdio.h>

#include <QByteArray>
#include <QString>
#include <vector>

#include "export/file_error.h"

namespace kelvara::sprites {

// One file of a group that is replaced together.
struct GroupFile {
    QString path;
    QByteArray bytes;
};

// Writes the files so that either all are new afterwards or all are as they were (an atlas and
// its description, the files of a bundle). Every file is first written in full under a temporary
// name beside its own, so that what usually fails (a file or folder closed to writing, a full
// disk) fails before anything is replaced; one flush of the file system then puts them all on
// the disk, and each takes its name; should one of those steps fail, the files already replaced
// are put back. As write_file_atomically does for one file, a link is followed, a replaced file
// keeps its mode and owner, and whatever is not a regular file is refused.
// The system call that gives the written files their names; replaceable so that a test can make
// one fail.
struct GroupSteps {
    int (*rename)(int from_folder, const char* from, int to_folder, const char* to,
                  unsigned flags) = &::renameat2;
};

FileStatus write_group(const std::vector<GroupFile>& files, const GroupSteps& steps = {});

}  // namespace kelvara::sprites
