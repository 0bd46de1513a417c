#pragma once

#include <array>

#include "widgets/unloading_dialog.h"

class QLabel;
class QPushButton;

namespace kelvara {

// The groups of characters with their number ranges, and a button per group that asks for face
// and hair together at the group's first number (jumpRequested) and closes the dialog.
class Index_Dialog : public UnloadingDialog {
    Q_OBJECT
  public:
    explicit Index_Dialog(QWidget* parent);

    static constexpr int rows = 12;

  signals:
    void jumpRequested(int number);

  private:
    void jump_button_Click(int row);

    QLabel* Label23 = nullptr;  // heading of the name column
    QLabel* Label24 = nullptr;  // heading of the number column
    std::array<QLabel*, rows> group_label{};
    std::array<QLabel*, rows> range_label{};
    std::array<QPushButton*, rows> jump_button{};
    QPushButton* CancelButton = nullptr;
};

}  // namespace kelvara
