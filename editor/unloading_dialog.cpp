#include "editor/unloading_dialog.h"

#include <QCloseEvent>
#include <QKeyEvent>

#include "editor/char_tool.h"

namespace kelvara {

UnloadingDialog::UnloadingDialog(CharTool& main_window) : QDialog(nullptr), owner(main_window) {
    // Not a child of the main window: a disabled parent would disable its dialog too. The window
    // manager still treats it as the main window's dialog (see CharTool::show_dialog).
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::MSWindowsFixedSizeDialogHint |
                   Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFont(main_window.font());
    setWindowIcon(main_window.windowIcon());
}

void UnloadingDialog::done(int result) {
    setResult(result);
    close();
}

void UnloadingDialog::closeEvent(QCloseEvent* event) {
    if (!unloaded_) {
        unloaded_ = true;
        Form_Unload();
        owner.dialog_unloaded();
    }
    event->accept();
}

void UnloadingDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && !escape_closes_) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void UnloadingDialog::set_client_size(int width, int height) {
    setFixedSize(width, height);
}

}  // namespace kelvara
