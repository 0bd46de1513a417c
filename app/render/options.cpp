#include "options.h"

#include <algorithm>

namespace kelvara::cli {

// The program's own options.
const Option help_option{.name = "help",
                         .help_en = "show this help",
                         .help_ja = "このヘルプを表示する",
                         .short_name = "h"};
const Option version_option{
    .name = "version", .help_en = "show the version", .help_ja = "バージョンを表示する"};

// Shared by several commands.
const Option background_option{
    .name = "background",
    .value_en = "COLOUR",
    .value_ja = "色",
    .help_en = "grey (default), green, white, or a hex colour such as 336699",
    .help_ja = "grey(既定)、green、white、または 336699 のような16進の色",
    .choices = {"grey", "green", "white"},
    .aliases = {"gray"},
    .offer = Offer::choices};
const Option scale_option{.name = "scale",
                          .value_en = "N",
                          .value_ja = "倍率",
                          .help_en = "enlarge by whole pixels, {range} (default 1)",
                          .help_ja = "{range}の整数倍で拡大(既定 1)",
                          .range = Range{1, 8}};
const Option jobs_option{
    .name = "jobs",
    .value_en = "N",
    .value_ja = "数",
    .help_en =
        "pictures drawn at once, {range} (default: one per core); the files\n"
        "are the same for any N",
    .help_ja = "同時に描く数、{range}(既定はコア数)。\n数によらず同じファイルになります。",
    .range = Range{1, 256}};
const Option columns_option{.name = "columns",
                            .value_en = "C",
                            .value_ja = "列数",
                            .help_en = "pictures per row, {range} (default 16)",
                            .help_ja = "一行に並べる数、{range}(既定 16)",
                            .range = Range{1, 256}};
const Option transparent_option{.name = "transparent",
                                .help_en = "a see-through background instead of a colour",
                                .help_ja = "背景を透明にする"};

// render
const Option render_output{.name = "o",
                           .value_en = "OUT",
                           .value_ja = "出力",
                           .help_en =
                               "output file (default: the name on the file's first line, in the\n"
                               "current folder, with .bmp or .png)",
                           .help_ja = "出力ファイル(省略時は1行目の名前に .bmp か .png)",
                           .offer = Offer::files};
const Option render_format{.name = "format",
                           .value_en = "FORMAT",
                           .value_ja = "形式",
                           .help_en = "bmp (default) or png",
                           .help_ja = "bmp(既定)または png",
                           .choices = {"bmp", "png"},
                           .offer = Offer::choices};
// Only a PNG can be see-through.
const Option render_transparent{.name = "transparent",
                                .help_en = "with png: a see-through background instead of a colour",
                                .help_ja = "png のとき背景を透明にする"};

// random
const Option count_option{.name = "count",
                          .value_en = "N",
                          .value_ja = "枚数",
                          .help_en = "how many characters, {range}",
                          .help_ja = "{range}",
                          .range = Range{1, 100000}};
const Option folder_option{.name = "out",
                           .value_en = "DIR",
                           .value_ja = "フォルダ",
                           .help_en = "the folder for the files (made if missing)",
                           .help_ja = "出力先(なければ作ります)",
                           .offer = Offer::folders};
const Option seed_option{.name = "seed",
                         .value_en = "S",
                         .value_ja = "種",
                         .help_en = "a whole number {range} (default: from the clock)",
                         .help_ja = "{range}の整数(省略時は時計から)",
                         .range = Range{0, 4294967295}};
const Option items_option{.name = "items",
                          .value_en = "LIST",
                          .value_ja = "項目",
                          .help_en =
                              "comma-separated items drawn anew, of: face, hair, hair_color,\n"
                              "eye_color, pose, cloth_color, pants_color, line_color, body_color,\n"
                              "accessory_color (default: the random button's start-up items)",
                          .help_ja = "ランダムにする項目をカンマ区切りで(省略時は起動時の設定)"};
const Option type_option{.name = "type",
                         .value_en = "TYPE",
                         .value_ja = "タイプ",
                         .help_en = "かおづら (default) or だめーじ; also 'face' or 'damage'",
                         .help_ja = "かおづら(既定)または だめーじ",
                         .choices = {"かおづら", "だめーじ"},
                         .aliases = {"face", "damage"},
                         .offer = Offer::choices};

// sheet
const Option sheet_output{
    .name = "o",
    .value_en = "OUT.png",
    .value_ja = "出力.png",
    .help_en =
        "the contact sheet: PNG, or BMP for a name ending in .bmp; at most\n"
        "{side} pixels a side",
    .help_ja = "一覧画像(PNG、名前が .bmp で終わるときは BMP)、一辺{side}ピクセルまで",
    .offer = Offer::files};

// atlas
const Option atlas_output{.name = "o",
                          .value_en = "OUT.png",
                          .value_ja = "出力.png",
                          .help_en = "the atlas",
                          .help_ja = "アトラス",
                          .offer = Offer::files};
const Option json_option{.name = "json",
                         .value_en = "OUT.json",
                         .value_ja = "出力.json",
                         .help_en = "its description (default: the PNG's name with .json)",
                         .help_ja = "その説明(省略時はPNGの名前に .json)",
                         .offer = Offer::files};
const Option frames_option{.name = "frames",
                           .value_en = "SET",
                           .value_ja = "種類",
                           .help_en = "poses (136), damage (54) or all (default, 190)",
                           .help_ja = "poses(136)、damage(54)または all(既定、190)",
                           .choices = {"poses", "damage", "all"},
                           .offer = Offer::choices};

// animate
const Option animation_option{.name = "animation",
                              .value_en = "NAME",
                              .value_ja = "名前",
                              .help_en = "which animation; --list prints them all",
                              .help_ja = "アニメーションの名前。--list で全部を表示",
                              .offer = Offer::animations};
const Option animate_output{
    .name = "o",
    .value_en = "OUT",
    .value_ja = "出力",
    .help_en = "the GIF, or with --format png the frames side by side in one PNG",
    .help_ja = "GIF、または --format png のときコマを横に並べた一枚のPNG",
    .offer = Offer::files};
const Option animate_format{.name = "format",
                            .value_en = "FORMAT",
                            .value_ja = "形式",
                            .help_en = "gif (default) or png",
                            .help_ja = "gif(既定)または png",
                            .choices = {"gif", "png"},
                            .offer = Offer::choices};
const Option list_option{
    .name = "list",
    .help_en =
        "print every animation, one a line: its name, frames as played, frame\n"
        "time in ms, forward or pingpong, and loop or once (as a game plays it)",
    .help_ja =
        "全部のアニメーションを一行ずつ表示する(名前、再生するコマ数、\n"
        "コマ時間(ミリ秒)、forward か pingpong、ゲームで loop か once)"};

// bundle
const Option bundle_output{.name = "o",
                           .value_en = "DIR",
                           .value_ja = "フォルダ",
                           .help_en = "the folder (made if missing); the files are named after it",
                           .help_ja = "出力先(なければ作ります)。ファイル名はフォルダの名前です",
                           .offer = Offer::folders};

namespace {

const std::vector<CommandSpec> specs = {
    {.name = "render",
     .summary_en = "draw the character of a parameter file",
     .summary_ja = "パラメーターファイルのキャラクターを描く",
     .usage_en =
         "kelvara-render render PARAMS.txt [-o OUT] [--background grey|green|white|RRGGBB]\n"
         "                             [--scale N] [--format bmp|png] [--transparent]\n",
     .usage_ja = "kelvara-render render パラメーター.txt [-o 出力] [--background 色]\n"
                 "                             [--scale 倍率] [--format bmp|png] [--transparent]\n",
     .about_en =
         "Reads a parameter file as the save dialog writes it and draws its character. With no\n"
         "options the file is the same, byte for byte, as the save dialog's image on grey.\n",
     .about_ja =
         "保存ダイアログが書いたパラメーターファイルを読み、そのキャラクターを描きます。\n"
         "オプションなしでは、グレー背景で保存ダイアログが書く画像と同じバイト列になります。\n",
     .options = {&render_output, &background_option, &scale_option, &render_format,
                 &render_transparent}},
    {.name = "random",
     .summary_en = "draw many random characters with their parameter files",
     .summary_ja = "ランダムなキャラクターをパラメーターファイルと一緒にたくさん描く",
     .usage_en = "kelvara-render random --count N --out DIR [--seed S] [--items LIST]\n"
                 "                             [--type かおづら|だめーじ] [--background COLOUR] "
                 "[--jobs N]\n",
     .usage_ja =
         "kelvara-render random --count 枚数 --out フォルダ [--seed 種] [--items 項目]\n"
         "                             [--type かおづら|だめーじ] [--background 色] [--jobs 数]\n",
     .about_en =
         "Draws N characters as the random button does, one after the other, and writes each\n"
         "image (BMP) and its parameter file into DIR. The same seed writes the same files.\n"
         "The batch reaches the disk with one flush at the end: an interrupted batch leaves\n"
         "fewer files, never a broken one.\n",
     .about_ja = "ランダムボタンと同じ規則でキャラクターを続けて描き、画像(BMP)とパラメーター\n"
                 "ファイルをフォルダに書きます。同じ種なら同じファイルになります。\n"
                 "最後にまとめてディスクに書き込むので、中断しても壊れたファイルは\n"
                 "残りません(ファイルが足りないだけです)。\n",
     .options = {&count_option, &folder_option, &seed_option, &items_option, &type_option,
                 &background_option, &jobs_option},
     .arguments = Offer::nothing},
    {.name = "sheet",
     .summary_en = "lay several characters out on one contact sheet",
     .summary_ja = "いくつかのキャラクターを一枚の一覧画像に並べる",
     .usage_en = "kelvara-render sheet PARAMS.txt... -o OUT.png [--columns C] [--scale N]\n"
                 "                            [--background COLOUR] [--jobs N]\n",
     .usage_ja = "kelvara-render sheet パラメーター.txt... -o 出力.png [--columns 列数]\n"
                 "                            [--scale 倍率] [--background 色] [--jobs 数]\n",
     .about_en = "Lays the characters of several parameter files out on one PNG contact sheet, row "
                 "by row.\n",
     .about_ja = "いくつかのパラメーターファイルのキャラクターを一枚のPNG一覧画像に並べます。\n",
     .options = {&columns_option, &sheet_output, &scale_option, &background_option, &jobs_option}},
    {.name = "atlas",
     .summary_en = "every pose of one character in one sprite atlas, with its JSON",
     .summary_ja = "一人のキャラクターの全ポーズを一枚のスプライトアトラスとJSONに書く",
     .usage_en = "kelvara-render atlas PARAMS.txt -o OUT.png [--json OUT.json] [--scale N]\n"
                 "                            [--transparent] [--background COLOUR] [--columns C]\n"
                 "                            [--frames poses|damage|all] [--jobs N]\n",
     .usage_ja =
         "kelvara-render atlas パラメーター.txt -o 出力.png [--json 出力.json]\n"
         "                            [--scale 倍率] [--transparent] [--background 色]\n"
         "                            [--columns 列数] [--frames poses|damage|all] [--jobs 数]\n",
     .about_en =
         "Draws the character of a parameter file in every pose, then as every damage figure, and\n"
         "lays the frames out row by row in one PNG. A JSON file describes the atlas for game\n"
         "engines: each frame's rectangle, pose, duration and pivot, and every animation as a\n"
         "tag. An atlas over 8192 pixels a side is written with a warning: many GPUs take no\n"
         "larger texture.\n",
     .about_ja = "パラメーターファイルのキャラクターを全ポーズ、続いて全だめーじポーズで描き、\n"
                 "一枚のPNGに行ごとに並べます。JSONファイルはゲームエンジン向けの説明で、各コマの\n"
                 "位置、ポーズ、表示時間、基準点と、全アニメーションのタグを書きます。一辺が\n"
                 "8192ピクセルを超えるアトラスは警告付きで書きます(それより大きいテクスチャを\n"
                 "扱えないGPUが多いため)。\n",
     .options = {&atlas_output, &json_option, &scale_option, &transparent_option,
                 &background_option, &columns_option, &frames_option, &jobs_option}},
    {.name = "animate",
     .summary_en = "one animation of a character as a looping GIF",
     .summary_ja = "キャラクターのアニメーションを一つ、ループするGIFに書く",
     .usage_en =
         "kelvara-render animate PARAMS.txt --animation NAME -o OUT.gif [--format gif|png]\n"
         "                              [--scale N] [--transparent] [--background COLOUR]\n"
         "       kelvara-render animate --list\n",
     .usage_ja = "kelvara-render animate パラメーター.txt --animation 名前 -o 出力.gif\n"
                 "                              [--format gif|png] [--scale 倍率] [--transparent]\n"
                 "                              [--background 色]\n"
                 "       kelvara-render animate --list\n",
     .about_en =
         "Draws one animation of the pose catalogue (a walk, a run, a hit ...) with the character\n"
         "of a parameter file, as a GIF that loops for ever with the catalogue's frame times.\n",
     .about_ja =
         "ポーズカタログのアニメーション(歩き、走り、やられ など)を一つ、パラメーター\n"
         "ファイルのキャラクターで描き、カタログのコマ時間でループし続けるGIFに書きます。\n",
     .options = {&animation_option, &animate_output, &animate_format, &scale_option,
                 &transparent_option, &background_option, &list_option}},
    {.name = "bundle",
     .summary_en = "one character's sprite set as a folder for game engines",
     .summary_ja = "一人のキャラクターのスプライト一式をゲームエンジン用のフォルダに書く",
     .usage_en = "kelvara-render bundle PARAMS.txt -o DIR [--scale N] [--transparent]\n"
                 "                             [--background COLOUR] [--jobs N]\n",
     .usage_ja = "kelvara-render bundle パラメーター.txt -o フォルダ [--scale 倍率]\n"
                 "                             [--transparent] [--background 色] [--jobs 数]\n",
     .about_en =
         "Draws the character of a parameter file in every pose and damage figure, and writes\n"
         "one folder that a game project takes as it is: the atlas PNG and its JSON (Phaser,\n"
         "PixiJS), an Aseprite file (Aseprite, Unity), Godot's sprite frames and a scene, every\n"
         "animation as a looping GIF and as a strip, the parameter file and LICENSE.txt (CC0).\n"
         "Files already there are replaced only once every file is written.\n",
     .about_ja =
         "パラメーターファイルのキャラクターを全ポーズと全だめーじポーズで描き、ゲームの\n"
         "プロジェクトにそのまま入れられるフォルダに書きます。アトラスのPNGとJSON(Phaser、\n"
         "PixiJS)、Asepriteファイル(Aseprite、Unity)、GodotのSpriteFramesとシーン、\n"
         "全アニメーションのループするGIFと横並びのPNG、パラメーターファイル、LICENSE.txt\n"
         "(CC0)です。\n"
         "フォルダにあるファイルは、全部のファイルを書き終えてから置き換えます。\n",
     .options = {&bundle_output, &scale_option, &transparent_option, &background_option,
                 &jobs_option}},
};

}  // namespace

const std::vector<CommandSpec>& command_specs() {
    return specs;
}

const CommandSpec& command_spec(std::string_view name) {
    return *std::find_if(specs.begin(), specs.end(),
                         [&](const CommandSpec& c) { return c.name == name; });
}

}  // namespace kelvara::cli
