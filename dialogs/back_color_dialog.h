#pragma once

#include <array>

#include "compositor/sheet_colours.h"
#include "model/editor_state.h"
#include "widgets/unloading_dialog.h"

class QButtonGroup;
class QLabel;
class QPushButton;
class QRadioButton;

namespace kelvara {

// The view's background colour: grey, green or white. Each click reports its colour at once by
// colourChosen; whoever opened the dialog redraws when it unloads, whichever way it closes.
class Back_Color_Dialog : public UnloadingDialog {
    Q_OBJECT
  public:
    // current: the colour selected on opening; any other colour leaves the grey option selected.
    Back_Color_Dialog(Colour current, QWidget* parent);

    // The colour of each option button, by index (not by screen order).
    static constexpr std::array<Colour, 3> colour_of_index = {key_color, default_back_color,
                                                              RGB(255, 255, 255)};

  signals:
    void colourChosen(kelvara::Colour colour);

  private:
    void Form_Load(Colour current);
    void select_bkcolor_Click(int index);

    QLabel* Label4 = nullptr;
    std::array<QRadioButton*, 3> select_bkcolor{};
    QLabel* Label1 = nullptr;  // green swatch
    QLabel* Label2 = nullptr;  // grey swatch
    QLabel* Label3 = nullptr;  // white swatch
    QPushButton* ok_btn = nullptr;
    QButtonGroup* group_ = nullptr;
};

}  // namespace kelvara
