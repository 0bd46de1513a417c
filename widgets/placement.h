#pragma once

#include <QLabel>
#include <QObject>
#include <QString>
#include <QWidget>

// Building windows from fixed layouts: every control at its place and size in client-area pixels.
namespace kelvara {

// The position of a container in client-area coordinates: the sum of its offsets up to the
// window itself or to the main window's client area.
QPoint client_offset(const QWidget* container);

// Names the control and puts it at (x, y, w, h) given in client-area pixels, also when it lies
// inside a frame.
template <typename W>
W* place(W* widget, const char* object_name, int x, int y, int w, int h) {
    widget->setObjectName(QString::fromUtf8(object_name));
    const QPoint offset = client_offset(widget->parentWidget());
    widget->setGeometry(x - offset.x(), y - offset.y(), w, h);
    return widget;
}

// A label with a single-line border.
QLabel* bordered_label(QWidget* parent, const QString& text, const char* object_name, int x, int y,
                       int w, int h, Qt::Alignment alignment);

// A label without border, text at the top left.
QLabel* plain_label(QWidget* parent, const QString& text, const char* object_name, int x, int y,
                    int w, int h);

// Tab into an option group lands on its selected button, as in a classic dialog; Qt would land on
// whichever button of the group comes first. Install on each button of an exclusive group.
class SelectedOptionFocus : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace kelvara
