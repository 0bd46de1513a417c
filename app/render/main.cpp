#include <malloc.h>
#include <sys/mman.h>

#include <QCoreApplication>
#include <QTextStream>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <exception>

#include "cli.h"
#include "export/file_names.h"

namespace {

// Every command that draws fills ten megabytes or so of fresh heap (the unpacked sheets, the
// workspace, the output). Touched page by page, each page is a fault, and in a virtual machine
// faults are dear: a third of a short run. One madvise call populates the heap in bulk; freed,
// the block stays in the heap (see the thresholds below) for the allocations that follow.
void prefault_heap(std::size_t bytes) {
    void* block = std::malloc(bytes);
    if (block == nullptr) return;
    const std::uintptr_t page = 4096;
    const auto begin = (reinterpret_cast<std::uintptr_t>(block) + page - 1) & ~(page - 1);
    const auto end = (reinterpret_cast<std::uintptr_t>(block) + bytes) & ~(page - 1);
    if (end > begin) madvise(reinterpret_cast<void*>(begin), end - begin, MADV_POPULATE_WRITE);
    std::free(block);
}

}  // namespace

int main(int argc, char* argv[]) {
    // Buffers of a few megabytes (the sheets, a sprite set's picture) come from the heap instead
    // of mappings of their own, and freed ones stay there to be reused, which spares a few
    // thousand page faults.
    mallopt(M_MMAP_THRESHOLD, 256 << 20);
    mallopt(M_TRIM_THRESHOLD, 256 << 20);
    // Commands are words; --help and --version draw nothing.
    if (argc > 1 && argv[1][0] != '-') prefault_heap(std::size_t{16} << 20);
    // Every picture format is written by the program's own code, so the renderer needs no Qt
    // plug-in; an empty search path keeps Qt from scanning the plug-in folders for one.
    QCoreApplication::setLibraryPaths({});
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    // The arguments as the bytes they are: a file name need not be UTF-8, and arguments() would
    // replace what is not, so that another file, or none, would be opened or written.
    QStringList arguments;
    for (int i = 1; i < argc; ++i) arguments << kelvara::name_from_bytes(QByteArray(argv[i]));
    try {
        const int status = kelvara::cli::run(arguments, out, err);
        out.flush();
        err.flush();
        return status;
    } catch (const std::exception& e) {
        // Only a broken build gets here (an embedded image could not be decoded).
        kelvara::cli::report(err, QString::fromLocal8Bit(e.what()));
        return 1;
    }
}
