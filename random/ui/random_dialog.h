#pragma once

#include <array>

#include "model/random_items.h"
#include "widgets/unloading_dialog.h"

class QCheckBox;
class QLabel;
class QPushButton;

namespace kelvara {

// Whether each item is drawn anew by the random button, indexed by RandomItem.
using RandomFlags = std::array<bool, random_items.size()>;

// Which items the random button draws anew: one box per item. Each click is reported at once by
// flagChanged, so there is nothing to cancel.
class Random_Dialog : public UnloadingDialog {
    Q_OBJECT
  public:
    // face_items_enabled: whether face and hair can be changed here (random generation leaves them
    // alone on damage poses, so their boxes only show their flags there).
    Random_Dialog(const RandomFlags& flags, bool face_items_enabled, QWidget* parent);

  signals:
    void flagChanged(kelvara::RandomItem item, bool on);

  private:
    QCheckBox* box(RandomItem item) const { return boxes_[static_cast<std::size_t>(item)]; }

    QLabel* Label1 = nullptr;
    QPushButton* OKButton = nullptr;
    // Indexed by RandomItem; each box's caption is its item's.
    std::array<QCheckBox*, random_items.size()> boxes_{};
};

}  // namespace kelvara
