#pragma once

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QString>
#include <QStringList>
#include <optional>

#include "model/colour.h"

namespace kelvara::cli {

// A problem with the command line or its input: reported, nothing written, status 2.
struct BadInput {
    QString message;
};

// One command's options, parsed by Qt's parser. Every command accepts -h/--help besides the
// options it declares; anything else starting with "-" is an error.
class CommandLine {
  public:
    explicit CommandLine(const QList<QCommandLineOption>& options);

    // Parses the arguments after the command's name. Returns false when help was asked for;
    // throws BadInput on an unknown option or a missing value.
    bool parse(const QStringList& arguments);

    bool has(const QString& name) const { return parser_.isSet(name); }
    // The option's last value, or an empty string when it was not given.
    QString value(const QString& name) const { return parser_.value(name); }
    QStringList positional() const { return parser_.positionalArguments(); }

  private:
    QCommandLineParser parser_;
    QList<QCommandLineOption> options_;
};

// An option that takes a value, named "-o" or "--name" on the command line.
QCommandLineOption value_option(const QString& name, const QString& value_name);
// An option without a value.
QCommandLineOption flag_option(const QString& name);

// A number in [0, high] written as plain decimal digits, or nothing when the text is not one.
std::optional<qint64> plain_number(const QString& text, qint64 high);
// "--scale 3" and friends: a whole number in [low, high] written as plain decimal digits, or
// nothing when the text is not one.
std::optional<int> whole_number(const QString& text, int low, int high);

// The file an option names ("o" for -o): empty when the option is not given; an empty name given
// on purpose is bad input.
QString output_option(const CommandLine& line, const QString& name);

// Bad input unless every path may be written: a device, pipe or folder standing at one is
// refused before anything is written.
void check_targets(const QStringList& paths);

// The largest picture drawn (a contact sheet or an atlas), on each side: the limit many image
// readers share, and at this size already a gigabyte of pixels.
constexpr int largest_picture_side = 16384;

// --background: grey (the default), green, white or a hex colour.
Colour background_option(const CommandLine& line);
// --scale: 1 (the default) to 8.
int scale_option(const CommandLine& line);
// The option that declares --jobs, and its value: 1 to 256, by default one per core.
QCommandLineOption jobs_option_declaration();
int jobs_option(const CommandLine& line);

}  // namespace kelvara::cli
