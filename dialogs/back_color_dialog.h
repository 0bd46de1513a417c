#pragma once

#include <array>

#include "compositor/sheet_colours.h"
#include "editor/unloading_dialog.h"
#include "model/editor_state.h"

class QButtonGroup;
class QLabel;
class QPushButton;
class QRadioButton;

namespace kelvara {

// The view's background colour: grey, green or white. A click stores the colour at once; the view
// is redrawn when the dialog closes, whichever way.
class Back_Color_Dialog : public UnloadingDialog {
    Q_OBJECT
  public:
    explicit Back_Color_Dialog(CharTool& owner);

    // The colour of each option button, by index (not by screen order).
    static constexpr std::array<Colour, 3> colour_of_index = {key_color, default_back_color,
                                                              RGB(255, 255, 255)};

    QLabel* Label4 = nullptr;
    std::array<QRadioButton*, 3> select_bkcolor{};
    QLabel* Label1 = nullptr;  // green swatch
    QLabel* Label2 = nullptr;  // grey swatch
    QLabel* Label3 = nullptr;  // white swatch
    QPushButton* ok_btn = nullptr;

  protected:
    void Form_Unload() override;

  private:
    void Form_Load();
    void select_bkcolor_Click(int index);

    QButtonGroup* group_ = nullptr;
};

}  // namespace kelvara
