#pragma once

#include <QByteArray>
#include <QString>
#include <cstdio>
#include <optional>
#include <vector>

#include "export/file_error.h"
#include "export/output_target.h"

namespace kelvara {

// The system call that gives written files their names (renameat2); replaceable so that a test
// can make one fail.
struct AtomicWriteSteps {
    int (*rename)(int from_folder, const char* from, int to_folder, const char* to,
                  unsigned flags) = &::renameat2;
};

// Replaces several files together, in one folder or many (a picture and its description, the
// files of a bundle): either every file is new afterwards or every file is as it was.
//
// add() checks the target and writes the bytes to a temporary file beside it before anything is
// replaced; commit() makes them all durable, then gives the files their names one after the
// other. A file
// that stood at a name waits under the temporary name until all are named, so that when one
// rename fails the files already replaced are put back. A group that was not committed, or whose
// add() failed, replaces nothing and leaves no temporary file.
class GroupWriter {
  public:
    explicit GroupWriter(const AtomicWriteSteps& steps = {}) : steps_(steps) {}
    ~GroupWriter();
    GroupWriter(const GroupWriter&) = delete;
    GroupWriter& operator=(const GroupWriter&) = delete;

    // Writes the file that is to replace path. Two paths that lead to one file are refused.
    FileStatus add(const QString& path, const QByteArray& bytes, LinkPolicy policy);

    // Gives every added file its name; after the first failure, of add() or here, nothing.
    FileStatus commit();

  private:
    struct File {
        enum class State {
            written,     // under its temporary name
            named,       // has its name, where nothing stood
            exchanged,   // has its name; the old file has the temporary name
            moved_away,  // has its name; the old file has the name aside
        };
        QString path;
        OutputTarget target;
        QByteArray temporary;
        QByteArray aside;
        State state = State::written;
        FileDescriptor data;  // the temporary file, open until its bytes are flushed
    };
    FileStatus failed(FileError error);
    int give_name(File& file);
    void take_back(File& file);
    void discard();

    AtomicWriteSteps steps_;
    std::vector<File> files_;
    std::optional<FileError> failure_;
};

}  // namespace kelvara
