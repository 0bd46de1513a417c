#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "sprites/ui/animation_preview.h"
#include "sprites/ui/preview_view.h"

// The preview's controls: the list of animations on the left; the picture, the playing buttons,
// the speed, size and ground options and the file buttons on the right.
namespace kelvara::sprites {

namespace {

template <typename W>
W* named(W* widget, const QString& object_name) {
    widget->setObjectName(object_name);
    return widget;
}

template <std::size_t N>
QButtonGroup* option_group(QObject* owner, const std::array<QRadioButton*, N>& buttons) {
    auto* group = new QButtonGroup(owner);
    for (std::size_t i = 0; i < N; ++i) group->addButton(buttons[i], static_cast<int>(i));
    return group;
}

template <std::size_t N>
void make_options(std::array<QRadioButton*, N>& buttons, const char* base_name,
                  const std::array<QString, N>& captions, QWidget* parent) {
    for (std::size_t i = 0; i < N; ++i) {
        buttons[i] = named(new QRadioButton(captions[i], parent),
                           QStringLiteral("%1(%2)").arg(QLatin1String(base_name)).arg(i));
    }
}

}  // namespace

void AnimationPreview::build_controls() {
    animation_list = named(new QTreeWidget(this), QStringLiteral("animation_list"));
    animation_list->setColumnCount(3);
    animation_list->setHeaderLabels(
        {QStringLiteral("アニメーション"), QStringLiteral("コマ数"), QStringLiteral("再生方法")});
    animation_list->setRootIsDecorated(false);
    animation_list->setAllColumnsShowFocus(true);
    animation_list->header()->setStretchLastSection(false);
    animation_list->header()->setSectionsMovable(false);
    fill_list();
    for (int c = 0; c < 3; ++c) animation_list->resizeColumnToContents(c);
    int width = 2 * animation_list->frameWidth() + 4;
    for (int c = 0; c < 3; ++c) width += animation_list->columnWidth(c);
    animation_list->setFixedWidth(width);

    preview_view = named(new PreviewView(this), QStringLiteral("preview_view"));
    play_button = named(new QPushButton(this), QStringLiteral("play_button"));
    step_button =
        named(new QPushButton(QStringLiteral("コマ送り"), this), QStringLiteral("step_button"));

    auto* speed_frame =
        named(new QGroupBox(QStringLiteral("速さ"), this), QStringLiteral("speed_frame"));
    make_options(speed_button, "speed_button",
                 {QStringLiteral("1/2倍"), QStringLiteral("1倍"), QStringLiteral("2倍")},
                 speed_frame);
    auto* speed_layout = new QVBoxLayout(speed_frame);
    for (QRadioButton* b : speed_button) speed_layout->addWidget(b);
    speed_group_ = option_group(this, speed_button);

    // Two columns of three, as the main window lays out its sizes.
    auto* size_frame =
        named(new QGroupBox(QStringLiteral("描画サイズ"), this), QStringLiteral("size_frame"));
    make_options(size_button, "size_button",
                 {QStringLiteral("×1"), QStringLiteral("×2"), QStringLiteral("×3"),
                  QStringLiteral("×4"), QStringLiteral("×5"), QStringLiteral("×6")},
                 size_frame);
    auto* size_layout = new QGridLayout(size_frame);
    for (std::size_t i = 0; i < size_button.size(); ++i) {
        size_layout->addWidget(size_button[i], static_cast<int>(i / 2), static_cast<int>(i % 2));
    }
    size_group_ = option_group(this, size_button);

    auto* ground_frame =
        named(new QGroupBox(QStringLiteral("背景"), this), QStringLiteral("ground_frame"));
    make_options(ground_button, "ground_button", {QStringLiteral("背景色"), QStringLiteral("透明")},
                 ground_frame);
    auto* ground_layout = new QVBoxLayout(ground_frame);
    for (QRadioButton* b : ground_button) ground_layout->addWidget(b);
    ground_layout->addStretch();
    ground_group_ = option_group(this, ground_button);

    export_button = named(new QPushButton(QStringLiteral("スプライトセット書き出し"), this),
                          QStringLiteral("export_button"));
    gif_button =
        named(new QPushButton(QStringLiteral("GIF保存"), this), QStringLiteral("gif_button"));

    auto* playing = new QHBoxLayout;
    playing->addWidget(play_button);
    playing->addWidget(step_button);
    playing->addStretch();
    auto* options = new QHBoxLayout;
    options->addWidget(speed_frame);
    options->addWidget(size_frame);
    options->addWidget(ground_frame);
    options->addStretch();
    auto* files = new QHBoxLayout;
    files->addWidget(gif_button);
    files->addWidget(export_button);
    files->addStretch();

    auto* right = new QVBoxLayout;
    right->addWidget(preview_view);
    right->addLayout(playing);
    right->addLayout(options);
    right->addLayout(files);
    auto* whole = new QHBoxLayout(this);
    whole->addWidget(animation_list);
    whole->addLayout(right);
    // The window is as large as its contents, and the user cannot resize it.
    whole->setSizeConstraint(QLayout::SetFixedSize);
}

void AnimationPreview::fill_list() {
    for (const catalogue::Animation& a : catalogue::animations) {
        auto* row = new QTreeWidgetItem(animation_list);
        row->setText(0, QString::fromLatin1(a.name.data(), static_cast<qsizetype>(a.name.size())));
        row->setText(1, QString::number(catalogue::played_frames(a).size()));
        row->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
        row->setText(2, a.loops() ? QStringLiteral("ループ") : QStringLiteral("1回"));
    }
}

}  // namespace kelvara::sprites
