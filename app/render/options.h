#pragma once

#include <QString>
#include <QStringList>
#include <map>
#include <optional>
#include <set>

namespace kelvara::cli {

// A command line split into options and positional arguments. Every option of a command is
// declared with whether it takes a value; anything else starting with "-" is an error.
class Options {
  public:
    // Parses; on failure error() says why.
    Options(const QStringList& arguments, const std::set<QString>& with_value,
            const std::set<QString>& flags);

    const QString& error() const { return error_; }
    bool has(const QString& name) const { return values_.count(name) != 0; }
    QString value(const QString& name) const;
    const QStringList& positional() const { return positional_; }

  private:
    std::map<QString, QString> values_;
    QStringList positional_;
    QString error_;
};

// "--scale 3" and friends: a whole number in [low, high], or nothing when the text is not one.
std::optional<int> whole_number(const QString& text, int low, int high);

}  // namespace kelvara::cli
