#pragma once

#include <QByteArray>

#include "export/file_error.h"

// Where a character's parameters are read from: a parameter file, or a picture or atlas JSON that
// Kelvara wrote with the parameters inside.
namespace kelvara {

// A picture is read a piece at a time, passing over its pixels, so this limit only bounds how far
// a walk through it may go; Kelvara's largest atlases are a few tens of MiB.
constexpr qint64 picture_file_size_limit = qint64{256} * 1024 * 1024;

// An atlas JSON is read whole; one for every pose of a character is a few hundred KiB.
constexpr qint64 json_file_size_limit = qint64{8} * 1024 * 1024;

// The bytes of a parameter file, as read_parameter_file takes them, from the open regular file fd
// of size bytes, told apart by its first bytes: a PNG (its signature) or GIF ("GIF8") whose
// parameters are in its text chunk or comment; an atlas JSON ("{") with them in
// meta.kelvara.parameters; or anything else, taken to be a parameter file as it stands. The
// parameters inside a picture or JSON are UTF-8, and come back in Shift-JIS. Each kind has its own
// size limit, parameter_file_size_limit for a parameter file. A failure's path is empty.
FileResult<QByteArray> parameter_bytes(int fd, qint64 size);

}  // namespace kelvara
