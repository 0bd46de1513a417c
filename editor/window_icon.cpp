#include "editor/window_icon.h"

#include <QPixmap>

#include "assets/embedded_assets.h"

namespace kelvara {

QIcon window_icon() {
    QIcon icon;
    // Each size is drawn for itself, so Qt picks the nearest instead of blurring one picture.
    for (const int size : {16, 32, 48, 64, 128}) {
        icon.addFile(embedded_asset_path(QStringLiteral("window_icon_%1.png").arg(size)),
                     QSize(size, size));
    }
    return icon;
}

}  // namespace kelvara
