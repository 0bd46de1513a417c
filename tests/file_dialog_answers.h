#pragma once

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QTimer>

namespace kelvara::testing {

// Answers Qt's file dialogs and message boxes as soon as one is up, as a user would: a file
// dialog with the path it is given (or cancelled when there is none), a message box with OK,
// keeping what it said.
struct DialogAnswers {
    QString path;
    int file_dialogs = 0;
    QString file_dialog_title;
    int boxes = 0;
    QString box_title;
    QString box_text;
    QTimer timer;

    DialogAnswers() {
        QObject::connect(&timer, &QTimer::timeout, [this] {
            QWidget* modal = QApplication::activeModalWidget();
            if (auto* files = qobject_cast<QFileDialog*>(modal); files && files->isVisible()) {
                ++file_dialogs;
                file_dialog_title = files->windowTitle();
                if (path.isEmpty()) {
                    files->reject();
                } else {
                    files->selectFile(path);
                    static_cast<QDialog*>(files)->accept();  // public there, protected here
                }
            } else if (auto* box = qobject_cast<QMessageBox*>(modal); box && box->isVisible()) {
                ++boxes;
                box_title = box->windowTitle();
                box_text = box->text();
                box->accept();
            }
        });
        timer.start(5);
    }
};

}  // namespace kelvara::testing
