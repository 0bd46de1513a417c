#include "input_output.h"

#include "cli.h"
#include "command_line.h"
#include "sprites/output_check.h"

namespace kelvara::cli {

ParameterRecord read_parameters(const QString& path) {
    FileResult<ParameterRecord> read = read_parameter_file_at(path);
    if (!read) throw BadInput(describe(read.error()));
    return std::move(read.value());
}

void check_outputs(const QStringList& paths) {
    for (const QString& path : paths) {
        if (const FileStatus can = sprites::check_output(path); !can) {
            throw BadInput(describe(can.error()));
        }
    }
}

int finish(const FileStatus& written, QTextStream& err) {
    if (written) return exit_ok;
    report(err, describe(written.error()));
    return exit_write_failed;
}

}  // namespace kelvara::cli
