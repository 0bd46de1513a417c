// Build step: converts a committed sprite sheet (PNG) into the packed form the program embeds.
//   kelvara_sheet_pack IN.png OUT
// The committed PNG stays the source of truth; the packed file is a build product.

#include <cstdio>
#include <fstream>

#include "assets/image_codec.h"
#include "assets/packed_sheet.h"
#include "compositor/sheet_colours.h"

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: kelvara_sheet_pack IN.png OUT\n");
        return 2;
    }
    const kelvara::Surface sheet =
        kelvara::load_surface(QString::fromLocal8Bit(argv[1]), kelvara::key_color);
    if (sheet.width() == 0) {
        std::fprintf(stderr, "kelvara_sheet_pack: cannot decode %s\n", argv[1]);
        return 1;
    }
    const std::vector<std::uint8_t> packed = kelvara::pack_surface(sheet);
    if (packed.empty()) {
        std::fprintf(stderr, "kelvara_sheet_pack: %s has more than 65536 colours\n", argv[1]);
        return 1;
    }
    std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(packed.data()),
              static_cast<std::streamsize>(packed.size()));
    out.close();
    if (!out) {
        std::fprintf(stderr, "kelvara_sheet_pack: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
