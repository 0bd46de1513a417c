#include "dialogs/index_dialog.h"

#include <QPushButton>

#include "model/families.h"
#include "widgets/placement.h"

namespace kelvara {

namespace {

// The labels of each row by their control names: group label, range label.
constexpr std::array<std::pair<const char*, const char*>, Index_Dialog::rows> row_labels = {{
    {"Label13", "Label14"},
    {"Label1", "Label2"},
    {"Label3", "Label4"},
    {"Label6", "Label15"},
    {"Label5", "Label16"},
    {"Label7", "Label17"},
    {"Label8", "Label18"},
    {"Label9", "Label19"},
    {"Label10", "Label20"},
    {"Label11", "Label21"},
    {"Label12", "Label22"},
    {"Label25", "Label26"},
}};

static_assert(families::table.size() == Index_Dialog::rows);

}  // namespace

Index_Dialog::Index_Dialog(QWidget* parent) : UnloadingDialog(parent) {
    setObjectName(QStringLiteral("Index_Dialog"));
    setWindowTitle(QStringLiteral("索引"));
    set_client_size(256, 341);

    Label23 = place(new QLabel(QStringLiteral("索引名"), this), "Label23", 8, 8, 113, 17);
    Label23->setAlignment(Qt::AlignCenter);
    Label24 = place(new QLabel(QStringLiteral("キャラ番号"), this), "Label24", 128, 8, 65, 17);
    Label24->setAlignment(Qt::AlignCenter);

    CancelButton =
        place(new QPushButton(QStringLiteral("ｷｬﾝｾﾙ"), this), "CancelButton", 88, 312, 81, 25);
    connect(CancelButton, &QPushButton::clicked, this, &UnloadingDialog::unload);

    QWidget* previous = CancelButton;
    for (int k = 0; k < rows; ++k) {
        const families::Family& f = families::table[k];
        const int y = 24 + 24 * k;
        group_label[k] = bordered_label(this, QString::fromUtf8(f.name.data(), f.name.size()),
                                        row_labels[k].first, 8, y, 113, 17, Qt::AlignLeft);
        range_label[k] = bordered_label(this, QStringLiteral("%1 - %2").arg(f.first).arg(f.last),
                                        row_labels[k].second, 128, y, 65, 17, Qt::AlignHCenter);
        const QByteArray name = "jump_button(" + QByteArray::number(k) + ")";
        jump_button[k] = place(new QPushButton(QStringLiteral("%1 へ").arg(f.first), this),
                               name.constData(), 200, y, 49, 17);
        connect(jump_button[k], &QPushButton::clicked, this, [this, k] { jump_button_Click(k); });
        setTabOrder(previous, jump_button[k]);
        previous = jump_button[k];
    }
    CancelButton->setFocus();
}

void Index_Dialog::jump_button_Click(int row) {
    // The jump is done before the dialog closes.
    emit jumpRequested(families::table[row].first);
    unload();
}

}  // namespace kelvara
