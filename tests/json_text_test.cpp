// The atlas's JSON writer against Qt's: the same values give the same bytes.

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "json_text.h"

namespace kelvara::cli {
namespace {

TEST(JsonText, WritesWhatQtWrites) {
    using J = JsonValue;
    const struct {
        const char* what;
        JsonValue ours;
        QJsonObject qt;
    } cases[] = {
        {"members in key order, a later duplicate wins",
         J::object({{"w", J::number(3)},
                    {"h", J::number(-4)},
                    {"a", J::boolean(true)},
                    {"h", J::number(5)}}),
         QJsonObject{{"w", 3}, {"h", -4}, {"a", true}, {"h", 5}}},
        {"empty containers, nested",
         J::object({{"list", J::array({})},
                    {"inner", J::object({})},
                    {"deep", J::array({J::array({J::number(1), J::boolean(false)}),
                                       J::object({{"x", J::number(0)}})})}}),
         QJsonObject{{"list", QJsonArray{}},
                     {"inner", QJsonObject{}},
                     {"deep", QJsonArray{QJsonArray{1, false}, QJsonObject{{"x", 0}}}}}},
        {"strings that need escapes or are not ASCII",
         J::object({{"q", J::string(QStringLiteral("say \"hi\" /"))},
                    {"b", J::string(QStringLiteral("C:\\dir"))},
                    {"c", J::string(QStringLiteral("tab\there\nnew\x01"))},
                    {"u", J::string(QStringLiteral("日本語 ﾊﾝｶｸ"))},
                    {"e", J::string(QString())}}),
         QJsonObject{{"q", "say \"hi\" /"},
                     {"b", "C:\\dir"},
                     {"c", "tab\there\nnew\x01"},
                     {"u", QStringLiteral("日本語 ﾊﾝｶｸ")},
                     {"e", ""}}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.ours.document(), QJsonDocument(c.qt).toJson(QJsonDocument::Indented)) << c.what;
    }
}

}  // namespace
}  // namespace kelvara::cli
