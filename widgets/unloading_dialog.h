#pragma once

#include <QDialog>

class QCloseEvent;
class QKeyEvent;

namespace kelvara {

// A dialog of the main window. It is loaded afresh at each opening (its constructor is the load
// handler) and unloaded, never hidden, when it closes. Whatever closes it, its buttons, Enter,
// Esc or the close box, it emits unloaded once, after it is hidden, so that whoever opened it
// takes input again; then it is deleted.
class UnloadingDialog : public QDialog {
    Q_OBJECT
  public:
    // The dialog takes the parent's font and icon; it is a window of its own over the parent.
    explicit UnloadingDialog(QWidget* parent);

    // Closes and discards the dialog.
    void unload() { close(); }

    // Accept and reject close the window the same way as the close box does, so that every way
    // out unloads.
    void done(int result) override;

  signals:
    void unloaded();

  protected:
    void closeEvent(QCloseEvent* event) override;
    // Esc closes the dialog only when it has a cancel button.
    void keyPressEvent(QKeyEvent* event) override;
    void set_escape_closes(bool closes) { escape_closes_ = closes; }

    // Sets the client area to a fixed size in pixels.
    void set_client_size(int width, int height);

  private:
    bool unloaded_ = false;
    bool escape_closes_ = false;
};

}  // namespace kelvara
