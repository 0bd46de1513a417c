#include <gtest/gtest.h>

#include <random>
#include <string_view>

#include "export/file_error.h"
#include "export/file_names.h"

namespace kelvara {
namespace {

// UTF-16 code units as they are, lone surrogates included.
QString utf16(std::u16string_view units) {
    return QString(reinterpret_cast<const QChar*>(units.data()),
                   static_cast<qsizetype>(units.size()));
}

// Any byte string is a name and comes back from its text unchanged; UTF-8 reads as its
// characters, any other byte (a lone, overlong, surrogate or too large form too) as U+DCxx.
TEST(FileNames, EveryByteStringComesBackFromItsText) {
    std::vector<QByteArray> names = {"\x93\xfa\x96\x7b.txt", "\xed\xb2\x80", "\xc0\xaf",
                                     "\xf4\x90\x80\x80",     "\xe2\x82",     "a\xe2\x82\xac"};
    for (int byte = 1; byte < 256; ++byte) names.emplace_back(1, static_cast<char>(byte));
    std::mt19937 random(22);
    for (int i = 0; i < 2000; ++i) {
        QByteArray name(1 + static_cast<int>(random() % 12), '\0');
        for (char& c : name) c = static_cast<char>(1 + random() % 255);
        names.push_back(name);
    }
    for (const QByteArray& name : names) {
        ASSERT_EQ(name_bytes(name_from_bytes(name)), name) << name.toHex().toStdString();
    }
    EXPECT_EQ(name_from_bytes("日本語.bmp"), QStringLiteral("日本語.bmp"));
    EXPECT_EQ(name_from_bytes("a\xe2\x82\xac"), QStringLiteral("a€"));
    EXPECT_EQ(name_from_bytes("\x93\xfa\xed\xb2\x80"), utf16(u"\xDC93\xDCFA\xDCED\xDCB2\xDC80"));
    EXPECT_EQ(name_from_bytes("\xf0\x9f\x98\x80\xc0"), utf16(u"😀\xDCC0"));
    // Text that stands for no bytes names no file.
    for (const QString& text : {QString(), utf16(std::u16string_view(u"a\0b", 3)),
                                utf16(u"\xD800x"), utf16(u"x\xD83D"), utf16(u"\xDC41")}) {
        EXPECT_TRUE(name_bytes(text).isEmpty()) << text.toStdString();
    }
}

TEST(Quoting, ShowsEverythingUnprintableEscapedInAtMostSixtyCharacters) {
    const QString a28(28, 'a'), a31(31, 'a'), escape(QStringLiteral("\\x1b"));
    const std::vector<std::pair<QString, QString>> cases = {
        {"plain 日本語　名前 😀", "plain 日本語　名前 😀"},
        {"a\nb\tc\rd\x1b[31m\x7f", "a\\nb\\tc\\rd\\x1b[31m\\x7f"},
        {utf16(u"\u202eexe.txt\u0085\u2028\u200b"), "\\u202eexe.txt\\u0085\\u2028\\u200b"},
        {name_from_bytes("\x93\xfa.txt"), "\\x93\\xfa.txt"},
        {utf16(u"\xDC41\xD800"), "\\udc41\\ud800"},
        {QString(100, 'a'), QString(29, 'a') + "…" + QString(30, 'a')},
        // The cut never splits an escape or a character of two UTF-16 units.
        {QString(50, QChar(0x1b)), escape.repeated(7) + "…" + escape.repeated(7)},
        {a28 + "😀" + QString(40, 'a'), a28 + "…" + a31},
        {QString(60, 'a'), QString(60, 'a')},
    };
    for (const auto& [text, shown] : cases)
        EXPECT_EQ(shortened(text), shown) << shown.toStdString();
    const QString huge = utf16(u"\x1b\u202e\xDC93x😀").repeated(30000);
    EXPECT_LE(shortened(huge).size(), 60);
    EXPECT_EQ(describe(not_enough_memory("out.png")), "out.png: not enough memory for the picture");
}

}  // namespace
}  // namespace kelvara
