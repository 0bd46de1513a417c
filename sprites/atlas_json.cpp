#include "atlas_json.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonDocument>
#include <charconv>
#include <cstdio>

#include "model/version.h"

namespace kelvara::sprites {

namespace {

// The JSON is written as text, in the order of Aseprite's own export, one frame a line: built
// as objects, a set's description took a quarter of the atlas command's time.
class JsonText {
  public:
    JsonText& raw(std::string_view s) {
        out_.append(s.data(), static_cast<qsizetype>(s.size()));
        return *this;
    }
    JsonText& number(long long n) {
        char digits[24];
        return raw({digits, std::to_chars(digits, digits + sizeof digits, n).ptr});
    }
    // The shortest text that reads back the same double.
    JsonText& real(double d) {
        char digits[32];
        return raw({digits, std::to_chars(digits, digits + sizeof digits, d).ptr});
    }
    JsonText& string(const QString& s) {
        QByteArray utf8 = s.toUtf8();
        out_ += '"';
        for (const char c : utf8) {
            const auto byte = static_cast<unsigned char>(c);
            if (c == '"' || c == '\\') {
                out_ += '\\';
                out_ += c;
            } else if (byte < 0x20) {
                char escaped[8];
                std::snprintf(escaped, sizeof escaped, "\\u%04x", byte);
                out_ += escaped;
            } else {
                out_ += c;
            }
        }
        out_ += '"';
        return *this;
    }
    JsonText& string(std::string_view s) {
        return string(QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())));
    }
    JsonText& string(const char* s) { return string(std::string_view(s)); }
    JsonText& key(std::string_view k) { return raw("\"").raw(k).raw("\": "); }
    JsonText& rect(const QRect& r) {
        return raw("{\"x\": ")
            .number(r.x())
            .raw(", \"y\": ")
            .number(r.y())
            .raw(", \"w\": ")
            .number(r.width())
            .raw(", \"h\": ")
            .number(r.height())
            .raw("}");
    }
    JsonText& size(int w, int h) {
        return raw("{\"w\": ").number(w).raw(", \"h\": ").number(h).raw("}");
    }
    JsonText& point(QPoint p) {
        return raw("{\"x\": ").number(p.x()).raw(", \"y\": ").number(p.y()).raw("}");
    }
    QByteArray take() { return std::move(out_); }

  private:
    QByteArray out_;
};

const char* direction_name(catalogue::Direction d) {
    return d == catalogue::Direction::pingpong ? "pingpong" : "forward";
}

void put_frame(JsonText& j, const SpriteSet& set, int k, QPoint pivot) {
    const SpriteFrame& f = set.shown(k);
    const QRect cell = set.rect(k);
    j.raw("    {").key("filename").string(QString::number(k));
    j.raw(", ").key("frame").rect(cell);
    j.raw(", \"rotated\": false, \"trimmed\": false, ").key("spriteSourceSize");
    j.rect({0, 0, cell.width(), cell.height()});
    j.raw(", ").key("sourceSize").size(cell.width(), cell.height());
    j.raw(", ").key("duration").number(set.frames[static_cast<std::size_t>(k)].duration_ms);
    j.raw(", ").key("name").string(catalogue::frame_name(f.sheet, f.index));
    j.raw(", ").key("pose").number(f.index);
    j.raw(", ").key("type").raw(f.sheet == catalogue::Sheet::poses ? "\"face\"" : "\"damage\"");
    j.raw(", ").key("pivot").point(pivot);
    j.raw(", ").key("anchor").raw("{\"x\": ").real(double(pivot.x()) / cell.width());
    j.raw(", \"y\": ").real(double(pivot.y()) / cell.height()).raw("}}");
}

void put_tag(JsonText& j, const SetAnimation& a) {
    j.raw("      {").key("name").string(a.animation.name);
    j.raw(", ").key("from").number(a.from).raw(", ").key("to").number(a.to);
    j.raw(", ").key("direction").string(direction_name(a.animation.direction));
    // Aseprite counts plays, as a string, and writes none for an animation that never stops.
    if (!a.animation.loops()) j.raw(", \"repeat\": \"1\"");
    j.raw("}");
}

void put_animation(JsonText& j, const SetAnimation& a) {
    j.raw("      {").key("name").string(a.animation.name).raw(", ").key("frames").raw("[");
    for (int k = a.from; k <= a.to; ++k) j.raw(k == a.from ? "" : ", ").number(k);
    j.raw("], ").key("duration").number(a.animation.frame_ms);
    j.raw(", ").key("direction").string(direction_name(a.animation.direction));
    j.raw(", ").key("loop").raw(a.animation.loops() ? "true" : "false").raw("}");
}

// The frame keys PixiJS plays, in order.
void put_played(JsonText& j, const SetAnimation& a) {
    j.raw("    ").string(a.animation.name).raw(": [");
    bool first = true;
    for (const int k : a.played()) {
        j.raw(first ? "\"" : ", \"").number(k).raw("\"");
        first = false;
    }
    j.raw("]");
}

template <class Put>
void put_list(JsonText& j, const std::vector<SetAnimation>& animations, Put put) {
    for (std::size_t i = 0; i < animations.size(); ++i) {
        put(j, animations[i]);
        j.raw(i + 1 < animations.size() ? ",\n" : "\n");
    }
}

}  // namespace

QString png_pixel_format(const formats::Bytes& png) {
    // The colour type follows the signature, the header chunk's length and type, the width, the
    // height and the bit depth.
    constexpr std::size_t colour_type_at = 8 + 4 + 4 + 4 + 4 + 1;
    if (png.size() <= colour_type_at) return {};
    switch (png[colour_type_at]) {
        case 2:
            return QStringLiteral("RGB888");
        case 3:
            return QStringLiteral("I8");
        case 6:
            return QStringLiteral("RGBA8888");
        default:
            return {};
    }
}

QString image_path_from(const QString& json_path, const QString& png_path) {
    return QDir(QFileInfo(json_path).absolutePath())
        .relativeFilePath(QFileInfo(png_path).absoluteFilePath());
}

QByteArray atlas_json(const SpriteSet& set, QPoint pivot, const AtlasImage& image,
                      const QJsonObject& kelvara) {
    JsonText j;
    j.raw("{\n  \"frames\": [\n");
    for (int k = 0; k < set.frame_count(); ++k) {
        put_frame(j, set, k, pivot);
        j.raw(k + 1 < set.frame_count() ? ",\n" : "\n");
    }
    j.raw("  ],\n  \"animations\": {\n");
    put_list(j, set.animations, put_played);
    j.raw("  },\n  \"meta\": {\n    ").key("app").string("kelvara");
    j.raw(",\n    ").key("version").string(version_text);
    j.raw(",\n    ").key("image").string(image.path);
    j.raw(",\n    ").key("format").string(image.format);
    j.raw(",\n    ").key("size").size(static_cast<int>(set.grid.width()),
                                      static_cast<int>(set.grid.height()));
    j.raw(",\n    \"scale\": \"1\",\n    \"frameTags\": [\n");
    put_list(j, set.animations, put_tag);
    j.raw("    ],\n    \"slices\": [\n      {\"name\": \"pivot\", \"color\": \"#0000ffff\", ");
    j.raw("\"keys\": [{\"frame\": 0, \"bounds\": ");
    j.rect({0, 0, set.grid.cell_width, set.grid.cell_height}).raw(", ").key("pivot").point(pivot);
    j.raw("}]}\n    ],\n    \"animations\": [\n");
    put_list(j, set.animations, put_animation);
    QJsonObject own = kelvara;
    own.insert(QStringLiteral("scale"), set.scale);
    j.raw("    ],\n    ").key("kelvara");
    j.raw(QJsonDocument(own).toJson(QJsonDocument::Compact).toStdString());
    j.raw("\n  }\n}\n");
    return j.take();
}

}  // namespace kelvara::sprites
