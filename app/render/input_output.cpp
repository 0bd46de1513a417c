#include "input_output.h"

#include "cli.h"
#include "command_line.h"
#include "export/same_file.h"
#include "sprites/output_check.h"

namespace kelvara::cli {

namespace {

// Set by the output checks, which every command makes before it draws; read when it runs out of
// memory, which can happen anywhere in the drawing and encoding that follow.
QString& drawn_output() {
    static QString path;
    return path;
}

}  // namespace

ParameterRecord read_parameters(const QString& path) {
    FileResult<ParameterRecord> read = read_parameter_file_at(path);
    if (!read) throw BadInput(describe(read.error()));
    return std::move(read.value());
}

namespace {

void refuse(const QString& path, const QString& reason) {
    throw BadInput(describe(FileError{path, reason}));
}

void refuse_inputs(const QString& output, const QStringList& inputs) {
    for (const QString& input : inputs) {
        if (same_file(output, input)) {
            refuse(output, QStringLiteral("the same file as the input %1; the output needs a name "
                                          "of its own")
                               .arg(shortened(input)));
        }
    }
}

}  // namespace

void check_outputs(const std::vector<Output>& outputs, const QStringList& inputs) {
    for (const Output& output : outputs) {
        if (const FileStatus can = sprites::check_output(output.path); !can) {
            throw BadInput(describe(can.error()));
        }
    }
    for (std::size_t i = 0; i < outputs.size(); ++i) {
        for (std::size_t j = 0; j < i; ++j) {
            if (same_file(outputs[i].path, outputs[j].path)) {
                refuse(outputs[i].path,
                       QStringLiteral("the same file as %1; each output needs a file "
                                      "of its own")
                           .arg(shortened(outputs[j].path)));
            }
        }
        refuse_inputs(outputs[i].path, inputs);
    }
    for (const Output& output : outputs) {
        const QString wanted = QLatin1String(output.extension);
        if (!output.path.endsWith(wanted, Qt::CaseInsensitive)) {
            refuse(output.path,
                   QStringLiteral("the file is written as %1, so its name must end in %2")
                       .arg(wanted.mid(1).toUpper(), wanted));
        }
    }
    drawn_output() = outputs.front().path;
}

void check_batch_folder(const QString& folder, const QStringList& paths,
                        const QStringList& inputs) {
    if (const FileStatus can = sprites::check_output_folder(folder, paths); !can)
        throw BadInput(describe(can.error()));
    for (const QString& path : paths) refuse_inputs(path, inputs);
    drawn_output() = folder;
}

QString out_of_memory_message() {
    const QString path = drawn_output();
    const FileError error = not_enough_memory(path);
    return path.isEmpty() ? error.reason : describe(error);
}

int finish(const FileStatus& written, QTextStream& err) {
    if (written) return exit_ok;
    report(err, describe(written.error()));
    return exit_write_failed;
}

std::function<void(const QString& folder)> waiting_report(QTextStream& err) {
    return [&err](const QString& folder) {
        report(err, describe(FileError{folder, QStringLiteral("another batch or bundle is writing "
                                                              "into this folder; this one waits "
                                                              "until it has finished, then "
                                                              "replaces its files of the same "
                                                              "names")}));
        err.flush();
    };
}

}  // namespace kelvara::cli
