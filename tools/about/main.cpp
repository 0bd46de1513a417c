#include <QFile>
#include <cstdio>

#include "about_picture.h"
#include "compositor/sheet_colours.h"
#include "gif_writer.h"

// Writes the About box's picture as a GIF file.
int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: kelvara-aboutgen OUT.gif\n");
        return 2;
    }
    const auto bytes =
        kelvara::about::encode_gif(kelvara::about::draw_about_picture(), kelvara::key_color);
    QFile out(QString::fromLocal8Bit(argv[1]));
    if (bytes.empty() || !out.open(QIODevice::WriteOnly) ||
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size())) !=
            static_cast<qint64>(bytes.size())) {
        std::fprintf(stderr, "kelvara-aboutgen: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
