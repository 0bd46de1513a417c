#pragma once

#include <QByteArray>
#include <QCommandLineParser>
#include <QString>
#include <QStringList>
#include <exception>
#include <optional>
#include <vector>

#include "options.h"

namespace kelvara::cli {

// A problem with the command line or its input: reported, nothing drawn or written, status 2.
class BadInput : public std::exception {
  public:
    explicit BadInput(QString message) : message_(std::move(message)), what_(message_.toUtf8()) {}
    const QString& message() const { return message_; }
    const char* what() const noexcept override { return what_.constData(); }

  private:
    QString message_;
    QByteArray what_;
};

// The text of a declaration as Qt takes it.
QString text(std::string_view utf8);
// How the user writes an option: "-o", "--scale".
QString spelled(const Option& option);

// One command's options, parsed by Qt's parser. Every command accepts -h/--help besides the
// options it declares; anything else starting with "-" is an error.
class CommandLine {
  public:
    explicit CommandLine(const std::vector<const Option*>& options);

    // Parses the arguments after the command's name. Returns false when help was asked for;
    // throws BadInput on an unknown option or a missing value.
    bool parse(const QStringList& arguments);

    bool has(const Option& option) const { return parser_.isSet(text(option.name)); }
    // The option's last value, or an empty string when it was not given.
    QString value(const Option& option) const { return parser_.value(text(option.name)); }
    QStringList positional() const { return parser_.positionalArguments(); }
    // How many options and positional arguments were given, each repetition counted.
    qsizetype given() const {
        return parser_.optionNames().size() + parser_.positionalArguments().size();
    }

    // The option's value, a whole number in its declared range written as plain decimal digits;
    // fallback when the option is not given. Bad input otherwise, and when an option without a
    // fallback is missing.
    qint64 number(const Option& option, std::optional<qint64> fallback = std::nullopt) const;
    // The option's value, one of its declared choices or aliases; fallback when it is not given.
    QString choice(const Option& option, const QString& fallback) const;
    // The file the option names: empty when it is not given; an empty name given on purpose is
    // bad input.
    QString output(const Option& option) const;

  private:
    QCommandLineParser parser_;
    std::vector<const Option*> options_;
};

// A number in [0, high] written as plain decimal digits, or nothing when the text is not one.
std::optional<qint64> plain_number(const QString& text, qint64 high);

}  // namespace kelvara::cli
