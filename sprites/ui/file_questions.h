#pragma once

#include <QString>

class QWidget;

// The questions the preview asks before it writes, with Qt's standard file dialogs. The folder
// last chosen is offered again for as long as the program runs.
namespace kelvara::sprites {

// A file name for the animation's GIF, suggested as name.gif; empty when the user cancels.
QString ask_gif_path(QWidget* parent, const QString& name);

// A folder for the sprite set; empty when the user cancels.
QString ask_export_folder(QWidget* parent);

}  // namespace kelvara::sprites
