#pragma once

#include <QFileDialog>
#include <QMenu>
#include <QMessageBox>
#include <QTimer>

#include "editor_fixture.h"

namespace kelvara::testing {

// The main window shown and active, with the view's menu at hand. Qt's file dialogs and message
// boxes are answered as soon as one is up: a file dialog with answer (cancelled when it is
// empty), a message box with OK, keeping what the last one said.
struct ShownMainWindow : EditorFixture {
    QString answer;
    int file_dialogs = 0;
    QString file_dialog_title, box_title, box_text;
    QTimer answerer;

    void SetUp() override {
        w.show();
        w.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
        QObject::connect(&answerer, &QTimer::timeout, [this] {
            QWidget* modal = QApplication::activeModalWidget();
            if (auto* files = qobject_cast<QFileDialog*>(modal)) {
                ++file_dialogs;
                file_dialog_title = files->windowTitle();
                files->selectFile(answer);
                // accept() is public in QDialog, protected in QFileDialog.
                answer.isEmpty() ? files->reject() : static_cast<QDialog*>(files)->accept();
            } else if (auto* box = qobject_cast<QMessageBox*>(modal)) {
                box_title = box->windowTitle();
                box_text = box->text();
                box->accept();
            }
        });
        answerer.start(5);
    }
    static QMenu* menu() { return qobject_cast<QMenu*>(QApplication::activePopupWidget()); }
    void right_click() {
        QTest::mouseClick(w.windowHandle(), Qt::RightButton, {},
                          ui.character_view->mapTo(&w, QPoint(9, 9)));
    }
    void keys(const char* keys) { QTest::keySequence(w.windowHandle(), QKeySequence(keys)); }
    // Chooses an item of the view's menu by its access key.
    void use_menu(Qt::Key item) {
        right_click();
        QTest::keyClick(menu(), item);
        w.activateWindow();  // offscreen, a closed popup leaves no window active
    }
};

}  // namespace kelvara::testing
