#pragma once

#include <QDialog>

class QCloseEvent;
class QKeyEvent;

namespace kelvara {

class CharTool;

// A dialog of the main window. It is loaded afresh at each opening (its constructor is the load
// handler) and unloaded, never hidden, when it closes. Whatever closes it, its buttons, Enter,
// Esc or the close box, its own unload work runs once and the main window takes input again.
class UnloadingDialog : public QDialog {
    Q_OBJECT
  public:
    explicit UnloadingDialog(CharTool& owner);

    // Closes and discards the dialog.
    void unload() { close(); }

    // Accept and reject close the window the same way as the close box does, so that every way
    // out runs the unload handler.
    void done(int result) override;

  protected:
    // What the dialog does when it closes, before the main window takes input again.
    virtual void Form_Unload() {}

    void closeEvent(QCloseEvent* event) override;
    // Esc closes the dialog only when it has a cancel button.
    void keyPressEvent(QKeyEvent* event) override;
    void set_escape_closes(bool closes) { escape_closes_ = closes; }

    // Sets the client area to a fixed size in pixels.
    void set_client_size(int width, int height);

    CharTool& owner;

  private:
    bool unloaded_ = false;
    bool escape_closes_ = false;
};

}  // namespace kelvara
