#include "widgets/unloading_dialog.h"

#include <QCloseEvent>
#include <QKeyEvent>

namespace kelvara {

UnloadingDialog::UnloadingDialog(QWidget* parent) : QDialog(parent) {
    // A window of its own over the main window. While it is shown, Qt keeps every input from the
    // main window (mouse, keyboard, menus, the close box) without disabling it, so the main
    // window keeps its look behind the dialog.
    setWindowModality(Qt::ApplicationModal);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::MSWindowsFixedSizeDialogHint |
                   Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    // A window does not inherit its parent's font.
    if (parent != nullptr) {
        setFont(parent->font());
        setWindowIcon(parent->windowIcon());
    }
}

void UnloadingDialog::done(int result) {
    setResult(result);
    close();
}

void UnloadingDialog::closeEvent(QCloseEvent* event) {
    if (!unloaded_) {
        unloaded_ = true;
        // Hidden first, so that the main window is no longer blocked when it takes the keyboard.
        hide();
        emit unloaded();
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
