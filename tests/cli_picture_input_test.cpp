// The renderer's commands take a character from a picture or atlas JSON Kelvara wrote as well as
// from its parameter file, and draw exactly what the parameter file gives; a picture without
// Kelvara's parameters is bad input that names the file, and nothing is written.
#include <gtest/gtest.h>

#include <QImage>
#include <QJsonDocument>
#include <QJsonObject>

#include "cli_test_support.h"
#include "compositor/sheet_colours.h"
#include "compositor/surface.h"
#include "export/character_metadata.h"
#include "export/parameter_file.h"
#include "export/parameter_reader.h"
#include "formats/gif_writer.h"
#include "formats/png_writer.h"

namespace kelvara::testing {
namespace {

QByteArray bytes_of(const formats::Encoded& encoded) {
    return encoded ? QByteArray(reinterpret_cast<const char*>(encoded.value().data()),
                                static_cast<qsizetype>(encoded.value().size()))
                   : QByteArray();
}

TEST(CliPictureInput, CommandsTakeTheCharacterFromPicturesAndJson) {
    QTemporaryDir dir;
    const auto at = [&dir](const char* name) { return dir.filePath(QString::fromUtf8(name)); };
    EditorState hero;
    hero.face_num = 77;
    hero.hair_num = 402;
    hero.cloth_num = 31;
    hero.cloth_color_num = 12;
    const formats::EmbeddedText text = character_text(QStringLiteral("hero"), hero);
    const Surface dot(2, 2, key_color);
    ASSERT_TRUE(write_all(at("hero.txt"), *parameter_file(QStringLiteral("hero"), hero)));
    ASSERT_TRUE(write_all(at("hero.png"), bytes_of(formats::encode_truecolour_png(
                                              dot.view(), std::nullopt, formats::PngEffort::fast,
                                              formats::png_text(text)))));
    ASSERT_TRUE(write_all(at("hero.gif"), bytes_of(formats::encode_gif(
                                              dot.view(), key_color, formats::gif_comment(text)))));
    const QJsonObject meta{{QLatin1String(json_kelvara_key), json_text(text)}};
    ASSERT_TRUE(write_all(at("hero.json"),
                          QJsonDocument(QJsonObject{{QStringLiteral("meta"), meta}}).toJson()));
    ASSERT_TRUE(write_all(at("plain.png"), bytes_of(formats::encode_truecolour_png(
                                               dot.view(), std::nullopt, formats::PngEffort::fast,
                                               formats::png_text(program_text())))));

    for (const QStringList& command :
         {QStringList{"render"}, QStringList{"render", "--format", "png", "--scale", "2"},
          QStringList{"sheet", "--columns", "1"}}) {
        SCOPED_TRACE(command.join(' ').toStdString());
        const QString ext = command.contains("sheet") || command.contains("png")
                                ? QStringLiteral(".png")
                                : QStringLiteral(".bmp");
        QByteArray from_text;
        for (const char* input : {"hero.txt", "hero.png", "hero.gif", "hero.json"}) {
            const QString out = at(input) + QStringLiteral(".out") + ext;
            const CliRun r = run_cli(command + QStringList{at(input), "-o", out});
            ASSERT_EQ(r.status, 0) << input << ": " << r.err.toStdString();
            const QByteArray drawn = read_all(out);
            ASSERT_FALSE(drawn.isEmpty()) << input;
            if (from_text.isEmpty()) from_text = drawn;  // the parameter file comes first
            EXPECT_EQ(drawn, from_text) << input;
        }
    }

    const QStringList before = files_in(dir.path());
    const CliRun r = run_cli({"render", at("plain.png"), "-o", at("plain.bmp")});
    EXPECT_EQ(r.status, 2);
    EXPECT_TRUE(r.err.contains(QStringLiteral("plain.png: no Kelvara parameters in the file")))
        << r.err.toStdString();
    EXPECT_EQ(files_in(dir.path()), before);
}

// Every PNG, GIF and atlas JSON a command writes for one character carries it: read back, it is the
// character of the parameter file the command was given. A contact sheet of many characters names
// the program and licence only, and the BMP stays as the save dialog writes it.
TEST(CliPictureInput, TheCommandsFilesCarryTheirCharacter) {
    QTemporaryDir dir;
    const auto at = [&dir](const char* name) { return dir.filePath(QString::fromUtf8(name)); };
    EditorState hero;
    hero.type_flg = 1;
    hero.face_num = 5;
    hero.cloth_num = 40;
    hero.eye_grey_flg = vb_true;
    ASSERT_TRUE(write_all(at("hero.txt"), *parameter_file(QStringLiteral("勇者"), hero)));
    const QString in = at("hero.txt");
    for (const QStringList& args :
         {QStringList{"render", in, "--format", "png", "-o", at("r.png")},
          QStringList{"atlas", in, "--frames", "damage", "-o", at("a.png")},
          QStringList{"animate", in, "--animation", "walk", "-o", at("w.gif")},
          QStringList{"animate", in, "--animation", "walk", "--format", "png", "-o", at("w.png")},
          QStringList{"sheet", in, in, "-o", at("s.png")},
          QStringList{"render", in, "-o", at("r.bmp")}}) {
        const CliRun r = run_cli(args);
        ASSERT_EQ(r.status, 0) << args.join(' ').toStdString() << ": " << r.err.toStdString();
    }
    for (const char* file : {"r.png", "a.png", "a.json", "w.gif", "w.png"}) {
        SCOPED_TRACE(file);
        const FileResult<ParameterRecord> read = read_parameter_file_at(at(file));
        ASSERT_TRUE(read.ok()) << describe(read.error()).toStdString();
        EXPECT_EQ(read.value().base_name, QStringLiteral("勇者"));
        EXPECT_EQ(*parameter_file(QStringLiteral("勇者"), read.value().selection), read_all(in));
    }
    const QImage sheet(at("s.png"));
    EXPECT_EQ(sheet.text(QStringLiteral("License")), QStringLiteral("CC0-1.0"));
    EXPECT_TRUE(sheet.text(QStringLiteral("Kelvara parameters")).isEmpty());
    EXPECT_FALSE(read_parameter_file_at(at("s.png")).ok());
    EXPECT_FALSE(read_all(at("r.bmp")).contains("Kelvara"));
}

}  // namespace
}  // namespace kelvara::testing
