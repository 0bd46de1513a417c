#include "dialogs/back_color_dialog.h"

#include <QButtonGroup>
#include <QPushButton>
#include <QRadioButton>

#include "widgets/placement.h"

namespace kelvara {

namespace {

QLabel* swatch(QWidget* parent, const char* name, int y, Colour colour) {
    QLabel* label = bordered_label(parent, QString(), name, 96, y, 33, 17, Qt::AlignLeft);
    label->setAutoFillBackground(true);
    QPalette p = label->palette();
    p.setColor(QPalette::Window, QColor(red_of(colour), green_of(colour), blue_of(colour)));
    label->setPalette(p);
    return label;
}

}  // namespace

Back_Color_Dialog::Back_Color_Dialog(Colour current, QWidget* parent) : UnloadingDialog(parent) {
    setObjectName(QStringLiteral("Back_Color_Dialog"));
    setWindowTitle(QStringLiteral("背景色"));
    set_client_size(152, 145);

    Label4 = plain_label(this, QStringLiteral("背景色を選択してください"), "Label4", 8, 8, 137, 17);
    select_bkcolor[1] = place(new QRadioButton(QStringLiteral("グレー"), this), "select_bkcolor(1)",
                              16, 32, 65, 17);
    // The designed grey swatch; loading replaces it with the grey that the option stores.
    Label2 = swatch(this, "Label2", 32, RGB(192, 192, 192));
    select_bkcolor[0] = place(new QRadioButton(QStringLiteral("グリーン"), this),
                              "select_bkcolor(0)", 16, 56, 65, 17);
    Label1 = swatch(this, "Label1", 56, RGB(0, 255, 0));
    select_bkcolor[2] = place(new QRadioButton(QStringLiteral("ホワイト"), this),
                              "select_bkcolor(2)", 16, 80, 65, 17);
    Label3 = swatch(this, "Label3", 80, RGB(255, 255, 255));
    ok_btn = place(new QPushButton(QStringLiteral("OK"), this), "ok_btn", 40, 112, 73, 25);

    group_ = new QButtonGroup(this);
    auto* focus_on_selected = new SelectedOptionFocus(this);
    for (int i = 0; i < 3; ++i) {
        group_->addButton(select_bkcolor[i], i);
        select_bkcolor[i]->installEventFilter(focus_on_selected);
    }
    select_bkcolor[1]->setChecked(true);
    setTabOrder(ok_btn, select_bkcolor[1]);
    setTabOrder(select_bkcolor[1], select_bkcolor[0]);
    setTabOrder(select_bkcolor[0], select_bkcolor[2]);

    connect(group_, &QButtonGroup::idClicked, this, &Back_Color_Dialog::select_bkcolor_Click);
    connect(ok_btn, &QPushButton::clicked, this, &UnloadingDialog::unload);
    Form_Load(current);
    ok_btn->setFocus();
}

void Back_Color_Dialog::Form_Load(Colour current) {
    QPalette p = Label2->palette();
    p.setColor(QPalette::Window, QColor(red_of(default_back_color), green_of(default_back_color),
                                        blue_of(default_back_color)));
    Label2->setPalette(p);
    // Each comparison on its own; an unknown colour leaves the designed grey selected.
    if (current == colour_of_index[0]) select_bkcolor[0]->setChecked(true);
    if (current == colour_of_index[1]) select_bkcolor[1]->setChecked(true);
    if (current == colour_of_index[2]) select_bkcolor[2]->setChecked(true);
}

void Back_Color_Dialog::select_bkcolor_Click(int index) {
    if (index >= 0 && index < 3) emit colourChosen(colour_of_index[index]);
}

}  // namespace kelvara
