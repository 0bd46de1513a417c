// A seeded mutation fuzzer for the parameter reader: valid files, mutated a few bytes or lines at a
// time, must each be read into a selection that is in range and survives a write and a second
// read, or refused with a short reason and a line from 0 to 16; never a crash (the sanitizer pass
// runs this too). The run is bounded for CI; scripts/fuzz.sh runs it for longer:
//   KELVARA_FUZZ_ITERATIONS  inputs to try (default 20000)
//   KELVARA_FUZZ_SECONDS     run for this long instead
//   KELVARA_FUZZ_SEED        the generator's seed (default 1), to repeat a run
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <array>
#include <cstdlib>
#include <random>

#include "export/parameter_file.h"
#include "export/parameter_reader.h"

namespace kelvara::testing {
namespace {

qint64 setting(const char* name, qint64 fallback) {
    const char* text = std::getenv(name);
    return text != nullptr && *text != '\0' ? std::atoll(text) : fallback;
}

std::vector<QByteArray> seed_files() {
    EditorState a;
    a.face_num = 711;
    a.hair_num = 3;
    a.cloth_num = 135;
    a.eye_grey_flg = vb_true;
    a.cloth3_color_num = 1;
    EditorState b = a;
    b.type_flg = 1;
    b.cloth_num = 53;
    b.body_matte_flg = vb_true;
    return {*parameter_file(QStringLiteral("temp"), a),
            *parameter_file(QStringLiteral("山田ｷｬﾗ a.bmp"), b),
            *parameter_file(QString(), EditorState{})};
}

// Bytes that mean something to the reader.
const std::array<QByteArray, 14> tokens = {
    "\r", "\n",  "\r\n", "\t",         " : ",  "[",    "]",
    "On", "Off", "-1",   "4294967296", "\x82", "\xFF", "\x81\x40",
};

class Mutator {
  public:
    explicit Mutator(std::uint32_t seed) : rng_(seed) {}

    QByteArray mutate(QByteArray bytes, const std::vector<QByteArray>& seeds) {
        const int rounds = pick(1, 4);
        for (int i = 0; i < rounds; ++i) {
            const qsizetype at = bytes.isEmpty() ? 0 : pick(0, static_cast<int>(bytes.size()));
            const qsizetype span = pick(1, 24);
            switch (pick(0, 6)) {
                case 0:  // one byte changed
                    if (at < bytes.size()) bytes[at] = static_cast<char>(pick(0, 255));
                    break;
                case 1:  // a few random bytes in
                    for (int n = pick(1, 8); n > 0; --n) {
                        bytes.insert(at, static_cast<char>(pick(0, 255)));
                    }
                    break;
                case 2:  // a stretch removed
                    bytes.remove(at, span);
                    break;
                case 3:  // a stretch repeated, often a whole line or more
                    bytes.insert(at, bytes.mid(pick(0, static_cast<int>(bytes.size())), span * 4));
                    break;
                case 4:  // a token
                    bytes.insert(at, tokens[static_cast<std::size_t>(pick(0, tokens.size() - 1))]);
                    break;
                case 5:  // cut short
                    bytes.truncate(at);
                    break;
                default: {  // the head of one file with the tail of another
                    const QByteArray& other = seeds[static_cast<std::size_t>(
                        pick(0, static_cast<int>(seeds.size()) - 1))];
                    bytes = bytes.left(at) + other.mid(std::min<qsizetype>(at, other.size()));
                }
            }
        }
        return bytes;
    }

    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng_); }

  private:
    std::mt19937 rng_;
};

// Every value within the range its selector allows.
bool in_range(const EditorState& s) {
    auto within = [](int v, int high) { return v >= 0 && v <= high; };
    auto flag = [](int v) { return v == vb_true || v == vb_false; };
    return (s.type_flg == 0 || s.type_flg == 1) && within(s.face_num, 711) &&
           within(s.hair_num, 711) && within(s.hair_color_num, last_hair_color) &&
           within(s.eye_color_num, last_eye_color) && flag(s.eye_grey_flg) &&
           within(s.accessory_color_num, last_eye_color) &&
           within(s.body_color_num, last_body_color) && flag(s.body_matte_flg) &&
           within(s.cloth_num, s.type_flg == 0 ? 135 : 53) &&
           within(s.cloth_color_num, last_cloth_color) && flag(s.cloth_matte_flg) &&
           within(s.cloth2_color_num, last_cloth23_color) &&
           within(s.cloth3_color_num, last_cloth23_color);
}

TEST(ParameterReaderFuzz, MutatedFilesAreReadInRangeOrRefusedWithAShortReason) {
    const qint64 iterations = setting("KELVARA_FUZZ_ITERATIONS", 20000);
    const qint64 seconds = setting("KELVARA_FUZZ_SECONDS", 0);
    const auto seed = static_cast<std::uint32_t>(setting("KELVARA_FUZZ_SEED", 1));
    const std::vector<QByteArray> seeds = seed_files();
    Mutator mutator(seed);
    QElapsedTimer clock;
    clock.start();
    qint64 ran = 0;
    qint64 accepted = 0;
    std::array<qint64, 17> refused_at_line{};
    while (seconds > 0 ? clock.elapsed() < seconds * 1000 : ran < iterations) {
        const QByteArray& start =
            seeds[static_cast<std::size_t>(mutator.pick(0, static_cast<int>(seeds.size()) - 1))];
        const QByteArray input = mutator.mutate(start, seeds);
        ++ran;
        const FileResult<ParameterRecord> read = read_parameter_file(input);
        if (!read) {
            const FileError& e = read.error();
            ASSERT_TRUE(e.line >= 0 && e.line <= 16) << e.line << " for " << input.toHex().data();
            ASSERT_FALSE(e.reason.isEmpty()) << input.toHex().data();
            ASSERT_LE(e.reason.size(), 200) << input.toHex().data();
            ASSERT_TRUE(e.path.isEmpty());
            ++refused_at_line[static_cast<std::size_t>(e.line)];
            continue;
        }
        ++accepted;
        const ParameterRecord& r = read.value();
        ASSERT_TRUE(in_range(r.selection)) << input.toHex().data();
        // What was read, written and read again, is the same.
        const std::optional<QByteArray> again = parameter_file(r.base_name, r.selection);
        ASSERT_TRUE(again.has_value());
        const FileResult<ParameterRecord> reread = read_parameter_file(*again);
        ASSERT_TRUE(reread.ok()) << input.toHex().data();
        ASSERT_EQ(parameter_lines(reread.value().base_name, reread.value().selection),
                  parameter_lines(r.base_name, r.selection))
            << input.toHex().data();
    }
    QString lines;
    for (std::size_t i = 0; i < refused_at_line.size(); ++i) {
        if (refused_at_line[i] > 0)
            lines += QStringLiteral(" %1:%2").arg(i).arg(refused_at_line[i]);
    }
    std::printf("fuzz: %lld inputs (seed %u), %lld read, refused by line:%s\n",
                static_cast<long long>(ran), seed, static_cast<long long>(accepted),
                lines.toUtf8().constData());
    EXPECT_GT(ran, 0);
}

}  // namespace
}  // namespace kelvara::testing
