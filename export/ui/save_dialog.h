#pragma once

#include "compositor/surface.h"
#include "model/editor_state.h"
#include "widgets/unloading_dialog.h"

class QCheckBox;
class QComboBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;

namespace kelvara {

class DirectoryListBox;
struct FileError;
class SurfaceView;

// Saves the current character: a preview of exactly the picture that will be written, the base
// name, whether the parameter file is written too, and the folder, chosen from the list of
// file-system roots and the folder list. OK writes and closes; Cancel and the close box write
// nothing. A failed save is reported and the dialog stays open to fix the name or folder.
class Save_Dialog : public UnloadingDialog {
    Q_OBJECT
  public:
    // sprite: the composed sprite frame, which the picture is cut from on back_color; selection:
    // what the parameter file records.
    Save_Dialog(const Surface& sprite, Colour back_color, const EditorState& selection,
                QWidget* parent);

    // The drawing area of Save_Picture: the preview, and what OK writes.
    const Surface& picture() const { return picture_; }

  protected:
    // Shows a message with an OK button and waits for it; the one way this dialog reports.
    virtual void MsgBox(const QString& text, const QString& title);

    void keyPressEvent(QKeyEvent* event) override;

  private:
    void build_controls();
    void set_focus_order();
    void Form_Load();
    void DirectoryList_Click();
    void DriveList_Change();
    void OKButton_Click();
    void CancelButton_Click();
    void report(const FileError& error);

    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label6 = nullptr;
    SurfaceView* Save_Picture = nullptr;
    QLineEdit* SaveName = nullptr;
    QCheckBox* Check_log = nullptr;
    QPushButton* OKButton = nullptr;
    QPushButton* CancelButton = nullptr;
    QLabel* SavePath = nullptr;
    QComboBox* DriveList = nullptr;
    DirectoryListBox* DirectoryList = nullptr;

    Surface picture_;
    EditorState selection_;
};

}  // namespace kelvara
