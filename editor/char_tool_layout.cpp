#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

#include "editor/char_tool.h"
#include "widgets/placement.h"
#include "widgets/surface_view.h"

// The main window's controls at their places, in client-area pixels. Controls inside a frame are
// given in window coordinates and moved into the frame here.
namespace kelvara {

namespace {

constexpr int client_width = 544;
constexpr int client_height = 456;

// The client area, outlined on its edges: grey lines along the top, right and bottom and a white
// line just under the top one, so the edge under the menu bar looks etched.
class ClientArea : public QWidget {
  public:
    explicit ClientArea(QWidget* parent) : QWidget(parent) {}

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        const int right = client_width - 1;
        const int bottom = client_height - 1;
        p.setPen(palette().color(QPalette::Inactive, QPalette::Mid));
        p.drawLine(0, 0, right, 0);            // Line3
        p.drawLine(right, 0, right, bottom);   // Line1
        p.drawLine(0, bottom, right, bottom);  // Line2
        p.setPen(Qt::white);
        p.drawLine(0, 1, right - 1, 1);  // Line4
    }
};

QScrollBar* scroll_bar(QWidget* parent, const char* object_name, int x, int y, int w, int h) {
    auto* bar = place(new QScrollBar(Qt::Horizontal, parent), object_name, x, y, w, h);
    // Selectors take the keyboard: Tab reaches them and the arrow keys move them.
    bar->setFocusPolicy(Qt::StrongFocus);
    bar->setMinimum(0);
    bar->setSingleStep(1);
    bar->setPageStep(1);
    return bar;
}

QLabel* readout(QWidget* parent, const char* object_name, int x, int y) {
    return bordered_label(parent, QStringLiteral("0"), object_name, x, y, 49, 25, Qt::AlignHCenter);
}

// An invisible holder of an option pair: no caption, no border.
QWidget* holder(QWidget* parent, const char* object_name, int x, int y, int w, int h) {
    return place(new QWidget(parent), object_name, x, y, w, h);
}

}  // namespace

void CharTool::build_controls() {
    auto* client = new ClientArea(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(client_width, client_height);
    setCentralWidget(client);

    build_names(client);
    character_view =
        place(new SurfaceView(ws_.character_view, client), "character_view", 8, 16, 268, 268);

    build_face_and_hair(client);
    build_colours_and_options(client);
    build_pose_type_and_size(client);
    build_cloth_colours(client);
    // Invisible holders reach over the right end of the bar below them; the bar stays usable.
    for (QScrollBar* bar : {eye_color, body_color, cloth_color}) bar->raise();

    group_options();

    item_bar_[static_cast<std::size_t>(RandomItem::face)] = face_type;
    item_bar_[static_cast<std::size_t>(RandomItem::hair)] = hair_type;
    item_bar_[static_cast<std::size_t>(RandomItem::hair_color)] = hair_color;
    item_bar_[static_cast<std::size_t>(RandomItem::eye_color)] = eye_color;
    item_bar_[static_cast<std::size_t>(RandomItem::pose)] = cloth_type;
    item_bar_[static_cast<std::size_t>(RandomItem::cloth_color)] = cloth_color;
    item_bar_[static_cast<std::size_t>(RandomItem::body_color)] = body_color;
    item_bar_[static_cast<std::size_t>(RandomItem::pants_color)] = pants_color;
    item_bar_[static_cast<std::size_t>(RandomItem::line_color)] = line_color;
    item_bar_[static_cast<std::size_t>(RandomItem::accessory_color)] = accessory_color;

    set_fonts();
    set_focus_order();
    // The option pairs are narrow: a tighter gap between mark and caption keeps "Off" whole.
    client->setStyleSheet(QStringLiteral("QRadioButton { spacing: 2px; }"));
}

// The captions over the selectors.
void CharTool::build_names(QWidget* client) {
    const char* names[10] = {"顔",       "カミ",   "カミの色", "目の色",           "ポーズ",
                             "服の色 1", "肌の色", "服の色 2", "アクセサリーの色", "服の色 3"};
    const int name_geometry[10][3] = {{8, 57},   {48, 57},  {120, 57}, {160, 57},  {280, 57},
                                      {320, 57}, {240, 57}, {376, 57}, {200, 105}, {416, 57}};
    for (int i = 0; i < 10; ++i) {
        const QByteArray object_name = QByteArray("name(") + QByteArray::number(i) + ")";
        name[i] = bordered_label(client, QString::fromUtf8(names[i]), object_name.constData(), 288,
                                 name_geometry[i][0], name_geometry[i][1], 17, Qt::AlignHCenter);
        name[i]->setObjectName(QString::fromLatin1(object_name));
    }
}

// Face and hair with their read-outs, and the buttons that move both together.
void CharTool::build_face_and_hair(QWidget* client) {
    dbg_face_num[0] = readout(client, "dbg_face_num(0)", 488, 16);
    face_type = scroll_bar(client, "face_type", 288, 24, 193, 17);
    dbg_hair_num[0] = readout(client, "dbg_hair_num(0)", 488, 56);
    hair_type = scroll_bar(client, "hair_type", 288, 64, 193, 17);

    face_hair_min =
        place(new QPushButton(QStringLiteral("Min"), client), "face_hair_min", 288, 88, 33, 25);
    face_hair_down =
        place(new QPushButton(QStringLiteral("-10"), client), "face_hair_down", 328, 88, 33, 25);
    face_hair_Scroll = scroll_bar(client, "face_hair_Scroll", 368, 88, 33, 25);
    // The stepper is worked with the mouse; the keyboard reaches face and hair through their bars.
    face_hair_Scroll->setFocusPolicy(Qt::NoFocus);
    face_hair_up =
        place(new QPushButton(QStringLiteral("+10"), client), "face_hair_up", 408, 88, 33, 25);
    face_hair_max =
        place(new QPushButton(QStringLiteral("Max"), client), "face_hair_max", 448, 88, 33, 25);
}

// Hair, eye, accessory and skin colours, with the eyes' grey and the skin's matte options.
void CharTool::build_colours_and_options(QWidget* client) {
    dbg_hair_color_num[0] = readout(client, "dbg_hair_color_num(0)", 488, 128);
    hair_color = scroll_bar(client, "hair_color", 288, 136, 193, 17);

    eye_option_t =
        plain_label(client, QStringLiteral("灰色部分"), "eye_option_t", 352, 163, 49, 17);
    dbg_eye_color_num[0] = readout(client, "dbg_eye_color_num(0)", 488, 168);
    eye_color = scroll_bar(client, "eye_color", 288, 176, 193, 17);
    Frame1 = holder(client, "Frame1", 400, 152, 81, 33);
    eye_optjion_b[0] =
        place(new QRadioButton(QStringLiteral("On"), Frame1), "eye_optjion_b(0)", 408, 160, 41, 17);
    eye_optjion_b[1] = place(new QRadioButton(QStringLiteral("Off"), Frame1), "eye_optjion_b(1)",
                             448, 160, 39, 17);

    dbg_accessory_color_num[0] = readout(client, "dbg_accessory_color_num(0)", 488, 208);
    accessory_color = scroll_bar(client, "accessory_color", 288, 216, 193, 17);

    body_option_t =
        plain_label(client, QStringLiteral(" ツヤ消し"), "body_option_t", 352, 243, 49, 25);
    dbg_body_color_num[0] = readout(client, "dbg_body_color_num(0)", 488, 248);
    body_color = scroll_bar(client, "body_color", 288, 256, 193, 17);
    Frame3 = holder(client, "Frame3", 400, 232, 81, 33);
    body_c_option_b[0] = place(new QRadioButton(QStringLiteral("On"), Frame3), "body_c_option_b(0)",
                               408, 240, 41, 17);
    body_c_option_b[1] = place(new QRadioButton(QStringLiteral("Off"), Frame3),
                               "body_c_option_b(1)", 446, 240, 41, 17);
}

// The pose, the sprite type, the drawing sizes and the random button.
void CharTool::build_pose_type_and_size(QWidget* client) {
    dbg_cloth_num[0] = readout(client, "dbg_cloth_num(0)", 488, 288);
    type_Frame =
        place(new QGroupBox(QStringLiteral("タイプ"), client), "type_Frame", 8, 296, 81, 65);
    size_frame =
        place(new QGroupBox(QStringLiteral("描画サイズ"), client), "size_frame", 96, 296, 105, 89);
    cloth_type = scroll_bar(client, "cloth_type", 288, 296, 193, 17);
    random = place(new QPushButton(QStringLiteral("ランダム"), client), "random", 208, 304, 65, 25);
    type_button[0] = place(new QRadioButton(QStringLiteral("かおづら"), type_Frame),
                           "type_button(0)", 16, 312, 65, 17);
    type_button[1] = place(new QRadioButton(QStringLiteral("だめーじ"), type_Frame),
                           "type_button(1)", 16, 336, 65, 17);

    // The size buttons lie over size_frame but belong to the window.
    const int size_geometry[6][2] = {{104, 312}, {152, 312}, {104, 336},
                                     {152, 336}, {104, 360}, {152, 360}};
    for (int i = 0; i < 6; ++i) {
        const QByteArray object_name = QByteArray("size_button(") + QByteArray::number(i) + ")";
        size_button[i] =
            place(new QRadioButton(QStringLiteral("×%1").arg(i + 1), client),
                  object_name.constData(), size_geometry[i][0], size_geometry[i][1], 41, 17);
        size_button[i]->raise();
    }
}

// The three cloth colours, the cloth's matte option, the school name and the reset button.
void CharTool::build_cloth_colours(QWidget* client) {
    cloth__option_t =
        plain_label(client, QStringLiteral(" ツヤ消し"), "cloth__option_t", 352, 323, 49, 25);
    cloth_color = scroll_bar(client, "cloth_color", 288, 336, 193, 17);
    Frame2 = holder(client, "Frame2", 400, 312, 81, 33);
    cloth_c1_option_b[0] = place(new QRadioButton(QStringLiteral("On"), Frame2),
                                 "cloth_c1_option_b(0)", 408, 320, 41, 17);
    cloth_c1_option_b[1] = place(new QRadioButton(QStringLiteral("Off"), Frame2),
                                 "cloth_c1_option_b(1)", 446, 320, 41, 17);
    dbg_cloth_color_num[0] = readout(client, "dbg_cloth_color_num(0)", 488, 336);
    reset = place(new QPushButton(QStringLiteral("リセット"), client), "reset", 208, 344, 65, 25);
    colth_name_label =
        bordered_label(client, QString(), "colth_name_label", 288, 352, 193, 17, Qt::AlignHCenter);

    Label1 = bordered_label(client, QStringLiteral(" ドッジボール：パンツ"), "Label1", 344, 376,
                            137, 17, Qt::AlignLeft);
    dbg_cloth2_color_num[0] = readout(client, "dbg_cloth2_color_num(0)", 488, 384);
    pants_color = scroll_bar(client, "pants_color", 288, 392, 193, 17);
    Label2 = bordered_label(client, QStringLiteral(" ドッジボール：ライン"), "Label2", 344, 416,
                            137, 17, Qt::AlignLeft);
    dbg_cloth3_color_num[0] = readout(client, "dbg_cloth3_color_num(0)", 488, 424);
    line_color = scroll_bar(client, "line_color", 288, 432, 193, 17);
}

// Each option pair is one button group; the checked button of each is its start value.
void CharTool::group_options() {
    auto* focus_on_selected = new SelectedOptionFocus(this);
    auto group = [this, focus_on_selected](auto& buttons, int checked) {
        auto* g = new QButtonGroup(this);
        for (int i = 0; i < static_cast<int>(buttons.size()); ++i) {
            g->addButton(buttons[i], i);
            buttons[i]->installEventFilter(focus_on_selected);
        }
        buttons[checked]->setChecked(true);
        return g;
    };
    size_group_ = group(size_button, 3);
    type_group_ = group(type_button, 0);
    eye_group_ = group(eye_optjion_b, 0);
    body_group_ = group(body_c_option_b, 1);
    cloth_group_ = group(cloth_c1_option_b, 1);
}

void CharTool::set_fonts() {
    // A Japanese font for every text; the read-outs use a larger monospaced one.
    QFont window_font(QStringLiteral("IPAPGothic"));
    window_font.setPointSizeF(9);
    window_font.setStyleHint(QFont::SansSerif);
    setFont(window_font);
    QFont readout_font(QStringLiteral("IPAGothic"));
    readout_font.setPointSizeF(15.75);
    readout_font.setStyleHint(QFont::Monospace);
    for (const auto* readouts :
         {&dbg_face_num, &dbg_hair_num, &dbg_cloth_num, &dbg_hair_color_num, &dbg_eye_color_num,
          &dbg_accessory_color_num, &dbg_body_color_num, &dbg_cloth_color_num,
          &dbg_cloth2_color_num, &dbg_cloth3_color_num}) {
        (*readouts)[0]->setFont(readout_font);
    }
}

void CharTool::set_focus_order() {
    // An option group is one stop: Tab enters it and the arrow keys move within it.
    const std::vector<QWidget*> order = {face_type,
                                         hair_type,
                                         face_hair_min,
                                         face_hair_down,
                                         face_hair_up,
                                         face_hair_max,
                                         hair_color,
                                         eye_optjion_b[0],
                                         eye_optjion_b[1],
                                         eye_color,
                                         accessory_color,
                                         body_c_option_b[0],
                                         body_c_option_b[1],
                                         body_color,
                                         cloth_type,
                                         cloth_c1_option_b[0],
                                         cloth_c1_option_b[1],
                                         cloth_color,
                                         pants_color,
                                         line_color,
                                         type_button[0],
                                         type_button[1],
                                         size_button[0],
                                         size_button[1],
                                         size_button[2],
                                         size_button[3],
                                         size_button[4],
                                         size_button[5],
                                         random,
                                         reset};
    for (std::size_t i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);
}

void CharTool::connect_handlers() {
    auto on_change = [this](QScrollBar* bar, void (CharTool::*handler)()) {
        connect(bar, &QScrollBar::valueChanged, this, handler);
    };
    on_change(face_type, &CharTool::face_type_Change);
    on_change(hair_type, &CharTool::hair_type_Change);
    on_change(cloth_type, &CharTool::cloth_type_Change);
    on_change(face_hair_Scroll, &CharTool::face_hair_Scroll_Change);
    on_change(hair_color, &CharTool::hair_color_Change);
    on_change(eye_color, &CharTool::eye_color_Change);
    on_change(accessory_color, &CharTool::accessory_color_Change);
    on_change(body_color, &CharTool::body_color_Change);
    on_change(cloth_color, &CharTool::cloth_color_Change);
    on_change(pants_color, &CharTool::pants_color_Change);
    on_change(line_color, &CharTool::line_color_Change);

    connect(face_hair_min, &QPushButton::clicked, this, &CharTool::face_hair_min_Click);
    connect(face_hair_down, &QPushButton::clicked, this, &CharTool::face_hair_down_Click);
    connect(face_hair_up, &QPushButton::clicked, this, &CharTool::face_hair_up_Click);
    connect(face_hair_max, &QPushButton::clicked, this, &CharTool::face_hair_max_Click);
    connect(reset, &QPushButton::clicked, this, &CharTool::reset_Click);
    connect(random, &QPushButton::clicked, this, &CharTool::random_Click);

    connect(size_group_, &QButtonGroup::idClicked, this, &CharTool::size_button_Click);
    connect(type_group_, &QButtonGroup::idClicked, this, &CharTool::type_button_Click);
    connect(eye_group_, &QButtonGroup::idClicked, this, &CharTool::eye_optjion_b_Click);
    connect(body_group_, &QButtonGroup::idClicked, this, &CharTool::body_c_option_b_Click);
    connect(cloth_group_, &QButtonGroup::idClicked, this, &CharTool::cloth_c1_option_b_Click);
}

}  // namespace kelvara
