#include "export/ui/save_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

#include "export/character_export.h"
#include "export/export_image.h"
#include "export/export_paths.h"
#include "export/file_error.h"
#include "export/ui/directory_list_box.h"
#include "widgets/surface_view.h"

namespace kelvara {

namespace {

const QString error_title = QStringLiteral("えらー");

}  // namespace

Save_Dialog::Save_Dialog(const Surface& sprite, Colour back_color, const EditorState& selection,
                         QWidget* parent)
    : UnloadingDialog(parent), picture_(export_image(sprite, back_color)), selection_(selection) {
    setObjectName(QStringLiteral("Save_Dialog"));
    setWindowTitle(QStringLiteral("画像保存"));
    set_client_size(352, 310);
    build_controls();
    set_focus_order();

    connect(OKButton, &QPushButton::clicked, this, &Save_Dialog::OKButton_Click);
    connect(CancelButton, &QPushButton::clicked, this, &Save_Dialog::CancelButton_Click);
    connect(DirectoryList, &DirectoryListBox::Click, this, &Save_Dialog::DirectoryList_Click);
    connect(DirectoryList, &DirectoryListBox::OpenFailed, this,
            [this](const QString& folder, int error_number) {
                report(FileError{folder, system_reason(error_number)});
            });
    connect(DriveList, &QComboBox::currentIndexChanged, this, &Save_Dialog::DriveList_Change);
    Form_Load();
}

void Save_Dialog::Form_Load() {
    DirectoryList_Click();
}

void Save_Dialog::report(const FileError& error) {
    MsgBox(describe(error), error_title);
}

void Save_Dialog::DirectoryList_Click() {
    SavePath->setText(DirectoryList->List(DirectoryList->ListIndex()));
}

void Save_Dialog::DriveList_Change() {
    // The folder list moves; SavePath keeps its folder until an entry is clicked.
    const QString root = DriveList->currentText();
    if (const int error = DirectoryList->setPath(root); error != 0) {
        report(FileError{root, system_reason(error)});
    }
}

void Save_Dialog::OKButton_Click() {
    // The box shows the name used when it is not the one typed.
    if (const QString name = export_base_name(SaveName->text()); name != SaveName->text()) {
        SaveName->setText(name);
    }
    const ExportOutcome outcome = export_character(SavePath->text(), SaveName->text(), picture_,
                                                   Check_log->isChecked() ? &selection_ : nullptr);
    if (!outcome.ok()) {
        // Stay open, so the name or the folder can be put right.
        MsgBox(failure_message(outcome), error_title);
        return;
    }
    unload();
}

void Save_Dialog::CancelButton_Click() {
    unload();
}

void Save_Dialog::MsgBox(const QString& text, const QString& title) {
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, this);
    box.exec();
}

void Save_Dialog::keyPressEvent(QKeyEvent* event) {
    // There is no default button: Enter presses only the button that has the focus, as Space
    // does, and nothing at all from the name box.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (auto* focused = qobject_cast<QPushButton*>(focusWidget())) focused->click();
        event->accept();
        return;
    }
    UnloadingDialog::keyPressEvent(event);
}

}  // namespace kelvara
