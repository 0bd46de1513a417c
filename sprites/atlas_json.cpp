#include "atlas_json.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>

#include "model/version.h"

namespace kelvara::sprites {

namespace {

QString text(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

QJsonObject size_object(int w, int h) {
    return {{QStringLiteral("w"), w}, {QStringLiteral("h"), h}};
}

QJsonObject rect_object(const QRect& r) {
    return {{QStringLiteral("x"), r.x()},
            {QStringLiteral("y"), r.y()},
            {QStringLiteral("w"), r.width()},
            {QStringLiteral("h"), r.height()}};
}

QJsonObject point_object(QPoint p) {
    return {{QStringLiteral("x"), p.x()}, {QStringLiteral("y"), p.y()}};
}

QString direction_name(catalogue::Direction d) {
    return d == catalogue::Direction::pingpong ? QStringLiteral("pingpong")
                                               : QStringLiteral("forward");
}

QJsonObject frame_object(const SpriteSet& set, int k, QPoint pivot) {
    const SpriteFrame& f = set.shown(k);
    const QRect cell = set.rect(k);
    const QRect whole(0, 0, cell.width(), cell.height());
    return {
        {QStringLiteral("filename"), QString::number(k)},
        {QStringLiteral("frame"), rect_object(cell)},
        {QStringLiteral("rotated"), false},
        {QStringLiteral("trimmed"), false},
        {QStringLiteral("spriteSourceSize"), rect_object(whole)},
        {QStringLiteral("sourceSize"), size_object(cell.width(), cell.height())},
        {QStringLiteral("duration"), set.frames[static_cast<std::size_t>(k)].duration_ms},
        {QStringLiteral("name"), text(catalogue::frame_name(f.sheet, f.index))},
        {QStringLiteral("pose"), f.index},
        {QStringLiteral("type"),
         f.sheet == catalogue::Sheet::poses ? QStringLiteral("face") : QStringLiteral("damage")},
        {QStringLiteral("pivot"), point_object(pivot)},
        {QStringLiteral("anchor"),
         QJsonObject{{QStringLiteral("x"), double(pivot.x()) / cell.width()},
                     {QStringLiteral("y"), double(pivot.y()) / cell.height()}}},
    };
}

QJsonObject tag_object(const SetAnimation& a) {
    QJsonObject tag{{QStringLiteral("name"), text(a.animation.name)},
                    {QStringLiteral("from"), a.from},
                    {QStringLiteral("to"), a.to},
                    {QStringLiteral("direction"), direction_name(a.animation.direction)}};
    // Aseprite counts plays, as a string, and writes none for an animation that never stops.
    if (!a.animation.loops()) tag.insert(QStringLiteral("repeat"), QStringLiteral("1"));
    return tag;
}

QJsonObject pivot_slice(const SpriteSet& set, QPoint pivot) {
    const QRect whole(0, 0, set.grid.cell_width, set.grid.cell_height);
    const QJsonObject key{{QStringLiteral("frame"), 0},
                          {QStringLiteral("bounds"), rect_object(whole)},
                          {QStringLiteral("pivot"), point_object(pivot)}};
    return {{QStringLiteral("name"), QStringLiteral("pivot")},
            {QStringLiteral("color"), QStringLiteral("#0000ffff")},
            {QStringLiteral("keys"), QJsonArray{key}}};
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
    QJsonArray frames;
    for (int k = 0; k < set.frame_count(); ++k) frames.append(frame_object(set, k, pivot));

    QJsonArray tags;
    QJsonArray listed;
    QJsonObject played;
    for (const SetAnimation& a : set.animations) {
        tags.append(tag_object(a));
        QJsonArray run;
        for (int k = a.from; k <= a.to; ++k) run.append(k);
        listed.append(
            QJsonObject{{QStringLiteral("name"), text(a.animation.name)},
                        {QStringLiteral("frames"), run},
                        {QStringLiteral("duration"), a.animation.frame_ms},
                        {QStringLiteral("direction"), direction_name(a.animation.direction)},
                        {QStringLiteral("loop"), a.animation.loops()}});
        QJsonArray keys;
        for (const int k : a.played()) keys.append(QString::number(k));
        played.insert(text(a.animation.name), keys);
    }
    QJsonObject own = kelvara;
    own.insert(QStringLiteral("scale"), set.scale);
    const QJsonObject meta{
        {QStringLiteral("app"), QStringLiteral("kelvara")},
        {QStringLiteral("version"), QString::fromLatin1(version_text)},
        {QStringLiteral("image"), image.path},
        {QStringLiteral("format"), image.format},
        {QStringLiteral("size"),
         size_object(static_cast<int>(set.grid.width()), static_cast<int>(set.grid.height()))},
        {QStringLiteral("scale"), QStringLiteral("1")},
        {QStringLiteral("frameTags"), tags},
        {QStringLiteral("slices"), QJsonArray{pivot_slice(set, pivot)}},
        {QStringLiteral("animations"), listed},
        {QStringLiteral("kelvara"), own},
    };
    return QJsonDocument(QJsonObject{{QStringLiteral("frames"), frames},
                                     {QStringLiteral("animations"), played},
                                     {QStringLiteral("meta"), meta}})
        .toJson(QJsonDocument::Indented);
}

}  // namespace kelvara::sprites
