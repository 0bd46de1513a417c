#include "help_text.h"

namespace kelvara::cli {

QString general_help() {
    return QStringLiteral(
        "Usage: kelvara-render COMMAND [OPTIONS]\n"
        "Renders Kelvara characters without opening the window.\n"
        "\n"
        "Commands:\n"
        "  render   draw the character of a parameter file\n"
        "  random   draw many random characters with their parameter files\n"
        "  sheet    lay several characters out on one contact sheet\n"
        "Run 'kelvara-render COMMAND --help' for a command's options.\n"
        "\n"
        "Options:\n"
        "  -h, --help   show this help\n"
        "  --version    show the version\n"
        "\n"
        "Exit status: 0 done, 1 a file could not be written, 2 bad input (nothing written).\n"
        "\n"
        "使い方: kelvara-render コマンド [オプション]\n"
        "ウィンドウを開かずにキャラクターを描きます。\n"
        "\n"
        "コマンド:\n"
        "  render   パラメーターファイルのキャラクターを描く\n"
        "  random   ランダムなキャラクターをパラメーターファイルと一緒にたくさん描く\n"
        "  sheet    いくつかのキャラクターを一枚の一覧画像に並べる\n"
        "各コマンドのオプションは 'kelvara-render コマンド --help' で表示されます。\n"
        "  -h, --help   このヘルプを表示する\n"
        "  --version    バージョンを表示する\n"
        "終了コード: 0 完了、1 ファイルを書けなかった、2 入力の誤り(何も書きません)。\n");
}

QString render_help() {
    return QStringLiteral(
        "Usage: kelvara-render render PARAMS.txt [-o OUT] [--background grey|green|white|RRGGBB]\n"
        "                             [--scale N] [--format bmp|png] [--transparent]\n"
        "Reads a parameter file as the save dialog writes it and draws its character. With no\n"
        "options the file is the same, byte for byte, as the save dialog's image on grey.\n"
        "  -o OUT              output file (default: the name on the file's first line, in the\n"
        "                      current folder, with .bmp or .png)\n"
        "  --background COLOUR grey (default), green, white, or a hex colour such as 336699\n"
        "  --scale N           enlarge by whole pixels, 1 to 8 (default 1)\n"
        "  --format FORMAT     bmp (default) or png\n"
        "  --transparent       with png: a see-through background instead of a colour\n"
        "\n"
        "使い方: kelvara-render render パラメーター.txt [-o 出力] [--background 色]\n"
        "                             [--scale 倍率] [--format bmp|png] [--transparent]\n"
        "保存ダイアログが書いたパラメーターファイルを読み、そのキャラクターを描きます。\n"
        "オプションなしでは、グレー背景で保存ダイアログが書く画像と同じバイト列になります。\n"
        "  -o 出力             出力ファイル(省略時は1行目の名前に .bmp か .png)\n"
        "  --background 色     grey(既定)、green、white、または 336699 のような16進の色\n"
        "  --scale 倍率        1から8の整数倍で拡大(既定 1)\n"
        "  --format 形式       bmp(既定)または png\n"
        "  --transparent       png のとき背景を透明にする\n");
}

QString random_help() {
    return QStringLiteral(
        "Usage: kelvara-render random --count N --out DIR [--seed S] [--items LIST]\n"
        "                             [--type かおづら|だめーじ] [--background COLOUR] [--jobs N]\n"
        "Draws N characters as the random button does, one after the other, and writes each\n"
        "image (BMP) and its parameter file into DIR. The same seed writes the same files.\n"
        "  --count N       how many characters, 1 to 100000\n"
        "  --out DIR       the folder for the files (made if missing)\n"
        "  --seed S        a whole number 0 to 4294967295 (default: from the clock)\n"
        "  --items LIST    comma-separated items drawn anew, of: face, hair, hair_color,\n"
        "                  eye_color, pose, cloth_color, pants_color, line_color, body_color,\n"
        "                  accessory_color (default: the random button's start-up items)\n"
        "  --type TYPE     かおづら (default) or だめーじ; also 'face' or 'damage'\n"
        "  --background C  as for render (default grey)\n"
        "  --jobs N        characters drawn at once (default: one per core); the files are the\n"
        "                  same for any N. The batch reaches the disk with one flush at the end:\n"
        "                  an interrupted batch leaves fewer files, never a broken one.\n"
        "\n"
        "使い方: kelvara-render random --count 枚数 --out フォルダ [--seed 種] [--items 項目]\n"
        "                             [--type かおづら|だめーじ] [--background 色] [--jobs 数]\n"
        "ランダムボタンと同じ規則でキャラクターを続けて描き、画像(BMP)とパラメーター\n"
        "ファイルをフォルダに書きます。同じ種なら同じファイルになります。\n"
        "  --count 枚数    1から100000\n"
        "  --out フォルダ  出力先(なければ作ります)\n"
        "  --seed 種       0から4294967295の整数(省略時は時計から)\n"
        "  --items 項目    ランダムにする項目をカンマ区切りで(省略時は起動時の設定)\n"
        "  --type タイプ   かおづら(既定)または だめーじ\n"
        "  --background 色 render と同じ(既定 グレー)\n"
        "  --jobs 数       同時に描く数(既定はコア数)。数によらず同じファイルになります。\n"
        "                  最後にまとめてディスクに書き込むので、中断しても壊れたファイルは\n"
        "                  残りません(ファイルが足りないだけです)。\n");
}

QString sheet_help() {
    return QStringLiteral(
        "Usage: kelvara-render sheet PARAMS.txt... --columns C -o OUT.png [--scale N]\n"
        "                            [--background COLOUR] [--jobs N]\n"
        "Lays the characters of several parameter files out on one PNG contact sheet, row by row.\n"
        "  --columns C     characters per row, 1 to 100\n"
        "  -o OUT.png      the contact sheet: PNG, or BMP for a name ending in .bmp; at most\n"
        "                  16384 pixels a side\n"
        "  --scale N       enlarge by whole pixels, 1 to 8 (default 1)\n"
        "  --background C  as for render (default grey)\n"
        "  --jobs N        characters drawn at once (default: one per core)\n"
        "\n"
        "使い方: kelvara-render sheet パラメーター.txt... --columns 列数 -o 出力.png\n"
        "                            [--scale 倍率] [--background 色] [--jobs 数]\n"
        "いくつかのパラメーターファイルのキャラクターを一枚のPNG一覧画像に並べます。\n"
        "  --columns 列数  一行に並べる数、1から100\n"
        "  -o 出力.png     一覧画像(PNG、名前が .bmp で終わるときは BMP)、一辺16384ピクセルまで\n"
        "  --scale 倍率    1から8の整数倍で拡大(既定 1)\n"
        "  --background 色 render と同じ(既定 グレー)\n"
        "  --jobs 数       同時に描く数(既定はコア数)\n");
}

}  // namespace kelvara::cli
