#pragma once

#include <array>

#include "editor/unloading_dialog.h"

class QLabel;
class QPushButton;

namespace kelvara {

// The groups of characters with their number ranges, and a button per group that sets face and
// hair together to the group's first number.
class Index_Dialog : public UnloadingDialog {
    Q_OBJECT
  public:
    explicit Index_Dialog(CharTool& owner);

    static constexpr int rows = 12;

    QLabel* Label23 = nullptr;  // heading of the name column
    QLabel* Label24 = nullptr;  // heading of the number column
    std::array<QLabel*, rows> group_label{};
    std::array<QLabel*, rows> range_label{};
    std::array<QPushButton*, rows> jump_button{};
    QPushButton* CancelButton = nullptr;

    void jump_button_Click(int row);
};

}  // namespace kelvara
