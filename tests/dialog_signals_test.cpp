#include <QTest>
#include <memory>
#include <vector>

#include "dialog_access.h"
#include "dialogs/back_color_dialog.h"
#include "dialogs/index_dialog.h"

namespace kelvara::testing {
namespace {

constexpr Colour grey = RGB(212, 208, 200);
constexpr Colour green = RGB(0, 255, 0);
constexpr Colour white = RGB(255, 255, 255);

template <typename D, typename... Args>
std::unique_ptr<D> alone(Args... args) {
    auto d = std::make_unique<D>(args..., nullptr);
    d->setAttribute(Qt::WA_DeleteOnClose, false);
    return d;
}

// Which option is selected on opening, and the colour each click reports.
TEST(BackColorDialogAlone, SelectsTheColourItIsGivenAndReportsEachClick) {
    const struct {
        Colour given;
        int selected;  // by object name index: 0 green, 1 grey, 2 white
    } cases[] = {{green, 0}, {grey, 1}, {white, 2}, {RGB(1, 2, 3), 1}};
    for (const auto& c : cases) {
        auto d = alone<Back_Color_Dialog>(c.given);
        const BackColorDialogControls ui(d.get());
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(ui.select_bkcolor[static_cast<std::size_t>(i)]->isChecked(), i == c.selected)
                << c.given << " option " << i;
        }
        std::vector<Colour> chosen;
        QObject::connect(d.get(), &Back_Color_Dialog::colourChosen,
                         [&](Colour colour) { chosen.push_back(colour); });
        for (int i : {2, 0, 1}) ui.select_bkcolor[static_cast<std::size_t>(i)]->click();
        EXPECT_EQ(chosen, (std::vector<Colour>{white, green, grey})) << c.given;
    }
}

// A jump asks for the group's first number, then the dialog unloads; Cancel asks for nothing.
TEST(IndexDialogAlone, EachRowAsksForItsFirstNumberThenUnloads) {
    const int first_numbers[Index_Dialog::rows] = {0,   40,  207, 290, 296, 340,
                                                   354, 379, 403, 476, 504, 639};
    for (int row = 0; row < Index_Dialog::rows; ++row) {
        auto d = alone<Index_Dialog>();
        d->show();
        std::vector<int> events;  // a number, or -1 for unloaded
        QObject::connect(d.get(), &Index_Dialog::jumpRequested,
                         [&](int number) { events.push_back(number); });
        QObject::connect(d.get(), &UnloadingDialog::unloaded, [&] { events.push_back(-1); });
        IndexDialogControls(d.get()).jump_button[static_cast<std::size_t>(row)]->click();
        EXPECT_EQ(events, (std::vector<int>{first_numbers[row], -1})) << "row " << row;
        EXPECT_FALSE(d->isVisible());
    }
    auto d = alone<Index_Dialog>();
    d->show();
    int jumps = 0;
    QObject::connect(d.get(), &Index_Dialog::jumpRequested, [&] { ++jumps; });
    IndexDialogControls(d.get()).CancelButton->click();
    EXPECT_EQ(jumps, 0);
    EXPECT_FALSE(d->isVisible());
}

}  // namespace
}  // namespace kelvara::testing
