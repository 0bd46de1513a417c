// The PNGs, GIFs and atlas JSON the renderer writes for a character carry it: given back to the
// renderer in place of the parameter file, each draws the same picture, those in a bundle's folder
// too. A contact sheet of many characters carries none, and is bad input that names the file.
#include <gtest/gtest.h>

#include "cli_test_support.h"
#include "export/parameter_file.h"

namespace kelvara::testing {
namespace {

TEST(CliPictureInput, TheFilesACommandWritesGiveItsCharacterBack) {
    QTemporaryDir dir;
    const auto at = [&dir](const char* name) { return dir.filePath(QString::fromUtf8(name)); };
    EditorState hero;
    hero.type_flg = 1;
    hero.face_num = 5;
    hero.cloth_num = 40;
    ASSERT_TRUE(write_all(at("hero.txt"), *parameter_file(QStringLiteral("勇者"), hero)));
    const QString in = at("hero.txt");
    for (const QStringList& args :
         {QStringList{"render", in, "-o", at("hero.bmp")},
          {"render", in, "--format", "png", "-o", at("r.png")},
          {"atlas", in, "--frames", "damage", "-o", at("a.png")},
          {"animate", in, "--animation", "walk", "-o", at("w.gif")},
          {"animate", in, "--animation", "walk", "--format", "png", "-o", at("w.png")},
          {"sheet", in, in, "-o", at("s.png")},
          {"bundle", in, "-o", at("art/knight/"), "--scale", "2", "--transparent", "--jobs",
           "2"}}) {
        const CliRun r = run_cli(args);
        ASSERT_EQ(r.status, 0) << args.join(' ').toStdString() << ": " << r.err.toStdString();
        EXPECT_EQ(r.err, QString());
    }
    for (const char* file : {"r.png", "a.png", "a.json", "w.gif", "w.png", "art/knight/knight.txt",
                             "art/knight/knight.png", "art/knight/knight.json",
                             "art/knight/gif/dizzy.gif", "art/knight/strips/walk_strip8.png"}) {
        const QString out = at(file) + QStringLiteral(".bmp");
        const CliRun r = run_cli({"render", at(file), "-o", out});
        EXPECT_EQ(r.status, 0) << file << ": " << r.err.toStdString();
        EXPECT_EQ(read_all(out), read_all(at("hero.bmp"))) << file;
        QFile::remove(out);
    }
    const CliRun sheet = run_cli({"render", at("s.png"), "-o", at("s.bmp")});
    EXPECT_EQ(sheet.status, 2);
    EXPECT_TRUE(sheet.err.contains(QStringLiteral("s.png: no Kelvara parameters in the file")))
        << sheet.err.toStdString();
    EXPECT_FALSE(QFile::exists(at("s.bmp")));

    // The bundle's files are named after its folder, a strip after its frames as played.
    QStringList gifs, strips;
    for (const QString& a :
         QStringLiteral("burnt:1 catch:3 dizzy:4 fall-forward:3 frozen:1 get-up:3 hit:2 "
                        "hit-back:2 hit-stomach:2 jump:6 kit-run:2 knocked-back:2 "
                        "knocked-down:4 run:6 stand:2 throw:3 walk:8")
             .split(' ')) {
        gifs << a.section(':', 0, 0) + QStringLiteral(".gif");
        strips << a.section(':', 0, 0) + QStringLiteral("_strip%1.png").arg(a.section(':', 1));
    }
    gifs.sort();
    strips.sort();
    EXPECT_EQ(entries(at("art/knight")),
              QStringLiteral("LICENSE.txt gif knight.aseprite knight.json "
                             "knight.png knight.tres knight.tscn "
                             "knight.txt strips")
                  .split(' '));
    EXPECT_EQ(entries(at("art/knight/gif")), gifs);
    EXPECT_EQ(entries(at("art/knight/strips")), strips);
}

}  // namespace
}  // namespace kelvara::testing
