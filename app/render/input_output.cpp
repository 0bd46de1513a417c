#include "input_output.h"

#include "command_line.h"
#include "export/atomic_write.h"

namespace kelvara::cli {

ParameterRecord read_parameters(const QString& path) {
    FileResult<ParameterRecord> read = read_parameter_file_at(path);
    if (!read) throw BadInput{describe(read.error())};
    return std::move(read.value());
}

bool write_output(const QString& path, const QByteArray& bytes, QTextStream& err) {
    const FileStatus written = write_file_atomically(path, bytes);
    if (!written) err << "kelvara-render: " << describe(written.error()) << "\n";
    return written.ok();
}

}  // namespace kelvara::cli
