// Writes the bash completion of kelvara-render, made from its declarations, to the file named:
//   kelvara-render-completion OUT
#include <QFile>
#include <cstdio>

#include "completion.h"

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fputs("usage: kelvara-render-completion OUT\n", stderr);
        return 2;
    }
    QFile out(QFile::decodeName(argv[1]));
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        out.write(kelvara::cli::bash_completion().toUtf8()) < 0 || !out.flush()) {
        std::fprintf(stderr, "kelvara-render-completion: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
