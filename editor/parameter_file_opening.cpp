#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMessageBox>
#include <QMimeData>

#include "editor/char_tool.h"
#include "export/file_names.h"
#include "export/parameter_reader.h"

// Opening a saved character: a parameter file named on the command line or dropped on the window.
namespace kelvara {

namespace {

// The one local file a drag carries, if it carries exactly one.
QString dragged_file(const QMimeData* data) {
    if (data == nullptr || !data->hasUrls()) return {};
    const QList<QUrl> urls = data->urls();
    if (urls.size() != 1 || !urls.front().isLocalFile()) return {};
    const QUrl& url = urls.front();
    if (!url.host().isEmpty()) return url.toLocalFile();
    // The path's bytes as the URL carries them, percent-encoded: toLocalFile() reads them as
    // UTF-8, which loses a name that is not (see export/file_names.h).
    return name_from_bytes(
        QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1()));
}

}  // namespace

bool CharTool::open_parameter_file(const QString& path) {
    // Anything but a small regular file is refused unread.
    const FileResult<ParameterRecord> read = read_parameter_file_at(path);
    if (!read) {
        QMessageBox box(QMessageBox::NoIcon, QStringLiteral("えらー"), describe(read.error()),
                        QMessageBox::Ok, this);
        box.exec();
        return false;
    }
    // The file holds the character; the drawing size, background and random flags are the
    // window's own and stay.
    apply_selection(with_character_of(state_, read.value().selection));
    return true;
}

void CharTool::dragEnterEvent(QDragEnterEvent* event) {
    if (open_dialog_ == nullptr && !dragged_file(event->mimeData()).isEmpty()) {
        event->acceptProposedAction();
    }
}

void CharTool::dropEvent(QDropEvent* event) {
    // While a dialog is open the main window takes nothing, dropped files included.
    if (open_dialog_ != nullptr) return;
    const QString path = dragged_file(event->mimeData());
    if (path.isEmpty()) return;
    event->acceptProposedAction();
    open_parameter_file(path);
}

}  // namespace kelvara
