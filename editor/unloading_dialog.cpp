#include "editor/unloading_dialog.h"

#include <QCloseEvent>
#include <QKeyEvent>

#include "editor/char_tool.h"

namespace kelvara {

UnloadingDialog::UnloadingDialog(CharTool& main_window)
    : QDialog(&main_window), owner(main_window) {
    // A window of its own over the main window. While it is shown, Qt keeps every input from the
    // main window (mouse, keyboard, menus, the close box) without disabling it, so the main
    // window keeps its look behind the dialog.
    setWindowModality(Qt::ApplicationModal);
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
        // Hidden first, so that the main window is no longer blocked when it takes the keyboard.
        hide();
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
