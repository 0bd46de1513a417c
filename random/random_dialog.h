#pragma once

#include <array>

#include "editor/unloading_dialog.h"
#include "model/editor_state.h"

class QCheckBox;
class QLabel;
class QPushButton;

namespace kelvara {

// Which items the random button draws anew: one box per item, in force as soon as it is clicked,
// so there is nothing to cancel.
class Random_Dialog : public UnloadingDialog {
    Q_OBJECT
  public:
    explicit Random_Dialog(CharTool& owner);

    QLabel* Label1 = nullptr;
    QCheckBox* face_chk = nullptr;
    QCheckBox* hair_chk = nullptr;
    QCheckBox* hair_color_chk = nullptr;
    QCheckBox* eye_chk = nullptr;
    QCheckBox* accessory_chk = nullptr;
    QCheckBox* cloth_chk = nullptr;
    QCheckBox* body_color_chk = nullptr;
    QCheckBox* cloth_color_chk = nullptr;
    QCheckBox* pants_color_chk = nullptr;
    QCheckBox* line_color_chk = nullptr;
    QPushButton* OKButton = nullptr;

  private:
    struct Box {
        QCheckBox* box;
        Int16* flag;
    };
    std::array<Box, 10> boxes() const;
    void Form_Load();
    // Any of the ten boxes: its value becomes its flag.
    void chk_Click(QCheckBox* box, Int16* flag);
};

}  // namespace kelvara
