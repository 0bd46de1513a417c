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
    // Shows folder. Returns an empty string, or the system's description of why the folder cannot
    // be opened; the list is then left as it was.
    QString setPath(const QString& folder);

    // The selected entry; -1 (the shown folder) right after the list was filled.
    int ListIndex() const;
    // The full path of the entry with the given number; empty for a number out of range.
    QString List(int index) const;
    // The number of subfolders.
    int ListCount() const;

  signals:
    void Click();
    // Opening an entry failed; reason is the system's description.
    void OpenFailed(const QString& reason);

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void open_selected();
    int shown_row() const;

    QString path_;
    bool filling_ = false;
};

}  // namespace kelvara
