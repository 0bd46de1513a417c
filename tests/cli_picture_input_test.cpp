// The PNGs, GIFs and atlas JSON the renderer writes for a character carry it: given back to the
// renderer in place of the parameter file, each draws the same picture. A contact sheet of many
// characters carries none, and is bad input that names the file.
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
          {"sheet", in, in, "-o", at("s.png")}}) {
        ASSERT_EQ(run_cli(args).status, 0) << args.join(' ').toStdString();
    }
    for (const char* file : {"r.png", "a.png", "a.json", "w.gif", "w.png"}) {
        const QString out = at(file) + QStringLiteral(".bmp");
        const CliRun r = run_cli({"render", at(file), "-o", out});
        EXPECT_EQ(r.status, 0) << file << ": " << r.err.toStdString();
        EXPECT_EQ(read_all(out), read_all(at("hero.bmp"))) << file;
    }
    const CliRun sheet = run_cli({"render", at("s.png"), "-o", at("s.bmp")});
    EXPECT_EQ(sheet.status, 2);
    EXPECT_TRUE(sheet.err.contains(QStringLiteral("s.png: no Kelvara parameters in the file")))
        << sheet.err.toStdString();
    EXPECT_FALSE(QFile::exists(at("s.bmp")));
}

}  // namespace
}  // namespace kelvara::testing
