#pragma once

#include <QFrame>
#include <QImage>

#include "export/export_image.h"
#include "sprites/ui/preview_picture.h"

namespace kelvara::sprites {

// The preview's picture box: a sunken frame around a square big enough for the largest size,
// filled with the ground, with the frame showing in its middle.
class PreviewView : public QFrame {
    Q_OBJECT
  public:
    explicit PreviewView(QWidget* parent);

    // The side of the square inside the frame.
    static constexpr int side = export_image_size * last_size;

    void show_sprite(const QImage& sprite, const PreviewLook& look);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QImage sprite_;
    PreviewLook look_;
};

}  // namespace kelvara::sprites
