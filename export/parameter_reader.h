#pragma once

#include <QByteArray>
#include <QString>
#include <variant>

#include "model/editor_state.h"

namespace kelvara {

// A parameter file read back: the name on its first line and the selections it lists. Fields the
// file does not hold (sizes, random flags, background) keep their start values.
struct ParameterRecord {
    QString base_name;
    EditorState selection;
};

// Why a file could not be read: the line (1..15, or 0 for the file as a whole) and what was
// expected there, in English.
struct ParameterError {
    int line = 0;
    QString message;
};

// Reads a parameter file as the save dialog writes it: 15 lines of Shift-JIS, each a value and
// its label. Lines may end in CR LF, as written, or in LF alone. Every value must lie in its
// selector's range, the pose in the range of its sprite type.
std::variant<ParameterRecord, ParameterError> read_parameter_file(const QByteArray& bytes);

}  // namespace kelvara
