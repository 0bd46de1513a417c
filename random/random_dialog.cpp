#include "random/random_dialog.h"

#include <QCheckBox>
#include <QPushButton>

#include "editor/char_tool.h"
#include "editor/placement.h"

namespace kelvara {

namespace {

// Where each item's box lies, in tab order.
struct BoxPlace {
    RandomItem item;
    const char* object_name;
    int x, y, width;
};

constexpr std::array<BoxPlace, random_items.size()> box_places = {{
    {RandomItem::face, "face_chk", 16, 40, 65},
    {RandomItem::hair, "hair_chk", 16, 64, 65},
    {RandomItem::hair_color, "hair_color_chk", 16, 88, 65},
    {RandomItem::eye_color, "eye_chk", 16, 112, 65},
    {RandomItem::accessory_color, "accessory_chk", 96, 40, 121},
    {RandomItem::pose, "cloth_chk", 96, 64, 65},
    {RandomItem::body_color, "body_color_chk", 96, 88, 65},
    {RandomItem::cloth_color, "cloth_color_chk", 96, 112, 73},
    {RandomItem::pants_color, "pants_color_chk", 216, 40, 73},
    {RandomItem::line_color, "line_color_chk", 216, 64, 73},
}};

}  // namespace

Random_Dialog::Random_Dialog(CharTool& main_window) : UnloadingDialog(main_window) {
    setObjectName(QStringLiteral("Random_Dialog"));
    setWindowTitle(QStringLiteral("ランダム設定"));
    set_client_size(299, 175);

    Label1 = place(
        new QLabel(QStringLiteral("チェックがある項目だけランダム処理が有効になります。"), this),
        "Label1", 48, 8, 201, 25);
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QWidget* previous = nullptr;
    for (const BoxPlace& p : box_places) {
        const RandomItemInfo& info = random_item(p.item);
        auto* box = place(
            new QCheckBox(
                QString::fromUtf8(info.label.data(), static_cast<qsizetype>(info.label.size())),
                this),
            p.object_name, p.x, p.y, p.width, 17);
        boxes_[static_cast<std::size_t>(p.item)] = box;
        // A click is in force at once: the box's value becomes its item's flag.
        connect(box, &QCheckBox::stateChanged, this, [this, box, flag = info.flag](int) {
            owner.state.*flag = box->isChecked() ? 1 : 0;
        });
        if (previous != nullptr) setTabOrder(previous, box);
        previous = box;
    }
    OKButton = place(new QPushButton(QStringLiteral("OK"), this), "OKButton", 112, 144, 73, 25);
    setTabOrder(OKButton, box(box_places.front().item));

    connect(OKButton, &QPushButton::clicked, this, &UnloadingDialog::unload);
    Form_Load();
    OKButton->setFocus();
}

void Random_Dialog::Form_Load() {
    for (const RandomItemInfo& info : random_items) {
        box(info.item)->setChecked(owner.state.*info.flag != 0);
    }
    // Random generation leaves face and hair alone on damage poses; the boxes show their flags
    // but cannot be changed there.
    const bool face_poses = owner.state.type_flg == 0;
    box(RandomItem::face)->setEnabled(face_poses);
    box(RandomItem::hair)->setEnabled(face_poses);
}

void CharTool::m_random_Click() {
    open_dialog<Random_Dialog>();
}

}  // namespace kelvara
