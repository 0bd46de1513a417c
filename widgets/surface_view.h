#pragma once

#include <QFrame>

#include "compositor/surface.h"

namespace kelvara {

// A picture box on screen: a 2-pixel sunken frame around a surface's pixels, shown 1:1. It only
// shows; the surface belongs to the window's workspace and is drawn by the compositor.
class SurfaceView : public QFrame {
    Q_OBJECT
  public:
    SurfaceView(const Surface& surface, QWidget* parent);
    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    const Surface& surface_;
};

}  // namespace kelvara
