#pragma once

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>

#include "cli.h"
#include "export_test_support.h"

namespace kelvara::testing {

// One run of the renderer with its messages caught.
struct CliRun {
    int status = -1;
    QString out;
    QString err;
};

inline CliRun run_cli(const QStringList& args) {
    CliRun r;
    QTextStream out(&r.out);
    QTextStream err(&r.err);
    r.status = cli::run(args, out, err);
    out.flush();
    err.flush();
    return r;
}

// The files in a folder, sorted.
inline QStringList files_in(const QString& folder) {
    return QDir(folder).entryList(QDir::Files, QDir::Name);
}

}  // namespace kelvara::testing
