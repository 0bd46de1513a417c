#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QDrag>
#include <QImage>
#include <QMimeData>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QUrl>

#include "editor/char_tool.h"
#include "editor/sprite_picture.h"
#include "export/atomic_write.h"
#include "widgets/surface_view.h"

// The picture leaves the window by the clipboard or by a drag from the character view: as an
// image, as PNG bytes, as the parameter text, and for a drag also as a PNG file.
namespace kelvara {

QMimeData* CharTool::picture_data(bool as_file) {
    const SpritePicture picture = sprite_picture(sheets_, state_);
    auto* mime = new QMimeData;
    mime->setText(picture.parameter_text);
    if (picture.png.isEmpty()) return mime;
    mime->setData(QStringLiteral("image/png"), picture.png);
    mime->setImageData(QImage::fromData(picture.png, "PNG"));
    if (!as_file) return mime;

    if (drag_folder_ == nullptr) drag_folder_ = std::make_unique<QTemporaryDir>();
    // A folder of its own for each drag: a program may still be reading the previous file when
    // a character of the same name is dragged again.
    const QString folder = QString::number(++drags_);
    if (!drag_folder_->isValid() || !QDir(drag_folder_->path()).mkpath(folder)) return mime;
    const QString path = drag_folder_->filePath(folder + QLatin1Char('/') + picture.name + ".png");
    if (write_file_atomically(path, picture.png).ok()) {
        mime->setUrls({QUrl::fromLocalFile(path)});
    }
    return mime;
}

void CharTool::m_copy_picture_Click() {
    QGuiApplication::clipboard()->setMimeData(picture_data(false));
}

void CharTool::start_picture_drag() {
    // A child of the view until the drag is over; Qt discards it then.
    auto* drag = new QDrag(character_view);
    drag->setMimeData(picture_data(true));
    drag->exec(Qt::CopyAction);
}

bool CharTool::view_mouse_event(QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseMove &&
        type != QEvent::MouseButtonRelease) {
        return false;
    }
    // Only now is it known to be a mouse event: the view sees every other kind too.
    const auto* mouse = static_cast<QMouseEvent*>(event);
    if (type == QEvent::MouseButtonPress) {
        if (mouse->button() == Qt::LeftButton) drag_from_ = mouse->position().toPoint();
    } else if (type == QEvent::MouseMove) {
        if (drag_from_ && (mouse->buttons() & Qt::LeftButton) &&
            (mouse->position().toPoint() - *drag_from_).manhattanLength() >=
                QApplication::startDragDistance()) {
            drag_from_.reset();
            start_picture_drag();
        }
    } else {
        drag_from_.reset();
    }
    return false;
}

}  // namespace kelvara
