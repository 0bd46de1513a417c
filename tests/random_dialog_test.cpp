#include <QTest>
#include <memory>
#include <utility>
#include <vector>

#include "dialog_access.h"
#include "random/ui/random_dialog.h"

namespace kelvara::testing {
namespace {

using Reports = std::vector<std::pair<RandomItem, bool>>;

// The dialog on its own: built from the flags and the sprite type it is given, reporting clicks.
struct RandomDialogAlone : ::testing::Test {
    Reports reports;
    Random_Dialog* make(const RandomFlags& flags, bool face_items_enabled) {
        auto* d = new Random_Dialog(flags, face_items_enabled, nullptr);
        d->setAttribute(Qt::WA_DeleteOnClose, false);
        QObject::connect(d, &Random_Dialog::flagChanged,
                         [this](RandomItem item, bool on) { reports.emplace_back(item, on); });
        return d;
    }
};

TEST_F(RandomDialogAlone, ShowsTheFlagsItIsGivenAndReportsEachClickAtOnce) {
    // Every other item on, so that a box showing its neighbour's flag is caught.
    RandomFlags flags{};
    for (std::size_t i = 0; i < flags.size(); i += 2) flags[i] = true;
    std::unique_ptr<Random_Dialog> d(make(flags, true));
    const RandomDialogControls c(d.get());
    for (const RandomItemInfo& info : random_items) {
        EXPECT_EQ(c.box(info.item)->isChecked(), flags[static_cast<std::size_t>(info.item)])
            << info.name;
        EXPECT_TRUE(c.box(info.item)->isEnabled()) << info.name;
    }
    EXPECT_TRUE(reports.empty()) << "opening reports nothing";

    c.box(RandomItem::accessory_color)->click();
    c.box(RandomItem::face)->click();
    c.box(RandomItem::face)->click();
    EXPECT_EQ(reports, (Reports{{RandomItem::accessory_color, true},
                                {RandomItem::face, false},
                                {RandomItem::face, true}}));
}

TEST_F(RandomDialogAlone, FaceAndHairOnlyShowTheirFlagsWhenDisabled) {
    RandomFlags flags{};
    flags[static_cast<std::size_t>(RandomItem::face)] = true;
    std::unique_ptr<Random_Dialog> d(make(flags, false));
    const RandomDialogControls c(d.get());
    EXPECT_FALSE(c.box(RandomItem::face)->isEnabled());
    EXPECT_FALSE(c.box(RandomItem::hair)->isEnabled());
    EXPECT_TRUE(c.box(RandomItem::face)->isChecked());
    EXPECT_FALSE(c.box(RandomItem::hair)->isChecked());
    EXPECT_TRUE(c.box(RandomItem::hair_color)->isEnabled());
    d->show();
    QTest::mouseClick(c.box(RandomItem::face), Qt::LeftButton);
    EXPECT_TRUE(reports.empty());
    c.OKButton->click();
    EXPECT_FALSE(d->isVisible());
}

}  // namespace
}  // namespace kelvara::testing
