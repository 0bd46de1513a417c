#include "random/random_dialog.h"

#include <QCheckBox>
#include <QPushButton>

#include "editor/char_tool.h"
#include "editor/placement.h"

namespace kelvara {

Random_Dialog::Random_Dialog(CharTool& main_window) : UnloadingDialog(main_window) {
    setObjectName(QStringLiteral("Random_Dialog"));
    setWindowTitle(QStringLiteral("ランダム設定"));
    set_client_size(299, 175);

    Label1 = place(
        new QLabel(QStringLiteral("チェックがある項目だけランダム処理が有効になります。"), this),
        "Label1", 48, 8, 201, 25);
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    auto check = [this](const char* name, const char* caption, int x, int y, int w) {
        return place(new QCheckBox(QString::fromUtf8(caption), this), name, x, y, w, 17);
    };
    face_chk = check("face_chk", "顔", 16, 40, 65);
    hair_chk = check("hair_chk", "カミ", 16, 64, 65);
    hair_color_chk = check("hair_color_chk", "カミの色", 16, 88, 65);
    eye_chk = check("eye_chk", "目の色", 16, 112, 65);
    accessory_chk = check("accessory_chk", "アクセサリーの色", 96, 40, 121);
    cloth_chk = check("cloth_chk", "ポーズ", 96, 64, 65);
    body_color_chk = check("body_color_chk", "肌の色", 96, 88, 65);
    cloth_color_chk = check("cloth_color_chk", "服の色 1", 96, 112, 73);
    pants_color_chk = check("pants_color_chk", "服の色 2", 216, 40, 73);
    line_color_chk = check("line_color_chk", "服の色 3", 216, 64, 73);
    OKButton = place(new QPushButton(QStringLiteral("OK"), this), "OKButton", 112, 144, 73, 25);

    setTabOrder(OKButton, face_chk);
    QWidget* previous = face_chk;
    for (QWidget* next : std::initializer_list<QWidget*>{
             hair_chk, hair_color_chk, eye_chk, accessory_chk, cloth_chk, body_color_chk,
             cloth_color_chk, pants_color_chk, line_color_chk}) {
        setTabOrder(previous, next);
        previous = next;
    }

    for (const Box& b : boxes()) {
        connect(b.box, &QCheckBox::stateChanged, this,
                [this, b](int) { chk_Click(b.box, b.flag); });
    }
    connect(OKButton, &QPushButton::clicked, this, &UnloadingDialog::unload);
    Form_Load();
    OKButton->setFocus();
}

std::array<Random_Dialog::Box, 10> Random_Dialog::boxes() const {
    EditorState& s = owner.state;
    return {{{face_chk, &s.rnd_face_flg},
             {hair_chk, &s.rnd_hair_flg},
             {hair_color_chk, &s.rnd_hair_color_flg},
             {eye_chk, &s.rnd_eye_color_flg},
             {cloth_chk, &s.rnd_cloth_flg},
             {cloth_color_chk, &s.rnd_cloth_color_flg},
             {pants_color_chk, &s.rnd_cloth2_color_flg},
             {line_color_chk, &s.rnd_cloth3_color_flg},
             {body_color_chk, &s.rnd_body_color_flg},
             {accessory_chk, &s.rnd_accessory_color_flg}}};
}

void Random_Dialog::Form_Load() {
    for (const Box& b : boxes()) b.box->setChecked(*b.flag != 0);
    // Random generation leaves face and hair alone on damage poses; the boxes show their flags
    // but cannot be changed there.
    const bool face_poses = owner.state.type_flg == 0;
    face_chk->setEnabled(face_poses);
    hair_chk->setEnabled(face_poses);
}

void Random_Dialog::chk_Click(QCheckBox* box, Int16* flag) {
    *flag = box->isChecked() ? 1 : 0;
}

void CharTool::m_random_Click() {
    open_dialog<Random_Dialog>();
}

}  // namespace kelvara
