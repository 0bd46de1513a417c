#include "input_output.h"

#include <QFile>

#include "command_line.h"
#include "export/atomic_write.h"

namespace kelvara::cli {

ParameterRecord read_parameters(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        throw BadInput{QStringLiteral("%1: cannot read: %2").arg(path, file.errorString())};
    }
    const auto parsed = read_parameter_file(file.readAll());
    if (const auto* e = std::get_if<ParameterError>(&parsed)) {
        throw BadInput{
            e->line > 0 ? QStringLiteral("%1: line %2: %3").arg(path).arg(e->line).arg(e->message)
                        : QStringLiteral("%1: %2").arg(path, e->message)};
    }
    return std::get<ParameterRecord>(parsed);
}

bool write_output(const QString& path, const QByteArray& bytes, QTextStream& err) {
    const QString problem = write_file_atomically(path, bytes);
    if (problem.isEmpty()) return true;
    err << "kelvara-render: " << path << ": " << problem << "\n";
    return false;
}

}  // namespace kelvara::cli
