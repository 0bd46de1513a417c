// The dialogs built from values, alone: what they show from what they are given, and what each
// click reports.
#include <QRadioButton>
#include <vector>

#include "dialog_access.h"
#include "dialogs/back_color_dialog.h"
#include "dialogs/index_dialog.h"

namespace kelvara::testing {
namespace {

TEST(BackColorDialogAlone, SelectsTheColourItIsGivenAndReportsEachClick) {
    const Colour green = RGB(0, 255, 0), grey = RGB(212, 208, 200), white = RGB(255, 255, 255);
    // The option selected, by its index: 0 green, 1 grey, 2 white.
    const std::pair<Colour, int> cases[] = {{green, 0}, {grey, 1}, {white, 2}, {RGB(1, 2, 3), 1}};
    for (const auto& [given, selected] : cases) {
        Back_Color_Dialog d(given, nullptr);
        std::vector<Colour> chosen;
        QObject::connect(&d, &Back_Color_Dialog::colourChosen,
                         [&](Colour c) { chosen.push_back(c); });
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(control<QRadioButton>(&d, "select_bkcolor", i)->isChecked(), i == selected)
                << given << " option " << i;
        }
        for (int i : {2, 0, 1}) control<QRadioButton>(&d, "select_bkcolor", i)->click();
        EXPECT_EQ(chosen, (std::vector<Colour>{white, green, grey})) << given;
    }
}

// A jump asks for the group's first number, then the dialog unloads; Cancel asks for nothing.
TEST(IndexDialogAlone, EachRowAsksForItsFirstNumberThenUnloads) {
    const int first_numbers[] = {0, 40, 207, 290, 296, 340, 354, 379, 403, 476, 504, 639};
    for (int row = -1; row < Index_Dialog::rows; ++row) {  // -1: Cancel
        Index_Dialog d(nullptr);
        d.setAttribute(Qt::WA_DeleteOnClose, false);
        d.show();
        std::vector<int> events;  // a number, or -1 for unloaded
        QObject::connect(&d, &Index_Dialog::jumpRequested, [&](int n) { events.push_back(n); });
        QObject::connect(&d, &UnloadingDialog::unloaded, [&] { events.push_back(-1); });
        control(&d, row < 0 ? "CancelButton" : "jump_button", row)->click();
        EXPECT_EQ(events,
                  (row < 0 ? std::vector<int>{-1} : std::vector<int>{first_numbers[row], -1}))
            << "row " << row;
        EXPECT_FALSE(d.isVisible());
    }
}

}  // namespace
}  // namespace kelvara::testing
