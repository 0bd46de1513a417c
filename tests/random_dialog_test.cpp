#include <QTest>
#include <utility>
#include <vector>

#include "dialog_access.h"
#include "random/ui/random_dialog.h"

namespace kelvara::testing {
namespace {

using Reports = std::vector<std::pair<RandomItem, bool>>;

// The dialog on its own, built from the flags and the sprite type it is given: each box shows its
// item's flag and reports a click at once; face and hair only show theirs on damage poses.
TEST(RandomDialogAlone, ShowsTheFlagsItIsGivenAndReportsEachClickAtOnce) {
    // Every other item on, so that a box showing its neighbour's flag is caught.
    RandomFlags flags{};
    for (std::size_t i = 0; i < flags.size(); i += 2) flags[i] = true;
    for (const bool face_items_enabled : {true, false}) {
        Random_Dialog d(flags, face_items_enabled, nullptr);
        d.setAttribute(Qt::WA_DeleteOnClose, false);
        Reports reports;
        QObject::connect(&d, &Random_Dialog::flagChanged,
                         [&](RandomItem item, bool on) { reports.emplace_back(item, on); });
        for (const RandomItemInfo& info : random_items) {
            const bool face_or_hair =
                info.item == RandomItem::face || info.item == RandomItem::hair;
            QCheckBox* box = random_box(&d, info.item);
            EXPECT_EQ(box->isChecked(), flags[static_cast<std::size_t>(info.item)]) << info.name;
            EXPECT_EQ(box->isEnabled(), face_items_enabled || !face_or_hair) << info.name;
        }
        d.show();
        QTest::mouseClick(random_box(&d, RandomItem::face), Qt::LeftButton);
        QTest::mouseClick(random_box(&d, RandomItem::accessory_color), Qt::LeftButton);
        Reports expected{{RandomItem::face, false}, {RandomItem::accessory_color, true}};
        if (!face_items_enabled) expected.erase(expected.begin());  // the disabled box ignores it
        EXPECT_EQ(reports, expected);
        control(&d, "OKButton")->click();
        EXPECT_FALSE(d.isVisible());
    }
}

}  // namespace
}  // namespace kelvara::testing
