#include "sprites/ui/preview_view.h"

#include <QPainter>

namespace kelvara::sprites {

PreviewView::PreviewView(QWidget* parent) : QFrame(parent) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
    setFixedSize(side + 2 * frameWidth(), side + 2 * frameWidth());
}

void PreviewView::show_sprite(const QImage& sprite, const PreviewLook& look) {
    sprite_ = sprite;
    look_ = look;
    update();
}

void PreviewView::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter painter(this);
    paint_preview(painter, contentsRect(), sprite_, look_);
}

}  // namespace kelvara::sprites
