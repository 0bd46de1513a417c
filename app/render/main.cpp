#include <malloc.h>

#include <QCoreApplication>
#include <QTextStream>
#include <cstdio>
#include <exception>

#include "cli.h"

int main(int argc, char* argv[]) {
    // The sheets are decoded one after the other through buffers of a few megabytes. Kept in the
    // heap instead of mapped and unmapped each time, freed buffers are reused, which spares a
    // few thousand page faults: a third of the time of a short run.
    mallopt(M_MMAP_THRESHOLD, 256 << 20);
    mallopt(M_TRIM_THRESHOLD, 256 << 20);
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    try {
        const int status = kelvara::cli::run(QCoreApplication::arguments().mid(1), out, err);
        out.flush();
        err.flush();
        return status;
    } catch (const std::exception& e) {
        // Only a broken build gets here (an embedded image could not be decoded).
        err << "kelvara-render: " << e.what() << "\n";
        return 1;
    }
}
