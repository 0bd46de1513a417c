#pragma once

#include <QByteArray>
#include <QString>
#include <utility>
#include <vector>

namespace kelvara::cli {

// A JSON value written exactly as QJsonDocument::toJson(Indented) writes it (members in key
// order, four spaces a level, UTF-8), at a small fraction of the cost: an atlas's description
// of 190 frames took Qt's classes more time than drawing a fifth of the frames.
class JsonValue {
  public:
    using Members = std::vector<std::pair<QString, JsonValue>>;

    static JsonValue number(long long n);
    static JsonValue boolean(bool b);
    static JsonValue string(const QString& s);
    static JsonValue array(std::vector<JsonValue> elements);
    static JsonValue object(Members members);

    // The document of which this object is the top level, ending in a line break.
    QByteArray document() const;

  private:
    enum class Kind { number, boolean, string, array, object };
    void write(QByteArray& json, int indent) const;

    Kind kind_ = Kind::number;
    long long number_ = 0;
    QString string_;
    std::vector<JsonValue> elements_;
    Members members_;
};

}  // namespace kelvara::cli
