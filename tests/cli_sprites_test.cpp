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

TEST_F(Sprites, JsonDescribesEveryFrameAndTagsTheAnimations) {
    const QString file = params(hero(), u"hero"_s);
    struct Case {
        QString frames;
        int count;
        int first_pose_frames;  // how many pose frames come first
        int scale;
    };
    for (const Case& c : {Case{u"all"_s, 190, 136, 1}, Case{u"damage"_s, 54, 0, 2},
                          Case{u"poses"_s, 136, 136, 1}}) {
        SCOPED_TRACE(c.frames.toStdString());
        const QString png = path(c.frames + u".png"_s);
        ASSERT_EQ(run_cli({u"atlas"_s, file, u"-o"_s, png, u"--frames"_s, c.frames, u"--scale"_s,
                           QString::number(c.scale), u"--columns"_s, u"10"_s})
                      .status,
                  0);
        const QImage atlas = image_at(png);
        const QJsonObject doc = json_at(path(c.frames + u".json"_s));
        const QJsonObject meta = doc[u"meta"_s].toObject();
        EXPECT_EQ(meta[u"app"_s].toString(), u"kelvara"_s);
        EXPECT_EQ(meta[u"image"_s].toString(), c.frames + u".png"_s);
        EXPECT_EQ(meta[u"format"_s].toString(), u"RGBA8888"_s);
        EXPECT_EQ(meta[u"scale"_s].toString(), QString::number(c.scale));
        const QJsonObject size = meta[u"size"_s].toObject();
        EXPECT_EQ(QSize(size[u"w"_s].toInt(), size[u"h"_s].toInt()), atlas.size());

        // The rectangles follow each other along the rows without gap or overlap.
        const QJsonArray frames = doc[u"frames"_s].toArray();
        ASSERT_EQ(frames.size(), c.count);
        const int tile = 63 * c.scale;
        std::set<QString> names;
        QRect previous;
        for (int k = 0; k < c.count; ++k) {
            const QJsonObject f = frames[k].toObject();
            const QJsonObject r = f[u"frame"_s].toObject();
            const QRect rect(r[u"x"_s].toInt(), r[u"y"_s].toInt(), r[u"w"_s].toInt(),
                             r[u"h"_s].toInt());
            ASSERT_EQ(rect.size(), QSize(tile, tile)) << k;
            ASSERT_TRUE(QRect(QPoint(0, 0), atlas.size()).contains(rect)) << k;
            if (k == 0) {
                EXPECT_EQ(rect.topLeft(), QPoint(0, 0));
            } else if (rect.x() == 0) {
                EXPECT_EQ(rect.y(), previous.bottom() + 1) << k;
                EXPECT_GT(previous.right() + tile, atlas.width() - 1) << "row ended early " << k;
            } else {
                EXPECT_EQ(rect.topLeft(), previous.topRight() + QPoint(1, 0)) << k;
            }
            previous = rect;
            const bool pose = k < c.first_pose_frames;
            const int index = pose ? k : k - c.first_pose_frames;
            const Sheet sheet = pose ? Sheet::poses : Sheet::damage;
            EXPECT_EQ(f[u"pose"_s].toInt(), index);
            EXPECT_EQ(f[u"type"_s].toString(), pose ? u"face"_s : u"damage"_s);
            const QString name = f[u"filename"_s].toString();
            EXPECT_EQ(name.toStdString(), catalogue::frame_name(sheet, index));
            EXPECT_TRUE(names.insert(name).second) << name.toStdString();
            EXPECT_FALSE(f[u"rotated"_s].toBool(true));
            EXPECT_FALSE(f[u"trimmed"_s].toBool(true));
            const QJsonObject source = f[u"sourceSize"_s].toObject();
            EXPECT_EQ(source[u"w"_s].toInt(), tile);
            EXPECT_EQ(f[u"spriteSourceSize"_s].toObject()[u"h"_s].toInt(), tile);
            EXPECT_EQ(f[u"duration"_s].toInt(), catalogue::frame_ms_of(sheet, index));
        }
        EXPECT_EQ(previous.bottom() + 1, atlas.height());

        // Each tag names a catalogue animation and spans its cells, inside the frames.
        std::set<std::string> tagged;
        for (const QJsonValue v : meta[u"frameTags"_s].toArray()) {
            const QJsonObject tag = v.toObject();
            const std::string name = tag[u"name"_s].toString().toStdString();
            const auto a = catalogue::find_animation(name);
            ASSERT_TRUE(a.has_value()) << name;
            tagged.insert(name);
            const int from = tag[u"from"_s].toInt(-1);
            const int to = tag[u"to"_s].toInt(-1);
            ASSERT_TRUE(from >= 0 && from <= to && to < c.count) << name;
            EXPECT_EQ(to - from + 1, a->count) << name;
            const QJsonObject first = frames[from].toObject();
            EXPECT_EQ(first[u"pose"_s].toInt(), a->indices().front()) << name;
            EXPECT_EQ(first[u"type"_s].toString(),
                      a->sheet == Sheet::poses ? u"face"_s : u"damage"_s);
            EXPECT_EQ(first[u"duration"_s].toInt(), a->frame_ms) << name;
            EXPECT_EQ(tag[u"direction"_s].toString(), a->direction == catalogue::Direction::pingpong
                                                          ? u"pingpong"_s
                                                          : u"forward"_s);
        }
        EXPECT_EQ(tagged.count("walk") + tagged.count("run"), c.first_pose_frames > 0 ? 2u : 0u);
        EXPECT_EQ(tagged.count("get-up"), c.count != 136 ? 1u : 0u);
        EXPECT_EQ(tagged.count("knocked-down"), 0u) << "its cells are not neighbours";
        // ... but it is listed frame by frame: falling, hitting the ground, down, out cold.
        for (const QJsonValue v : meta[u"animations"_s].toArray()) {
            if (v[u"name"_s].toString() != u"knocked-down"_s) continue;
            const int d = c.first_pose_frames;
            EXPECT_EQ(v[u"frames"_s].toArray(), (QJsonArray{d + 9, d + 11, d + 12, d + 13}));
            tagged.insert("(listed)");
        }
        EXPECT_EQ(tagged.count("(listed)"), c.count != 136 ? 1u : 0u);
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
    for (const QString& command : {u"atlas"_s, u"animate"_s}) {
        const CliRun r = run_cli({command, u"--help"_s});
        EXPECT_EQ(r.status, 0);
        EXPECT_TRUE(r.out.contains(u"Usage: kelvara-render "_s + command));
        EXPECT_TRUE(r.out.contains(u"使い方: kelvara-render "_s + command));
        EXPECT_TRUE(run_cli({u"--help"_s}).out.contains(u"  "_s + command));
    }
    const CliRun r = run_cli({u"animate"_s, u"--list"_s});
    EXPECT_EQ(r.status, 0);
    const QStringList lines = r.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), static_cast<int>(catalogue::animations.size()));
    for (const QString& line : lines) {
        const QStringList words = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        ASSERT_EQ(words.size(), 2) << line.toStdString();
        const auto a = catalogue::find_animation(words[0].toStdString());
        ASSERT_TRUE(a.has_value()) << line.toStdString();
        EXPECT_EQ(words[1].toInt(), a->count) << line.toStdString();
    }
    EXPECT_TRUE(lines.contains(u"walk           8"_s));
}

}  // namespace
}  // namespace kelvara::testing
