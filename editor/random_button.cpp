#include <QScrollBar>

#include "editor/char_tool.h"
#include "random/random_generation.h"

// The random button: new values for the items whose random flags are on, drawn once.
namespace kelvara {

Int16 CharTool::cal_random(Int16 number) {
    return kelvara::cal_random(rnd_, number);
}

void CharTool::random_Click() {
    const std::vector<RandomDraw> draws = draw_random_items(state, face_max, hair_max, rnd_);
    draw_flg = vb_false;
    // Values go into the bars, never the fields, so each bar's handler keeps its field, read-out
    // and cut cell in step; a value equal to the bar's own runs nothing.
    for (const RandomDraw& d : draws) {
        QScrollBar* bar = nullptr;
        switch (d.item) {
            case RandomItem::face:
                bar = face_type;
                break;
            case RandomItem::hair:
                bar = hair_type;
                break;
            case RandomItem::hair_color:
                bar = hair_color;
                break;
            case RandomItem::eye_color:
                bar = eye_color;
                break;
            case RandomItem::pose:
                bar = cloth_type;
                break;
            case RandomItem::cloth_color:
                bar = cloth_color;
                break;
            case RandomItem::body_color:
                bar = body_color;
                break;
            case RandomItem::pants_color:
                bar = pants_color;
                break;
            case RandomItem::line_color:
                bar = line_color;
                break;
            case RandomItem::accessory_color:
                bar = accessory_color;
                break;
        }
        bar->setValue(d.value);
    }
    draw_flg = vb_true;
    compose_head();
    Character_draw();
}

}  // namespace kelvara
