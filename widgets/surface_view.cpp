#include "widgets/surface_view.h"

#include <QPainter>

#include "assets/image_codec.h"

namespace kelvara {

SurfaceView::SurfaceView(const Surface& surface, QWidget* parent)
    : QFrame(parent), surface_(surface) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
    setFocusPolicy(Qt::NoFocus);
}

QSize SurfaceView::sizeHint() const {
    return {surface_.width() + 2 * frameWidth(), surface_.height() + 2 * frameWidth()};
}

void SurfaceView::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.drawImage(contentsRect().topLeft(), image_from_surface(surface_));
}

}  // namespace kelvara
