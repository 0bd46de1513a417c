#pragma once

#include <QString>
#include <QStringList>

#include "export/file_error.h"

namespace kelvara::sprites {

// Whether a file may be written at path, a name the user gave: not when a device, pipe, folder or
// a link to anything but a regular file stands there, or its folder is missing or closed to
// writing. Checked before anything is drawn, so that a bad output path draws and writes nothing.
FileStatus check_output(const QString& path);

// Whether the files at paths, names made up in folder or in its subfolders, may be written, the
// folders being made when they are missing. The folder is the user's: a link to a folder is
// followed, and a file, a link to nothing or to anything but a folder, in its place or in that of
// a missing folder above it, is refused, as is an existing folder closed to writing. A subfolder
// is made up: anything but a folder there, a link to one included, is refused, since files would
// be written through it. A link at one of the paths is replaced when the files are written; a
// device, pipe or folder there is refused.
FileStatus check_output_folder(const QString& folder, const QStringList& paths);

// The path made absolute and clean as text, so that a name that is not UTF-8 stays whole
// (QFileInfo::absoluteFilePath() replaces such bytes in a relative path).
QString absolute_path(const QString& path);

// Makes folder and the missing folders above it, under exactly the bytes of its name (see
// export/file_names.h); whether it is a folder afterwards.
bool make_folder(const QString& folder);

}  // namespace kelvara::sprites
