#pragma once

#include <QString>
#include <QStringList>
#include <QTextStream>

#include <functional>
#include <vector>
#include "export/file_error.h"
#include "export/parameter_reader.h"

namespace kelvara::cli {

// Reads a parameter file; throws BadInput naming the file (and the line at fault).
ParameterRecord read_parameters(const QString& path);

// A file a command writes, and the extension (".png") its name must end in, in any case: a name
// that promises another format than the one written would be opened by the wrong program.
struct Output {
    QString path;
    const char* extension;
};

// Bad input unless every output may be written (the one output check of every command, made
// before anything is drawn): a device, pipe, folder or a link to anything but a regular file
// standing there, a missing or closed folder, two outputs that are one file once links are
// followed, an output that is one of the command's inputs, or a name with another extension. The
// first output is the file a failure for want of memory is reported on.
void check_outputs(const std::vector<Output>& outputs, const QStringList& inputs);

// The same for the files of a batch or a bundle, names made up in folder and its subfolders (see
// sprites::check_output_folder), none of which may be an input; the folder is what a failure for
// want of memory names.
void check_batch_folder(const QString& folder, const QStringList& paths,
                        const QStringList& inputs = {});

// The message for a command that ran out of memory while drawing or encoding, naming the output
// checked last.
QString out_of_memory_message();

// What a batch or a bundle says on err when another one is writing into its folder and it waits.
std::function<void(const QString& folder)> waiting_report(QTextStream& err);

// The exit status of a write: done, or the failure reported on err.
int finish(const FileStatus& written, QTextStream& err);

}  // namespace kelvara::cli
