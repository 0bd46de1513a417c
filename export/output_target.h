#pragma once

#include <sys/stat.h>

#include <QByteArray>
#include <QString>
#include <optional>

#include "export/file_error.h"
#include "export/posix_write.h"

namespace kelvara {

// What a writer does with a link standing at an output's name. Kelvara never writes through a
// link at a name it made up.
enum class LinkPolicy {
    // A name the user gave (-o, the save dialog): a link there may point to a regular file, which
    // is replaced (the link stays); a link to nothing or to anything else is refused.
    user_named,
    // A name Kelvara made up (a batch's files, the description beside a picture): a link there
    // is replaced by the file itself, never followed.
    generated,
};

// The file that writing path would replace or make, after the link the policy follows; a refusal
// when something else stands there. Only the name is looked at: its folder may not exist yet.
FileResult<QByteArray> output_file(const QString& path, LinkPolicy policy);

// Where an output goes, found before anything is written: the folder it takes its name in, that
// name, and the regular file standing there, which the new file replaces keeping its mode and
// owner. Whatever else stands at the name (a folder, a device, a pipe, a socket, a link the
// policy does not allow) is refused.
struct OutputTarget {
    FileDescriptor folder;
    QByteArray name;
    std::optional<struct stat> replaced;
};
FileResult<OutputTarget> find_output_target(const QString& path, LinkPolicy policy);

// The reason given for anything but a regular file at an output.
QString not_a_regular_file();

}  // namespace kelvara
