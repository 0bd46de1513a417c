#pragma once

#include <array>

#include "editor/unloading_dialog.h"
#include "model/random_items.h"

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

    // The box of an item; its caption is the item's.
    QCheckBox* box(RandomItem item) const { return boxes_[static_cast<std::size_t>(item)]; }

    QLabel* Label1 = nullptr;
    QPushButton* OKButton = nullptr;

  private:
    void Form_Load();

    // Indexed by RandomItem.
    std::array<QCheckBox*, random_items.size()> boxes_{};
};

}  // namespace kelvara
