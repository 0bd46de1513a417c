#pragma once

#include <QStringList>
#include <QTextStream>
#include <functional>

#include "export/parameter_reader.h"
#include "options.h"
#include "sprite_frames.h"

namespace kelvara::cli {

// Bad input to atlas or animate: reported, nothing written, status 2.
struct BadSpriteInput {
    QString message;
};

bool wants_sprite_help(const QStringList& arguments);
// --background, --scale and --transparent.
SpriteStyle sprite_style(const Options& o);
ParameterRecord read_sprite_parameters(const QString& path);
bool write_output(const QString& path, const QByteArray& bytes, QTextStream& err);
// Runs the command's work, turning bad input into its message and status 2.
int run_sprite_command(const QString& command, QTextStream& err, const std::function<int()>& work);

}  // namespace kelvara::cli
