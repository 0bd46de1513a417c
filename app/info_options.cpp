#include "info_options.h"

#include <cstdio>
#include <cstring>

#include "model/version.h"

namespace kelvara {

namespace {

// English first, then Japanese; the manual page keeps the English part (up to the blank line
// before the Japanese one).
constexpr const char* help_text =
    "Usage: kelvara [--help | --version]\n"
    "Opens the Kelvara character maker: pick a face, a matching hairstyle, a body pose or a\n"
    "damage figure, seven colours and three options, see the sprite enlarged on a background\n"
    "of your choice, and save it as a 63 x 63 BMP with an optional parameter file. For batches\n"
    "from the command line use kelvara-render.\n"
    "  -h, --help     show this help and exit\n"
    "  -v, --version  show the version and exit\n"
    "Characters made with Kelvara may be used in any game or artwork, commercial or not, with\n"
    "no credit required: the pictures and parameter files it writes are dedicated to the public\n"
    "domain (CC0 1.0).\n"
    "\n"
    "使い方: kelvara [--help | --version]\n"
    "轟陣キャラクターメーカーのウィンドウを開きます。顔と髪型、ポーズ、色を選び、\n"
    "キャラクターを63×63のBMPとパラメーターファイルに保存します。\n"
    "  -h, --help     この説明を表示して終了\n"
    "  -v, --version  バージョンを表示して終了\n"
    "作ったキャラクターは、商用・非商用を問わず、どんなゲームや作品にもクレジットなしで\n"
    "使えます(CC0 1.0 でパブリックドメインに提供)。\n";

}  // namespace

std::optional<int> answer_info_options(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i) {
        const char* arg = argv[i];
        if (std::strcmp(arg, "--") == 0) break;
        if (std::strcmp(arg, "--help") == 0 || std::strcmp(arg, "-h") == 0) {
            std::fputs(help_text, stdout);
            return 0;
        }
        if (std::strcmp(arg, "--version") == 0 || std::strcmp(arg, "-v") == 0) {
            std::printf("kelvara %s\n", version_text);
            return 0;
        }
    }
    return std::nullopt;
}

}  // namespace kelvara
