#include <gtest/gtest.h>

#include <QImage>
#include <algorithm>
#include <array>
#include <vector>

#include "cli_test_support.h"
#include "export/parameter_file.h"

namespace kelvara::testing {
namespace {

// Red, green and blue of every pixel of a written picture, read without the program's own code:
// a 24-bit BMP byte by byte, anything else through Qt's decoder.
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<std::array<int, 3>> rgb;

    int count(std::array<int, 3> c) const {
        return static_cast<int>(std::count(rgb.begin(), rgb.end(), c));
    }
    std::array<int, 3> at(int x, int y) const {
        return rgb[static_cast<std::size_t>(y * width + x)];
    }
};

int little_endian(const QByteArray& b, int at, int bytes) {
    int v = 0;
    for (int i = bytes - 1; i >= 0; --i) v = v * 256 + static_cast<unsigned char>(b[at + i]);
    return v;
}

Picture read_bmp(const QByteArray& b) {
    Picture p;
    if (b.size() < 54 || !b.startsWith("BM") || little_endian(b, 28, 2) != 24) return p;
    const int offset = little_endian(b, 10, 4);
    p.width = little_endian(b, 18, 4);
    p.height = little_endian(b, 22, 4);  // positive: rows stored bottom-up
    const int stride = (p.width * 3 + 3) / 4 * 4;
    if (b.size() < offset + stride * p.height) return {};
    for (int y = 0; y < p.height; ++y) {
        const int row = offset + (p.height - 1 - y) * stride;
        for (int x = 0; x < p.width; ++x) {
            const auto px = [&](int i) { return static_cast<unsigned char>(b[row + 3 * x + i]); };
            p.rgb.push_back({px(2), px(1), px(0)});  // stored blue, green, red
        }
    }
    return p;
}

Picture read_png(const QString& path) {
    const QImage image(path);
    Picture p;
    p.width = image.width();
    p.height = image.height();
    for (int y = 0; y < p.height; ++y) {
        for (int x = 0; x < p.width; ++x) {
            const QRgb c = image.pixel(x, y);
            p.rgb.push_back({qRed(c), qGreen(c), qBlue(c)});
        }
    }
    return p;
}

struct CliValues : ::testing::Test {
    QTemporaryDir dir;
    QString path(const QString& name) const { return dir.filePath(name); }
    QString params() {
        EditorState s = start_up_selection();
        s.face_num = 40;
        s.hair_num = 41;
        s.cloth_num = 9;
        const QString p = path(QStringLiteral("hero.txt"));
        EXPECT_TRUE(write_all(p, *parameter_file(QStringLiteral("hero"), s)));
        return p;
    }
};

// A background given as RRGGBB is red, then green, then blue, in every command that takes one;
// the values are lopsided so that any byte order but the right one shows.
TEST_F(CliValues, BackgroundHexIsRedGreenBlue) {
    const QString p = params();
    struct Case {
        QStringList args;
        QString written;
        std::array<int, 3> background;
        int size;
    };
    const std::vector<Case> cases = {
        {{QStringLiteral("render"), p, QStringLiteral("--background"), QStringLiteral("123456"),
          QStringLiteral("-o"), path(QStringLiteral("a.bmp"))},
         QStringLiteral("a.bmp"),
         {0x12, 0x34, 0x56},
         63},
        {{QStringLiteral("render"), p, QStringLiteral("--background"), QStringLiteral("#A1B2C3"),
          QStringLiteral("--format"), QStringLiteral("png"), QStringLiteral("-o"),
          path(QStringLiteral("b.png"))},
         QStringLiteral("b.png"),
         {0xA1, 0xB2, 0xC3},
         63},
        {{QStringLiteral("sheet"), p, p, QStringLiteral("--columns"), QStringLiteral("2"),
          QStringLiteral("--background"), QStringLiteral("0a1b2c"), QStringLiteral("-o"),
          path(QStringLiteral("s.png"))},
         QStringLiteral("s.png"),
         {0x0A, 0x1B, 0x2C},
         126},
        {{QStringLiteral("random"), QStringLiteral("--count"), QStringLiteral("1"),
          QStringLiteral("--seed"), QStringLiteral("3"), QStringLiteral("--background"),
          QStringLiteral("f0e0d0"), QStringLiteral("--out"), path(QStringLiteral("batch"))},
         QStringLiteral("batch/kelvara_1.bmp"),
         {0xF0, 0xE0, 0xD0},
         63},
    };
    for (const Case& c : cases) {
        const std::string name = c.args.join(' ').toStdString();
        const CliRun r = run_cli(c.args);
        ASSERT_EQ(r.status, 0) << name << ": " << r.err.toStdString();
        const Picture pic = c.written.endsWith(QStringLiteral(".bmp"))
                                ? read_bmp(read_all(path(c.written)))
                                : read_png(path(c.written));
        ASSERT_EQ(pic.width, c.size) << name;
        ASSERT_EQ(pic.height, 63) << name;
        EXPECT_EQ(pic.at(0, 0), c.background) << name;
        // The sprite stands on the background, which is most of the picture.
        EXPECT_GT(pic.count(c.background), pic.width * pic.height / 2) << name;
    }
}

// Every character of a batch keeps the grey of its eyes, as the program does at start-up: the
// option is not among the random items. Not every face shows grey, so the batch as a whole must.
TEST_F(CliValues, RandomBatchesKeepTheGreyOfTheEyes) {
    constexpr int count = 6;
    ASSERT_EQ(run_cli({QStringLiteral("random"), QStringLiteral("--count"), QString::number(count),
                       QStringLiteral("--seed"), QStringLiteral("7"), QStringLiteral("--out"),
                       path(QStringLiteral("batch"))})
                  .status,
              0);
    int grey = 0;
    for (int i = 1; i <= count; ++i) {
        const QString base = path(QStringLiteral("batch/kelvara_%1").arg(i));
        const QStringList lines =
            decode_cp932(read_all(base + QStringLiteral(".txt"))).split(QStringLiteral("\r\n"));
        ASSERT_GT(lines.size(), 7) << i;
        EXPECT_EQ(lines[6], QStringLiteral("On\t : 目の色灰色部分")) << i;
        const Picture pic = read_bmp(read_all(base + QStringLiteral(".bmp")));
        ASSERT_EQ(pic.width, 63) << i;
        grey += pic.count({192, 192, 216});
        EXPECT_EQ(pic.count({255, 255, 239}), 0) << "whitened eyes in character " << i;
    }
    EXPECT_GT(grey, 0);
}

// Each item named on --items changes its own line of the parameter file and no other: the line
// numbers are the file's layout (line 1 the name, then type, face, hair, hair colour, eye colour,
// eye grey, accessory, skin, skin matte, pose, cloth 1, cloth matte, pants, line).
TEST_F(CliValues, EachRandomItemChangesOnlyItsOwnLine) {
    const std::pair<const char*, int> items[] = {
        {"face", 3},
        {"hair", 4},
        {"hair_color", 5},
        {"eye_color", 6},
        {"accessory_color", 8},
        {"body_color", 9},
        {"pose", 11},
        {"cloth_color", 12},
        {"pants_color", 14},
        {"line_color", 15},
    };
    constexpr int count = 4;
    for (const auto& [item, line] : items) {
        SCOPED_TRACE(item);
        const QString folder = path(QStringLiteral("items_") + QLatin1String(item));
        ASSERT_EQ(
            run_cli({QStringLiteral("random"), QStringLiteral("--count"), QString::number(count),
                     QStringLiteral("--seed"), QStringLiteral("3"), QStringLiteral("--items"),
                     QLatin1String(item), QStringLiteral("--out"), folder})
                .status,
            0);
        bool changed = false;
        for (int i = 1; i <= count; ++i) {
            const QStringList lines =
                decode_cp932(read_all(folder + QStringLiteral("/kelvara_%1.txt").arg(i)))
                    .split(QStringLiteral("\r\n"));
            ASSERT_GE(lines.size(), 15) << i;
            for (int n = 2; n <= 15; ++n) {
                const QString value = lines[n - 1].section(QLatin1Char('\t'), 0, 0);
                // Every other line keeps the start-up value: the face type (written by its
                // name, with no tab), numbers 0, eye grey On, mattes Off.
                QString start = QStringLiteral("0");
                if (n == 2) start = QStringLiteral("かおづら : タイプ");
                if (n == 7) start = QStringLiteral("On");
                if (n == 10 || n == 13) start = QStringLiteral("Off");
                if (n == line) {
                    changed = changed || value != start;
                } else {
                    EXPECT_EQ(value, start) << "character " << i << " line " << n;
                }
            }
        }
        EXPECT_TRUE(changed) << "line " << line << " never changed";
    }
}

}  // namespace
}  // namespace kelvara::testing
