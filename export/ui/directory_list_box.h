#pragma once

#include <QListWidget>

namespace kelvara {

// A classic directory list box: the folders from the root down to the folder it shows (each
// indented one step more), then that folder's subfolders. Entries are numbered the classic way:
// -1 is the shown folder, -2, -3 ... its parents upwards, 0, 1 ... its subfolders.
//
// Selecting an entry (a click, or the arrow keys) only selects it and emits Click; a double click
// or Enter opens the entry, so that the list then shows it. Opening does not emit Click.
class DirectoryListBox : public QListWidget {
    Q_OBJECT
  public:
    explicit DirectoryListBox(QWidget* parent);

    // The folder shown.
    QString Path() const { return path_; }
    // Shows folder and returns 0; when it cannot be opened, returns the system's error number
    // and leaves the list as it was. Putting the failure into words is the dialog's business.
    [[nodiscard]] int setPath(const QString& folder);

    // The selected entry; -1 (the shown folder) right after the list was filled.
    int ListIndex() const;
    // The full path of the entry with the given number; empty for a number out of range.
    QString List(int index) const;
    // The number of subfolders.
    int ListCount() const;

  signals:
    void Click();
    // Opening an entry failed: the folder and the system's error number.
    void OpenFailed(const QString& folder, int error_number);

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void open_selected();
    int shown_row() const;

    QString path_;
    bool filling_ = false;
};

}  // namespace kelvara
