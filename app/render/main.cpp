#include <QCoreApplication>
#include <QTextStream>
#include <cstdio>
#include <exception>

#include "cli.h"

int main(int argc, char* argv[]) {
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
