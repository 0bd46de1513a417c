#include "sprites/ui/preview_picture.h"

#include <QPainter>

#include "compositor/sheet_colours.h"

namespace kelvara::sprites {

namespace {

QRgb rgb_of(Colour c) {
    return qRgb(red_of(c), green_of(c), blue_of(c));
}

// Two squares each way, which a brush repeats over any area.
const QImage& checker_tile() {
    static const QImage tile = [] {
        QImage t(2 * checker_square, 2 * checker_square, QImage::Format_RGB32);
        for (int y = 0; y < t.height(); ++y) {
            for (int x = 0; x < t.width(); ++x) {
                const bool light = (x / checker_square + y / checker_square) % 2 == 0;
                t.setPixel(x, y, rgb_of(light ? checker_light : checker_dark));
            }
        }
        return t;
    }();
    return tile;
}

}  // namespace

QImage preview_sprite(const CharacterOutput& output, const EditorState& selection,
                      const SpriteFrame& frame, Workspace& workspace) {
    // Drawn on the key colour, which is in no palette, so that exactly the background is marked.
    const SpriteStyle style{.background = key_color, .transparent = true, .scale = 1};
    const Surface picture = draw_sprite(output, selection, frame, style, workspace);
    QImage image(picture.width(), picture.height(), QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < picture.height(); ++y) {
        const Colour* from = picture.row(y);
        auto* to = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < picture.width(); ++x) {
            to[x] = from[x] == key_color ? qRgba(0, 0, 0, 0) : rgb_of(from[x]);
        }
    }
    return image;
}

void paint_preview(QPainter& painter, const QRect& area, const QImage& sprite,
                   const PreviewLook& look) {
    if (look.checkerboard) {
        // The squares start at the area's corner whatever the window's position.
        painter.setBrushOrigin(area.topLeft());
        painter.fillRect(area, QBrush(checker_tile()));
    } else {
        painter.fillRect(area, QColor(rgb_of(look.background)));
    }
    if (sprite.isNull()) return;
    const QSize size = sprite.size() * look.scale;
    const QRect target(area.center() - QPoint(size.width() / 2, size.height() / 2), size);
    // Whole pixels, never smoothed.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(target, sprite);
}

}  // namespace kelvara::sprites
