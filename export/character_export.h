#pragma once

#include <QString>

#include "compositor/surface.h"
#include "export/file_error.h"
#include "model/editor_state.h"

namespace kelvara {

// What a save did. The image is written first and the parameter file second, so a failure of the
// parameter file means the image is already saved.
struct ExportOutcome {
    enum class Failure {
        none,
        refused_name,    // nothing written
        image_file,      // nothing written; an old image is untouched
        parameter_file,  // the image is saved; an old parameter file is untouched
    };
    Failure failure = Failure::none;
    FileError error;  // the file that failed (or the refused name) and the system's words

    bool ok() const { return failure == Failure::none; }
};

// Saves picture as folder/base_name.bmp and, when parameters is given, the parameter file
// folder/base_name.txt beside it. base_name is used as given (apply export_base_name first).
ExportOutcome export_character(const QString& folder, const QString& base_name,
                               const Surface& picture, const EditorState* parameters);

// The text of the message that reports a failed save, naming the file and the reason.
QString failure_message(const ExportOutcome& outcome);

}  // namespace kelvara
