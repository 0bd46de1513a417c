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

#include "character_output.h"
#include "cli_test_support.h"
#include "export/parameter_file.h"
#include "model/pose_catalogue.h"

namespace kelvara::testing {
namespace {

using catalogue::Sheet;

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
        const QString p = path(name + QStringLiteral(".txt"));
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
        const QString out = path(QStringLiteral("one.png"));
        const CliRun r =
            run_cli(QStringList{QStringLiteral("render"), params(posed, QStringLiteral("one")),
                                QStringLiteral("-o"), out, QStringLiteral("--format"),
                                QStringLiteral("png")} +
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
    const QString file = params(hero(), QStringLiteral("hero"));
    const CliRun r = run_cli(
        {QStringLiteral("atlas"), file, QStringLiteral("-o"), path(QStringLiteral("hero.png"))});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    const QImage atlas = image_at(path(QStringLiteral("hero.png")));
    ASSERT_EQ(atlas.size(), QSize(16 * 63, 12 * 63));

    cli::CharacterOutput output;
    cli::OutputStyle png;
    png.format = cli::OutputStyle::Format::png;
    for (int k = 0; k < 190; ++k) {
        EditorState s = hero();
        s.type_flg = k < pose_count ? 0 : 1;
        s.cloth_num = static_cast<Int16>(k < pose_count ? k : k - pose_count);
        const QImage expected = image(output.file_bytes(s, png));
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
    const QString file = params(rival(), QStringLiteral("rival"));
    const QStringList style = {QStringLiteral("--scale"), QStringLiteral("3"),
                               QStringLiteral("--transparent")};
    const CliRun r = run_cli(QStringList{QStringLiteral("atlas"), file, QStringLiteral("-o"),
                                         path(QStringLiteral("rival.png")),
                                         QStringLiteral("--frames"), QStringLiteral("damage"),
                                         QStringLiteral("--columns"), QStringLiteral("7")} +
                             style);
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    const QImage atlas = image_at(path(QStringLiteral("rival.png")));
    ASSERT_EQ(atlas.size(), QSize(7 * 189, 8 * 189));  // 54 frames in rows of 7
    for (const int k : {0, 6, 7, 22, 53}) {
        const QImage frame = atlas.copy((k % 7) * 189, (k / 7) * 189, 189, 189);
        EXPECT_EQ(frame, rendered(rival(), Sheet::damage, k, style)) << "damage figure " << k;
        EXPECT_EQ(qAlpha(frame.pixel(0, 0)), 0);
    }
    EXPECT_EQ(qAlpha(atlas.pixel(atlas.width() - 1, atlas.height() - 1)), 0);
}

TEST_F(Sprites, JsonDescribesEveryFrameAndTagsTheAnimations) {
    const QString file = params(hero(), QStringLiteral("hero"));
    struct Case {
        QString frames;
        int count;
        int first_pose_frames;  // how many pose frames come first
        int scale;
    };
    for (const Case& c :
         {Case{QStringLiteral("all"), 190, 136, 1}, Case{QStringLiteral("damage"), 54, 0, 2},
          Case{QStringLiteral("poses"), 136, 136, 1}}) {
        SCOPED_TRACE(c.frames.toStdString());
        const QString png = path(c.frames + QStringLiteral(".png"));
        ASSERT_EQ(
            run_cli({QStringLiteral("atlas"), file, QStringLiteral("-o"), png,
                     QStringLiteral("--frames"), c.frames, QStringLiteral("--scale"),
                     QString::number(c.scale), QStringLiteral("--columns"), QStringLiteral("10")})
                .status,
            0);
        const QImage atlas = image_at(png);
        const QJsonObject doc = json_at(path(c.frames + QStringLiteral(".json")));
        const QJsonObject meta = doc[QStringLiteral("meta")].toObject();
        EXPECT_EQ(meta[QStringLiteral("app")].toString(), QStringLiteral("kelvara"));
        EXPECT_EQ(meta[QStringLiteral("image")].toString(), c.frames + QStringLiteral(".png"));
        EXPECT_EQ(meta[QStringLiteral("format")].toString(), QStringLiteral("RGBA8888"));
        EXPECT_EQ(meta[QStringLiteral("scale")].toString(), QString::number(c.scale));
        const QJsonObject size = meta[QStringLiteral("size")].toObject();
        EXPECT_EQ(QSize(size[QStringLiteral("w")].toInt(), size[QStringLiteral("h")].toInt()),
                  atlas.size());

        // The rectangles follow each other along the rows without gap or overlap.
        const QJsonArray frames = doc[QStringLiteral("frames")].toArray();
        ASSERT_EQ(frames.size(), c.count);
        const int tile = 63 * c.scale;
        std::set<QString> names;
        QRect previous;
        for (int k = 0; k < c.count; ++k) {
            const QJsonObject f = frames[k].toObject();
            const QJsonObject r = f[QStringLiteral("frame")].toObject();
            const QRect rect(r[QStringLiteral("x")].toInt(), r[QStringLiteral("y")].toInt(),
                             r[QStringLiteral("w")].toInt(), r[QStringLiteral("h")].toInt());
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
            EXPECT_EQ(f[QStringLiteral("pose")].toInt(), index);
            EXPECT_EQ(f[QStringLiteral("type")].toString(),
                      pose ? QStringLiteral("face") : QStringLiteral("damage"));
            const QString name = f[QStringLiteral("filename")].toString();
            EXPECT_EQ(name.toStdString(), catalogue::frame_name(sheet, index));
            EXPECT_TRUE(names.insert(name).second) << name.toStdString();
            EXPECT_FALSE(f[QStringLiteral("rotated")].toBool(true));
            EXPECT_FALSE(f[QStringLiteral("trimmed")].toBool(true));
            const QJsonObject source = f[QStringLiteral("sourceSize")].toObject();
            EXPECT_EQ(source[QStringLiteral("w")].toInt(), tile);
            EXPECT_EQ(f[QStringLiteral("spriteSourceSize")].toObject()[QStringLiteral("h")].toInt(),
                      tile);
            EXPECT_EQ(f[QStringLiteral("duration")].toInt(), catalogue::frame_ms_of(sheet, index));
        }
        EXPECT_EQ(previous.bottom() + 1, atlas.height());

        // Each tag names a catalogue animation and spans its cells, inside the frames.
        std::set<std::string> tagged;
        for (const QJsonValue v : meta[QStringLiteral("frameTags")].toArray()) {
            const QJsonObject tag = v.toObject();
            const std::string name = tag[QStringLiteral("name")].toString().toStdString();
            const auto a = catalogue::find_animation(name);
            ASSERT_TRUE(a.has_value()) << name;
            tagged.insert(name);
            const int from = tag[QStringLiteral("from")].toInt(-1);
            const int to = tag[QStringLiteral("to")].toInt(-1);
            ASSERT_TRUE(from >= 0 && from <= to && to < c.count) << name;
            EXPECT_EQ(to - from + 1, a->count) << name;
            const QJsonObject first = frames[from].toObject();
            EXPECT_EQ(first[QStringLiteral("pose")].toInt(), a->indices().front()) << name;
            EXPECT_EQ(first[QStringLiteral("type")].toString(),
                      a->sheet == Sheet::poses ? QStringLiteral("face") : QStringLiteral("damage"));
            EXPECT_EQ(first[QStringLiteral("duration")].toInt(), a->frame_ms) << name;
            EXPECT_EQ(tag[QStringLiteral("direction")].toString(),
                      a->direction == catalogue::Direction::pingpong ? QStringLiteral("pingpong")
                                                                     : QStringLiteral("forward"));
        }
        EXPECT_EQ(tagged.count("walk") + tagged.count("run"), c.first_pose_frames > 0 ? 2u : 0u);
        EXPECT_EQ(tagged.count("get-up"), c.count != 136 ? 1u : 0u);
        EXPECT_EQ(tagged.count("knocked-down"), 0u) << "its cells are not neighbours";
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
    const QString file = params(hero(), QStringLiteral("hero"));
    struct Case {
        const char* animation;
        Sheet sheet;
        std::vector<int> poses;  // as played, one loop
        QStringList options;
    };
    const Case cases[] = {
        {"walk", Sheet::poses, {4, 5, 6, 7, 8, 9, 10, 11}, {}},
        {"dizzy",
         Sheet::damage,
         {16, 17, 18, 17},
         {QStringLiteral("--scale"), QStringLiteral("2")}},
        {"catch",
         Sheet::poses,
         {62, 63, 65},
         {QStringLiteral("--transparent"), QStringLiteral("--scale"), QStringLiteral("3")}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.animation);
        const QString gif = path(QString::fromLatin1(c.animation) + QStringLiteral(".gif"));
        const CliRun r =
            run_cli(QStringList{QStringLiteral("animate"), file, QStringLiteral("--animation"),
                                QString::fromLatin1(c.animation), QStringLiteral("-o"), gif} +
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
        const QString strip = path(QStringLiteral("strip.png"));
        ASSERT_EQ(
            run_cli(QStringList{QStringLiteral("animate"), file, QStringLiteral("--animation"),
                                QString::fromLatin1(c.animation), QStringLiteral("-o"), strip,
                                QStringLiteral("--format"), QStringLiteral("png")} +
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
    const QString good = params(hero(), QStringLiteral("hero"));
    EditorState out_of_range = hero();
    out_of_range.hair_num = 712;
    const QString bad = params(out_of_range, QStringLiteral("bad"));
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("folder")));
    const QString png = path(QStringLiteral("a.png"));
    const QString gif = path(QStringLiteral("a.gif"));
    const QString missing_folder = path(QStringLiteral("nowhere/a.json"));
    const auto atlas = [&](const QStringList& rest) {
        return QStringList{QStringLiteral("atlas")} + rest;
    };
    const auto animate = [&](const QStringList& rest) {
        return QStringList{QStringLiteral("animate")} + rest;
    };
    const std::vector<QStringList> calls = {
        atlas({path(QStringLiteral("missing.txt")), QStringLiteral("-o"), png}),
        atlas({bad, QStringLiteral("-o"), png}),
        atlas({good}),
        atlas({good, good, QStringLiteral("-o"), png}),
        atlas({good, QStringLiteral("-o"), png, QStringLiteral("--scale"), QStringLiteral("9")}),
        atlas({good, QStringLiteral("-o"), png, QStringLiteral("--scale"), QStringLiteral("0")}),
        atlas({good, QStringLiteral("-o"), png, QStringLiteral("--columns"), QStringLiteral("0")}),
        atlas(
            {good, QStringLiteral("-o"), png, QStringLiteral("--frames"), QStringLiteral("hats")}),
        atlas({good, QStringLiteral("-o"), png, QStringLiteral("--background"),
               QStringLiteral("pink")}),
        atlas({good, QStringLiteral("-o"), png, QStringLiteral("--json"), missing_folder}),
        atlas({good, QStringLiteral("-o"), path(QStringLiteral("nowhere/a.png"))}),
        atlas({good, QStringLiteral("-o"), path(QStringLiteral("folder"))}),
        atlas({good, QStringLiteral("-o"), png, QStringLiteral("--json"), png}),
        atlas({good, QStringLiteral("-o"), png, QStringLiteral("--bogus")}),
        atlas({good, QStringLiteral("-o"), png, QStringLiteral("--json"),
               QStringLiteral("/dev/null")}),
        atlas({good, QStringLiteral("-o"), QString()}),
        atlas({good, QStringLiteral("-o"), png, QStringLiteral("--scale"), QStringLiteral("8"),
               QStringLiteral("--columns"), QStringLiteral("40")}),  // 20160 pixels wide
        animate({good, QStringLiteral("--animation"), QStringLiteral("moonwalk"),
                 QStringLiteral("-o"), gif}),
        animate({good, QStringLiteral("-o"), gif}),
        animate({good, QStringLiteral("--animation"), QStringLiteral("walk")}),
        animate({bad, QStringLiteral("--animation"), QStringLiteral("walk"), QStringLiteral("-o"),
                 gif}),
        animate({good, QStringLiteral("--animation"), QStringLiteral("walk"), QStringLiteral("-o"),
                 gif, QStringLiteral("--scale"), QStringLiteral("12")}),
        animate({good, QStringLiteral("--animation"), QStringLiteral("walk"), QStringLiteral("-o"),
                 gif, QStringLiteral("--format"), QStringLiteral("jpg")}),
        animate({good, QStringLiteral("--animation"), QStringLiteral("walk"), QStringLiteral("-o"),
                 path(QStringLiteral("nowhere/a.gif"))}),
        animate({QStringLiteral("--list"), good}),
    };
    const QStringList before = entries(dir.path());
    for (const QStringList& args : calls) {
        const CliRun r = run_cli(args);
        EXPECT_EQ(r.status, cli::exit_bad_input) << args.join(' ').toStdString();
        EXPECT_TRUE(r.err.startsWith(QStringLiteral("kelvara-render: "))) << r.err.toStdString();
        EXPECT_EQ(entries(dir.path()), before) << args.join(' ').toStdString();
    }
    const CliRun r = run_cli(animate({good, QStringLiteral("--animation"),
                                      QStringLiteral("moonwalk"), QStringLiteral("-o"), gif}));
    EXPECT_TRUE(r.err.contains(QStringLiteral("moonwalk"))) << r.err.toStdString();
}

TEST(SpriteCommands, HelpInBothLanguagesAndTheListOfAnimations) {
    for (const QString& command : {QStringLiteral("atlas"), QStringLiteral("animate")}) {
        const CliRun r = run_cli({command, QStringLiteral("--help")});
        EXPECT_EQ(r.status, 0);
        EXPECT_TRUE(r.out.contains(QStringLiteral("Usage: kelvara-render ") + command));
        EXPECT_TRUE(r.out.contains(QStringLiteral("使い方: kelvara-render ") + command));
        EXPECT_TRUE(
            run_cli({QStringLiteral("--help")}).out.contains(QStringLiteral("  ") + command));
    }
    const CliRun r = run_cli({QStringLiteral("animate"), QStringLiteral("--list")});
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
    EXPECT_TRUE(lines.contains(QStringLiteral("walk           8")));
}

}  // namespace
}  // namespace kelvara::testing
