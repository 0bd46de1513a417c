#include "random/ui/random_dialog.h"

#include <QCheckBox>
#include <QPushButton>

#include "widgets/placement.h"

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

Random_Dialog::Random_Dialog(const RandomFlags& flags, bool face_items_enabled, QWidget* parent)
    : UnloadingDialog(parent) {
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
        box->setChecked(flags[static_cast<std::size_t>(p.item)]);
        // A click is in force at once: the box's value becomes its item's flag.
        connect(box, &QCheckBox::toggled, this,
                [this, item = p.item](bool on) { emit flagChanged(item, on); });
        if (previous != nullptr) setTabOrder(previous, box);
        previous = box;
    }
    OKButton = place(new QPushButton(QStringLiteral("OK"), this), "OKButton", 112, 144, 73, 25);
    setTabOrder(OKButton, box(box_places.front().item));

    connect(OKButton, &QPushButton::clicked, this, &UnloadingDialog::unload);
    box(RandomItem::face)->setEnabled(face_items_enabled);
    box(RandomItem::hair)->setEnabled(face_items_enabled);
    OKButton->setFocus();
}

}  // namespace kelvara
