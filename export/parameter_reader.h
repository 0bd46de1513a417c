#pragma once

#include <QByteArray>
#include <QString>

#include "export/file_error.h"
#include "model/editor_state.h"

namespace kelvara {

// A parameter file read back: the name on its first line and the selections it lists. Fields the
// file does not hold (sizes, random flags, background) keep their start values.
struct ParameterRecord {
    QString base_name;
    EditorState selection;
};

// A parameter file is a few hundred bytes; anything larger than this is refused unread.
constexpr qint64 parameter_file_size_limit = 64 * 1024;

// Reads a parameter file as the save dialog writes it: 15 lines of Shift-JIS, each a value and
// its label. Lines may end in CR LF, as written, or in LF alone. Every value must lie in its
// selector's range, the pose in the range of its sprite type. A failure names the line at fault
// (1..16, or 0 for the file as a whole) and what was expected there, in English; its path is
// empty.
FileResult<ParameterRecord> read_parameter_file(const QByteArray& bytes);

// Reads and parses the parameter file at path, or the parameters inside a PNG, GIF or atlas JSON
// that Kelvara wrote (see parameter_bytes, which tells them apart by their first bytes). Anything
// but a regular file (or a link to one) is refused without waiting on it, such as a pipe with no
// writer or an endless device, and so is a file larger than its kind's limit
// (parameter_file_size_limit for a parameter file), a picture or JSON without Kelvara's
// parameters, and a damaged one; the error then names the file and says why.
FileResult<ParameterRecord> read_parameter_file_at(const QString& path);

}  // namespace kelvara
