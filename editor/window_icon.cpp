#include "editor/window_icon.h"

#include <QPixmap>

#include "assets/image_codec.h"

namespace kelvara {

QIcon character_icon(const Surface& sprite) {
    // The head lies at x 24..42, y 16..28; a 32 x 32 square around it keeps the shoulders.
    const QImage square = image_from_surface(sprite).copy(17, 12, 32, 32);
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128}) {
        // Pixel art stays sharp: whole-pixel scaling up, smooth scaling down.
        const Qt::TransformationMode mode =
            size >= 32 ? Qt::FastTransformation : Qt::SmoothTransformation;
        icon.addPixmap(QPixmap::fromImage(square.scaled(size, size, Qt::KeepAspectRatio, mode)));
    }
    return icon;
}

}  // namespace kelvara
