#include "json_text.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <algorithm>
#include <charconv>
#include <iterator>

namespace kelvara::cli {

namespace {

void put_indent(QByteArray& json, int indent) {
    json.append(4 * indent, ' ');
}

// Printable ASCII without quote or backslash is written as it is; anything else goes through
// Qt's own writer, so escapes and UTF-8 come out as Qt writes them.
void put_string(QByteArray& json, const QString& s) {
    const bool plain = std::all_of(s.begin(), s.end(), [](QChar c) {
        return c.unicode() >= 0x20 && c.unicode() < 0x7F && c != u'"' && c != u'\\';
    });
    if (plain) {
        json += '"';
        const qsizetype at = json.size();
        json.resize(at + s.size());
        char* out = json.data() + at;
        for (const QChar c : s) *out++ = static_cast<char>(c.unicode());
        json += '"';
        return;
    }
    const QByteArray quoted = QJsonDocument(QJsonArray{s}).toJson(QJsonDocument::Compact);
    json += quoted.mid(1, quoted.size() - 2);  // without the array's brackets
}

}  // namespace

JsonValue JsonValue::number(long long n) {
    JsonValue v;
    v.kind_ = Kind::number;
    v.number_ = n;
    return v;
}

JsonValue JsonValue::boolean(bool b) {
    JsonValue v;
    v.kind_ = Kind::boolean;
    v.number_ = b ? 1 : 0;
    return v;
}

JsonValue JsonValue::string(const QString& s) {
    JsonValue v;
    v.kind_ = Kind::string;
    v.string_ = s;
    return v;
}

JsonValue JsonValue::array(std::vector<JsonValue> elements) {
    JsonValue v;
    v.kind_ = Kind::array;
    v.elements_ = std::move(elements);
    return v;
}

JsonValue JsonValue::object(Members members) {
    JsonValue v;
    v.kind_ = Kind::object;
    // A JSON object keeps its members in key order; a later member of the same key wins.
    std::stable_sort(members.begin(), members.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (auto& m : members) {
        if (!v.members_.empty() && v.members_.back().first == m.first) {
            v.members_.back().second = std::move(m.second);
        } else {
            v.members_.push_back(std::move(m));
        }
    }
    return v;
}

QByteArray JsonValue::document() const {
    QByteArray json;
    json.reserve(1 << 16);
    write(json, 0);
    json += '\n';
    return json;
}

// Containers open on the current line, put each element on a line of its own one level deeper,
// and close on a line at the current level, also when empty.
void JsonValue::write(QByteArray& json, int indent) const {
    switch (kind_) {
        case Kind::number: {
            char digits[24];
            const auto end = std::to_chars(std::begin(digits), std::end(digits), number_).ptr;
            json.append(digits, end - digits);
            return;
        }
        case Kind::boolean:
            json += number_ != 0 ? "true" : "false";
            return;
        case Kind::string:
            put_string(json, string_);
            return;
        case Kind::array:
            json += "[\n";
            for (std::size_t i = 0; i < elements_.size(); ++i) {
                put_indent(json, indent + 1);
                elements_[i].write(json, indent + 1);
                json += i + 1 < elements_.size() ? ",\n" : "\n";
            }
            put_indent(json, indent);
            json += ']';
            return;
        case Kind::object:
            json += "{\n";
            for (std::size_t i = 0; i < members_.size(); ++i) {
                put_indent(json, indent + 1);
                put_string(json, members_[i].first);
                json += ": ";
                members_[i].second.write(json, indent + 1);
                json += i + 1 < members_.size() ? ",\n" : "\n";
            }
            put_indent(json, indent);
            json += '}';
            return;
    }
}

}  // namespace kelvara::cli
