#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "export/ui/drive_roots.h"
#include "export/ui/save_dialog.h"
#include "export/ui/directory_list_box.h"
#include "widgets/placement.h"
#include "widgets/surface_view.h"

// The save dialog's controls at their places, in client-area pixels.
namespace kelvara {

namespace {

QLabel* label(QWidget* parent, const char* object_name, const char* text, int x, int y, int w,
              int h) {
    return plain_label(parent, QString::fromUtf8(text), object_name, x, y, w, h);
}

QPushButton* button(QWidget* parent, const char* object_name, const char* text, int x, int y) {
    auto* b = place(new QPushButton(QString::fromUtf8(text), parent), object_name, x, y, 73, 25);
    // Neither button is the default: Enter in the name box presses nothing.
    b->setAutoDefault(false);
    b->setDefault(false);
    return b;
}

}  // namespace

void Save_Dialog::build_controls() {
    Label1 = label(this, "Label1", "現在のキャラクターをbmpで保存します。", 8, 8, 209, 17);
    Label5 =
        label(this, "Label5", "保存する画像は描画サイズ×1のサイズとなります。", 8, 24, 273, 17);
    Save_Picture = place(new SurfaceView(picture_, this), "Save_Picture", 16, 48, 67, 67);
    Label2 = label(this, "Label2", "保存ファイル名", 88, 48, 81, 17);
    SaveName = place(new QLineEdit(this), "SaveName", 88, 64, 113, 18);
    Label4 = label(this, "Label4", ".bmp", 205, 67, 33, 17);
    Label6 = label(this, "Label6", "何も入力されていない時は temp.bmpになります", 88, 88, 145, 25);
    Label6->setWordWrap(true);
    Check_log = place(new QCheckBox(QStringLiteral("パラメーターをtxtに保存する"), this),
                      "Check_log", 88, 120, 169, 17);
    Check_log->setChecked(true);
    OKButton = button(this, "OKButton", "OK", 256, 48);
    CancelButton = button(this, "CancelButton", "ｷｬﾝｾﾙ", 256, 80);
    Label3 = label(this, "Label3", "保存場所", 16, 144, 65, 17);
    SavePath = bordered_label(this, QString(), "SavePath", 16, 160, 321, 27, Qt::AlignLeft);
    DriveList = place(new QComboBox(this), "DriveList", 16, 192, 321, 20);
    DirectoryList = place(new DirectoryListBox(this), "DirectoryList", 16, 216, 321, 90);

    // The folder list starts in the process's current folder, the drive list on the root that
    // holds it.
    const QString start = QDir::currentPath();
    const QStringList roots = drive_roots();
    DriveList->addItems(roots);
    DriveList->setCurrentIndex(static_cast<int>(roots.indexOf(drive_of(start, roots))));
    if (DirectoryList->setPath(start) != 0) {
        // The home folder is the fallback; if it cannot be opened either, the list stays empty.
        static_cast<void>(DirectoryList->setPath(QDir::homePath()));
    }
}

void Save_Dialog::set_focus_order() {
    QWidget* const order[] = {SaveName,      Check_log, DriveList,
                              DirectoryList, OKButton,  CancelButton};
    for (std::size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);
}

}  // namespace kelvara
