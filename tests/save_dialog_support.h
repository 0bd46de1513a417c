#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QTest>
#include <vector>

#include "dialog_access.h"
#include "editor_fixture.h"
#include "export/ui/save_dialog.h"
#include "export_test_support.h"
#include "export/ui/directory_list_box.h"
#include "widgets/surface_view.h"

namespace kelvara::testing {

// The save dialog with its message box caught instead of shown, so a test can read what the user
// would be told without a modal loop. Its controls are found by their object names.
class CapturingSaveDialog : public Save_Dialog {
  public:
    using Save_Dialog::Save_Dialog;
    struct Message {
        QString title;
        QString text;
    };
    std::vector<Message> messages;

    SurfaceView* Save_Picture = control<SurfaceView>(this, "Save_Picture");
    QLineEdit* SaveName = control<QLineEdit>(this, "SaveName");
    QCheckBox* Check_log = control<QCheckBox>(this, "Check_log");
    QPushButton* OKButton = control<QPushButton>(this, "OKButton");
    QPushButton* CancelButton = control<QPushButton>(this, "CancelButton");
    QLabel* SavePath = control<QLabel>(this, "SavePath");
    QComboBox* DriveList = control<QComboBox>(this, "DriveList");
    DirectoryListBox* DirectoryList = control<DirectoryListBox>(this, "DirectoryList");

  protected:
    void MsgBox(const QString& text, const QString& title) override {
        messages.push_back({title, text});
    }
};

// The main window, shown, with the process's current folder moved to a fresh empty folder for
// the length of the test.
struct SaveDialogFixture : EditorFixture {
    QTemporaryDir dir;
    QString previous_folder = QDir::currentPath();
    QString folder;

    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        ASSERT_TRUE(QDir::setCurrent(dir.path()));
        folder = QDir::currentPath();
        w.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    }
    void TearDown() override {
        if (UnloadingDialog* open = w.open_dialog_window()) open->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QDir::setCurrent(previous_folder);
    }

    // The dialog as the save menu item builds it from the window.
    CapturingSaveDialog* open() {
        auto* d =
            new CapturingSaveDialog(w.workspace().pre_pic, w.state().back_color, w.state(), &w);
        w.show_dialog(d);
        EXPECT_TRUE(QTest::qWaitForWindowExposed(d));
        return d;
    }
    QString file(const QString& name) const { return folder + QLatin1Char('/') + name; }

    // Clicks an entry of the folder list as a user would.
    static void click_entry(DirectoryListBox* list, int index, bool twice = false) {
        QListWidgetItem* item = nullptr;
        for (int row = 0; row < list->count(); ++row) {
            if (list->item(row)->data(Qt::UserRole).toString() == list->List(index)) {
                item = list->item(row);
            }
        }
        ASSERT_NE(item, nullptr) << index;
        list->scrollToItem(item);
        const QPoint at = list->visualItemRect(item).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
        if (twice) QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    }
};

}  // namespace kelvara::testing
