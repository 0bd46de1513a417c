#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

#include "model/editor_state.h"

namespace kelvara {

// The 15 lines of the parameter file, without line ends, in the order they are written: the base
// name in brackets, the type word, then one line per selection, each a value, a TAB (not after the
// type word) and a label beginning " : ".
QStringList parameter_lines(const QString& base_name, const EditorState& state);

// The whole file: every line, the last one too, ends in CR LF; Shift-JIS without a byte-order
// mark. Empty when the system cannot convert to Shift-JIS.
std::optional<QByteArray> parameter_file(const QString& base_name, const EditorState& state);

}  // namespace kelvara
