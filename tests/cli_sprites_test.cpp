// kelvara-render atlas and animate: every frame is the picture render draws for its pose, the JSON
// describes the atlas as game engines read it, the GIF plays the catalogue's animation, and bad
// input writes nothing.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QImageReader>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <set>

#include "cli_test_support.h"
#include "export/encoded_bytes.h"
#include "export/parameter_file.h"
#include "model/pose_catalogue.h"
#include "sprites/character_output.h"
#include "sprites/sprite_png.h"

namespace kelvara::testing {
namespace {

using catalogue::Sheet;
using namespace Qt::StringLiterals;

EditorState hero() {
    EditorState s = start_up_selection();
    s.face_num = 215;
    s.hair_num = 215;
    s.hair_color_num = 30;
    s.eye_color_num = 4;
    s.cloth_num = 7;
    s.cloth_color_num = 50;
    s.cloth2_color_num = 12;
    s.cloth3_color_num = 60;
    s.body_color_num = 9;
    s.accessory_color_num = 11;
    return s;
}

// A second character, saved with the damage type, mattes on and a hair with holes.
EditorState rival() {
    EditorState s = hero();
    s.face_num = 301;
    s.hair_num = 301;
    s.type_flg = 1;
    s.cloth_num = 40;
    s.body_matte_flg = vb_true;
    s.cloth_matte_flg = vb_true;
    s.eye_grey_flg = vb_false;
    return s;
}

struct Sprites : ::testing::Test {
    QTemporaryDir dir;
    QString path(const QString& name) const { return dir.filePath(name); }
    QString params(const EditorState& s, const QString& name) {
        const QString p = path(name + u".txt"_s);
        EXPECT_TRUE(write_all(p, *parameter_file(name, s)));
        return p;
    }
    static QImage image(const QByteArray& bytes) {
        return QImage::fromData(bytes).convertToFormat(QImage::Format_ARGB32);
    }
    static QImage image_at(const QString& p) { return image(read_all(p)); }
    // The PNG render writes for the character in one pose, through the command itself.
    QImage rendered(const EditorState& s, Sheet sheet, int pose, const QStringList& options) {
        EditorState posed = s;
        posed.type_flg = static_cast<Int16>(catalogue::sprite_type_of(sheet));
        posed.cloth_num = static_cast<Int16>(pose);
        const QString out = path(u"one.png"_s);
        const CliRun r = run_cli(QStringList{u"render"_s, params(posed, u"one"_s), u"-o"_s, out,
                                             u"--format"_s, u"png"_s} +
                                 options);
        EXPECT_EQ(r.status, 0) << r.err.toStdString();
        return image_at(out);
    }
    QJsonObject json_at(const QString& p) {
        QJsonParseError error{};
        const QJsonDocument doc = QJsonDocument::fromJson(read_all(p), &error);
        EXPECT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
        return doc.object();
    }
};

// All 190 frames of one character against the picture of each pose, drawn by the program's own
// output path once per pose. Drawing through the render command for every frame would take
// minutes, so a few are checked against the command itself below.
TEST_F(Sprites, EveryAtlasFrameIsThePictureOfItsPose) {
    const QString file = params(hero(), u"hero"_s);
    const CliRun r = run_cli({u"atlas"_s, file, u"-o"_s, path(u"hero.png"_s)});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    const QImage atlas = image_at(path(u"hero.png"_s));
    ASSERT_EQ(atlas.size(), QSize(16 * 63, 12 * 63));

    sprites::CharacterOutput output;
    sprites::OutputStyle png;
    png.format = sprites::OutputStyle::Format::png;
    for (int k = 0; k < 190; ++k) {
        EditorState s = hero();
        s.type_flg = k < pose_count ? 0 : 1;
        s.cloth_num = static_cast<Int16>(k < pose_count ? k : k - pose_count);
        const QImage expected = image(byte_array(output.file_bytes(s, png).value()));
        ASSERT_EQ(atlas.copy((k % 16) * 63, (k / 16) * 63, 63, 63), expected) << "frame " << k;
    }
    // The two cells past the last frame show the background.
    const QImage empty = atlas.copy(14 * 63, 11 * 63, 126, 63);
    for (int y = 0; y < empty.height(); ++y) {
        for (int x = 0; x < empty.width(); ++x) {
            ASSERT_EQ(empty.pixel(x, y), qRgb(212, 208, 200));
        }
    }
    for (const int k : {0, 75, 135, 136, 189}) {
        const Sheet sheet = k < pose_count ? Sheet::poses : Sheet::damage;
        EXPECT_EQ(atlas.copy((k % 16) * 63, (k / 16) * 63, 63, 63),
                  rendered(hero(), sheet, k < pose_count ? k : k - pose_count, {}))
            << "frame " << k;
    }
}

TEST_F(Sprites, TransparentScaledAtlasOfDamageFiguresMatchesRender) {
    const QString file = params(rival(), u"rival"_s);
    const QStringList style = {u"--scale"_s, u"3"_s, u"--transparent"_s};
    const CliRun r = run_cli(QStringList{u"atlas"_s, file, u"-o"_s, path(u"rival.png"_s),
                                         u"--frames"_s, u"damage"_s, u"--columns"_s, u"7"_s} +
                             style);
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    const QImage atlas = image_at(path(u"rival.png"_s));
    ASSERT_EQ(atlas.size(), QSize(7 * 189, 8 * 189));  // 54 frames in rows of 7
    for (const int k : {0, 6, 7, 22, 53}) {
        const QImage frame = atlas.copy((k % 7) * 189, (k / 7) * 189, 189, 189);
        EXPECT_EQ(frame, rendered(rival(), Sheet::damage, k, style)) << "damage figure " << k;
        EXPECT_EQ(qAlpha(frame.pixel(0, 0)), 0);
    }
    EXPECT_EQ(qAlpha(atlas.pixel(atlas.width() - 1, atlas.height() - 1)), 0);
}

// The JSON as Phaser, PixiJS and Aseprite's importers read it: frames named by their index, the
// cells first in atlas order, then the repeats that make every animation one tagged run. An atlas
// over 8192 pixels a side comes with a warning: many GPUs, and WebGL in many browsers, take no
// larger texture.
TEST_F(Sprites, JsonDescribesEveryFrameAndTagsEveryAnimation) {
    const QString file = params(hero(), u"hero"_s);
    const std::set<std::string_view> looping = {"stand", "walk",  "run",   "kit-run",
                                                "dizzy", "burnt", "frozen"};
    struct Case {
        QString frames;
        int cells;
        int count;              // cells and repeats
        int first_pose_frames;  // how many pose frames come first
        int scale;
        QString json;    // where the JSON goes, in the temporary folder
        QString image;   // its way to the PNG
        QString played;  // some animations' frame keys as played
    };
    // clang-format off
    const Case cases[] = {
        {u"all"_s, 190, 200, 136, 1, u"all.json"_s, u"all.png"_s,
         u"dizzy=152 153 154 153,knocked-down=193 194 195 196,catch=190 191 192"_s},
        {u"damage"_s, 54, 61, 0, 8, u"json/damage.json"_s, u"../damage.png"_s,
         u"dizzy=16 17 18 17,fall-forward=58 59 60"_s},
        {u"poses"_s, 136, 139, 136, 1, u"poses.json"_s, u"poses.png"_s,
         u"walk=4 5 6 7 8 9 10 11"_s},
    };
    // clang-format on
    ASSERT_TRUE(QDir(dir.path()).mkdir(u"json"_s));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.frames.toStdString());
        const QString png = path(c.frames + u".png"_s);
        const CliRun r =
            run_cli({u"atlas"_s, file, u"-o"_s, png, u"--frames"_s, c.frames, u"--scale"_s,
                     QString::number(c.scale), u"--columns"_s, u"17"_s, u"--json"_s, path(c.json)});
        ASSERT_EQ(r.status, 0) << r.err.toStdString();
        EXPECT_EQ(r.err.section(u';', 0, 0),
                  c.scale == 8 ? u"kelvara-render: warning: the atlas is 8568 x 2016 pixels"_s
                               : QString());
        const QImage atlas = image_at(png);
        const QJsonObject doc = json_at(path(c.json));
        const QJsonObject meta = doc[u"meta"_s].toObject();
        EXPECT_EQ(meta[u"app"_s].toString(), u"kelvara"_s);
        EXPECT_EQ(meta[u"image"_s].toString(), c.image);
        EXPECT_EQ(meta[u"format"_s].toString(), u"I8"_s) << "a character's atlas is a palette PNG";
        EXPECT_EQ(meta[u"scale"_s].toString(), u"1"_s);
        EXPECT_EQ(meta[u"kelvara"_s][u"scale"_s].toInt(), c.scale);
        const QJsonObject size = meta[u"size"_s].toObject();
        EXPECT_EQ(QSize(size[u"w"_s].toInt(), size[u"h"_s].toInt()), atlas.size());

        // The cells follow each other along the rows without gap or overlap; each repeat shows
        // a cell of the same pose.
        const QJsonArray frames = doc[u"frames"_s].toArray();
        ASSERT_EQ(frames.size(), c.count);
        const int tile = 63 * c.scale;
        std::map<std::pair<QString, int>, QRect> cell_of;
        QRect previous;
        for (int k = 0; k < c.count; ++k) {
            const QJsonObject f = frames[k].toObject();
            const QJsonObject at = f[u"frame"_s].toObject();
            const QRect rect(at[u"x"_s].toInt(), at[u"y"_s].toInt(), at[u"w"_s].toInt(),
                             at[u"h"_s].toInt());
            const int index = f[u"pose"_s].toInt();
            const QString type = f[u"type"_s].toString();
            const Sheet sheet = type == u"face"_s ? Sheet::poses : Sheet::damage;
            EXPECT_EQ(f[u"filename"_s].toString(), QString::number(k));
            EXPECT_EQ(f[u"name"_s].toString().toStdString(), catalogue::frame_name(sheet, index));
            EXPECT_EQ(f[u"pivot"_s].toObject(),
                      (QJsonObject{{u"x"_s, 30 * c.scale}, {u"y"_s, 50 * c.scale}}));
            EXPECT_DOUBLE_EQ(f[u"anchor"_s][u"y"_s].toDouble(), 50.0 / 63);
            EXPECT_FALSE(f[u"rotated"_s].toBool(true));
            EXPECT_FALSE(f[u"trimmed"_s].toBool(true));
            EXPECT_EQ(f[u"sourceSize"_s].toObject()[u"w"_s].toInt(), tile);
            if (k >= c.cells) {
                EXPECT_EQ(rect, cell_of.at({type, index})) << k;
                continue;
            }
            const bool pose = k < c.first_pose_frames;
            EXPECT_EQ(index, pose ? k : k - c.first_pose_frames);
            EXPECT_EQ(type, pose ? u"face"_s : u"damage"_s);
            cell_of[{type, index}] = rect;
            ASSERT_EQ(rect.size(), QSize(tile, tile)) << k;
            ASSERT_TRUE(QRect(QPoint(0, 0), atlas.size()).contains(rect)) << k;
            if (k == 0) {
                EXPECT_EQ(rect.topLeft(), QPoint(0, 0));
            } else if (rect.x() == 0) {
                EXPECT_EQ(rect.y(), previous.bottom() + 1) << k;
            } else {
                EXPECT_EQ(rect.topLeft(), previous.topRight() + QPoint(1, 0)) << k;
            }
            previous = rect;
            EXPECT_EQ(f[u"duration"_s].toInt(), catalogue::frame_ms_of(sheet, index));
        }

        // Every animation of the atlas's sheets is a tag (the frame list's own test checks which
        // cells its frames show); those that play once say so with Aseprite's repeat count.
        std::size_t tagged = 0;
        for (const QJsonValue v : meta[u"frameTags"_s].toArray()) {
            const QJsonObject tag = v.toObject();
            const std::string name = tag[u"name"_s].toString().toStdString();
            const auto a = catalogue::find_animation(name);
            ASSERT_TRUE(a.has_value()) << name;
            ++tagged;
            EXPECT_EQ(tag[u"to"_s].toInt(-1) - tag[u"from"_s].toInt(-1) + 1, a->count) << name;
            EXPECT_EQ(tag[u"direction"_s].toString(),
                      name == "dizzy" ? u"pingpong"_s : u"forward"_s);
            EXPECT_EQ(tag.contains(u"repeat"_s), !looping.contains(name)) << name;
            EXPECT_EQ(tag[u"repeat"_s].toString(u"1"_s), u"1"_s) << name;
        }
        EXPECT_EQ(tagged, c.first_pose_frames == 0 ? 10u : c.cells == 136 ? 7u : 17u);
        for (const QJsonValue v : meta[u"animations"_s].toArray()) {
            EXPECT_EQ(v[u"loop"_s].toBool(),
                      looping.contains(v[u"name"_s].toString().toStdString()));
        }
        const QJsonObject played = doc[u"animations"_s].toObject();
        EXPECT_EQ(played.size(), static_cast<qsizetype>(tagged));
        for (const QString& run : c.played.split(',')) {
            EXPECT_EQ(played[run.section('=', 0, 0)].toVariant().toStringList().join(' '),
                      run.section('=', 1))
                << run.toStdString();
        }
    }
}

struct DecodedGif {
    std::vector<QImage> frames;
    std::vector<int> delays_ms;
    int loop_count = 0;
};

// A GIF keeps a colour under its see-through pixels, a PNG writes them as zero.
QImage zero_under_see_through(QImage image) {
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(image.pixel(x, y)) == 0) image.setPixel(x, y, 0);
        }
    }
    return image;
}

DecodedGif decode_gif(const QString& file) {
    QImageReader reader(file, "gif");
    DecodedGif d;
    d.loop_count = reader.loopCount();
    for (QImage image = reader.read(); !image.isNull(); image = reader.read()) {
        d.frames.push_back(zero_under_see_through(image.convertToFormat(QImage::Format_ARGB32)));
        d.delays_ms.push_back(reader.nextImageDelay());
    }
    return d;
}

TEST_F(Sprites, AnimatedGifPlaysTheCatalogueAnimation) {
    const QString file = params(hero(), u"hero"_s);
    struct Case {
        const char* animation;
        Sheet sheet;
        std::vector<int> poses;  // as played, one loop
        QStringList options;
    };
    const Case cases[] = {
        {"walk", Sheet::poses, {4, 5, 6, 7, 8, 9, 10, 11}, {}},
        {"dizzy", Sheet::damage, {16, 17, 18, 17}, {u"--scale"_s, u"2"_s}},
        {"catch", Sheet::poses, {62, 63, 65}, {u"--transparent"_s, u"--scale"_s, u"3"_s}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.animation);
        const QString gif = path(QString::fromLatin1(c.animation) + u".gif"_s);
        const CliRun r = run_cli(QStringList{u"animate"_s, file, u"--animation"_s,
                                             QString::fromLatin1(c.animation), u"-o"_s, gif} +
                                 c.options);
        ASSERT_EQ(r.status, 0) << r.err.toStdString();
        const DecodedGif d = decode_gif(gif);
        ASSERT_EQ(d.frames.size(), c.poses.size());
        EXPECT_EQ(d.loop_count, -1) << "loops for ever";
        const int ms = catalogue::find_animation(c.animation)->frame_ms;
        EXPECT_EQ(d.delays_ms, std::vector<int>(c.poses.size(), ms));
        for (std::size_t k = 0; k < c.poses.size(); ++k) {
            EXPECT_EQ(d.frames[k], rendered(hero(), c.sheet, c.poses[k], c.options)) << k;
        }
        // The same frames side by side in one PNG.
        const QString strip = path(u"strip.png"_s);
        ASSERT_EQ(run_cli(QStringList{u"animate"_s, file, u"--animation"_s,
                                      QString::fromLatin1(c.animation), u"-o"_s, strip,
                                      u"--format"_s, u"png"_s} +
                          c.options)
                      .status,
                  0);
        const QImage strip_image = image_at(strip);
        const int w = d.frames[0].width();
        ASSERT_EQ(strip_image.size(), QSize(w * static_cast<int>(c.poses.size()), w));
        for (std::size_t k = 0; k < c.poses.size(); ++k) {
            EXPECT_EQ(strip_image.copy(static_cast<int>(k) * w, 0, w, w), d.frames[k]) << k;
        }
    }
}

TEST_F(Sprites, BadInputIsReportedWithStatusTwoAndWritesNothing) {
    const QString good = params(hero(), u"hero"_s);
    EditorState out_of_range = hero();
    out_of_range.hair_num = 712;
    const QString bad = params(out_of_range, u"bad"_s);
    ASSERT_TRUE(QDir(dir.path()).mkdir(u"folder"_s));
    const QString png = path(u"a.png"_s);
    const QString gif = path(u"a.gif"_s);
    const QString missing_folder = path(u"nowhere/a.json"_s);
    const auto atlas = [&](const QStringList& rest) { return QStringList{u"atlas"_s} + rest; };
    const auto animate = [&](const QStringList& rest) { return QStringList{u"animate"_s} + rest; };
    const auto bundle = [&](const QStringList& rest) { return QStringList{u"bundle"_s} + rest; };
    const QString folder = path(u"set"_s);
    ASSERT_TRUE(QDir(dir.path()).mkpath(u"blocked/strips"_s));
    ASSERT_TRUE(write_all(path(u"blocked/gif"_s), "a file where a folder should be"));
    const std::vector<QStringList> calls = {
        atlas({path(u"missing.txt"_s), u"-o"_s, png}),
        atlas({bad, u"-o"_s, png}),
        atlas({good}),
        atlas({good, good, u"-o"_s, png}),
        atlas({good, u"-o"_s, png, u"--scale"_s, u"9"_s}),
        atlas({good, u"-o"_s, png, u"--scale"_s, u"0"_s}),
        atlas({good, u"-o"_s, png, u"--columns"_s, u"0"_s}),
        atlas({good, u"-o"_s, png, u"--frames"_s, u"hats"_s}),
        atlas({good, u"-o"_s, png, u"--background"_s, u"pink"_s}),
        atlas({good, u"-o"_s, png, u"--json"_s, missing_folder}),
        atlas({good, u"-o"_s, path(u"nowhere/a.png"_s)}),
        atlas({good, u"-o"_s, path(u"folder"_s)}),
        atlas({good, u"-o"_s, png, u"--json"_s, png}),
        atlas({good, u"-o"_s, png, u"--bogus"_s}),
        atlas({good, u"-o"_s, png, u"--json"_s, u"/dev/null"_s}),
        atlas({good, u"-o"_s, QString()}),
        atlas({good, u"-o"_s, png, u"--scale"_s, u"8"_s, u"--columns"_s,
               u"40"_s}),  // 20160 pixels wide
        animate({good, u"--animation"_s, u"moonwalk"_s, u"-o"_s, gif}),
        animate({good, u"-o"_s, gif}),
        animate({good, u"--animation"_s, u"walk"_s}),
        animate({bad, u"--animation"_s, u"walk"_s, u"-o"_s, gif}),
        animate({good, u"--animation"_s, u"walk"_s, u"-o"_s, gif, u"--scale"_s, u"12"_s}),
        animate({good, u"--animation"_s, u"walk"_s, u"-o"_s, gif, u"--format"_s, u"jpg"_s}),
        animate({good, u"--animation"_s, u"walk"_s, u"-o"_s, path(u"nowhere/a.gif"_s)}),
        animate({u"--list"_s, good}),
        bundle({bad, u"-o"_s, folder}),
        bundle({good}),
        bundle({good, u"-o"_s, folder, u"--columns"_s, u"4"_s}),
        bundle({good, u"-o"_s, path(u"blocked"_s)}),
    };
    const QStringList before = entries(dir.path());
    for (const QStringList& args : calls) {
        const CliRun r = run_cli(args);
        EXPECT_EQ(r.status, cli::exit_bad_input) << args.join(' ').toStdString();
        EXPECT_TRUE(r.err.startsWith(u"kelvara-render: "_s)) << r.err.toStdString();
        EXPECT_EQ(entries(dir.path()), before) << args.join(' ').toStdString();
    }
    const CliRun r = run_cli(animate({good, u"--animation"_s, u"moonwalk"_s, u"-o"_s, gif}));
    EXPECT_TRUE(r.err.contains(u"moonwalk"_s)) << r.err.toStdString();
}

TEST(SpriteCommands, HelpInBothLanguagesAndTheListOfAnimations) {
    for (const QString& command : {u"atlas"_s, u"animate"_s, u"bundle"_s}) {
        const CliRun r = run_cli({command, u"--help"_s});
        EXPECT_EQ(r.status, 0);
        EXPECT_TRUE(r.out.contains(u"Usage: kelvara-render "_s + command));
        EXPECT_TRUE(r.out.contains(u"使い方: kelvara-render "_s + command));
        EXPECT_TRUE(run_cli({u"--help"_s}).out.contains(u"  "_s + command));
    }
    const CliRun r = run_cli({u"animate"_s, u"--list"_s});
    EXPECT_EQ(r.status, 0);
    // Name, frames as played, frame time, direction, and whether a game loops it.
    QStringList lines;
    for (const QString& line : r.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        lines << line.split(QLatin1Char(' '), Qt::SkipEmptyParts).join(QLatin1Char(' '));
    }
    ASSERT_EQ(lines.size(), static_cast<int>(catalogue::animations.size()));
    for (const QString& expected :
         {u"stand 2 400 ms forward loop"_s, u"walk 8 120 ms forward loop"_s,
          u"jump 6 110 ms forward once"_s, u"catch 3 150 ms forward once"_s,
          u"knocked-down 4 150 ms forward once"_s, u"dizzy 4 200 ms pingpong loop"_s,
          u"get-up 3 200 ms forward once"_s, u"frozen 1 500 ms forward loop"_s}) {
        EXPECT_TRUE(lines.contains(expected)) << expected.toStdString();
    }
}

}  // namespace
}  // namespace kelvara::testing
