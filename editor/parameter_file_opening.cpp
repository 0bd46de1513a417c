#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QMimeData>
#include <variant>

#include "editor/char_tool.h"
#include "export/parameter_reader.h"

// Opening a saved character: a parameter file named on the command line or dropped on the window.
namespace kelvara {

namespace {

// A parameter file is 15 short lines; anything much larger is not one.
constexpr qint64 largest_parameter_file = 64 * 1024;

// The file's bytes, or why it cannot be read. Refuses anything that is not a regular file (a
// folder, a device, a pipe) or is too large, before reading a byte of it.
std::variant<QByteArray, QString> read_small_regular_file(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists()) return QStringLiteral("no such file");
    if (!info.isFile()) return QStringLiteral("not a regular file");
    if (info.size() > largest_parameter_file) {
        return QStringLiteral("larger than %1 bytes, too large for a parameter file")
            .arg(largest_parameter_file);
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("cannot read: ") + file.errorString();
    QByteArray bytes = file.read(largest_parameter_file + 1);
    if (bytes.size() > largest_parameter_file) {
        return QStringLiteral("larger than %1 bytes, too large for a parameter file")
            .arg(largest_parameter_file);
    }
    return bytes;
}

// The one local file a drag carries, if it carries exactly one.
QString dragged_file(const QMimeData* data) {
    if (data == nullptr || !data->hasUrls()) return {};
    const QList<QUrl> urls = data->urls();
    if (urls.size() != 1 || !urls.front().isLocalFile()) return {};
    return urls.front().toLocalFile();
}

}  // namespace

bool CharTool::open_parameter_file(const QString& path) {
    QString problem;
    const auto bytes = read_small_regular_file(path);
    if (const auto* why = std::get_if<QString>(&bytes)) {
        problem = QStringLiteral("%1: %2").arg(path, *why);
    } else {
        const auto parsed = read_parameter_file(std::get<QByteArray>(bytes));
        if (const auto* e = std::get_if<ParameterError>(&parsed)) {
            problem = e->line > 0
                          ? QStringLiteral("%1: line %2: %3").arg(path).arg(e->line).arg(e->message)
                          : QStringLiteral("%1: %2").arg(path, e->message);
        } else {
            // The file holds the character; the drawing size, background and random flags are
            // the window's own and stay.
            const EditorState& file = std::get<ParameterRecord>(parsed).selection;
            EditorState target = state;
            target.type_flg = file.type_flg;
            for (const RandomItemInfo& info : random_items) target.*info.value = file.*info.value;
            target.eye_grey_flg = file.eye_grey_flg;
            target.body_matte_flg = file.body_matte_flg;
            target.cloth_matte_flg = file.cloth_matte_flg;
            apply_selection(target);
            return true;
        }
    }
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("えらー"), problem, QMessageBox::Ok, this);
    box.exec();
    return false;
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
