#include "sprites/ui/animation_preview.h"

#include <QButtonGroup>
#include <QElapsedTimer>
#include <QEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>
#include <algorithm>

#include "sprites/ui/preview_view.h"

namespace kelvara::sprites {

namespace {

AnimationPreview::Clock steady_clock() {
    auto timer = std::make_shared<QElapsedTimer>();
    timer->start();
    return [timer] { return timer->elapsed(); };
}

}  // namespace

AnimationPreview::AnimationPreview(const EditorState& character, QWidget* parent)
    : QWidget(parent), character_(character), clock_(steady_clock()) {
    setObjectName(QStringLiteral("animation_preview"));
    setWindowTitle(QStringLiteral("アニメーション"));
    // A window of its own that stays over the main window and goes with it, without a
    // maximise or minimise box.
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    if (parent != nullptr) {
        setFont(parent->font());
        setWindowIcon(parent->windowIcon());
    }
    look_.scale = std::clamp<int>(character.size_num, first_size, last_size);
    look_.background = character.back_color;
    look_.checkerboard = true;
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);

    build_controls();
    speed_button[1]->setChecked(true);
    size_button[static_cast<std::size_t>(look_.scale - 1)]->setChecked(true);
    ground_button[1]->setChecked(true);
    connect_controls();
    play_animation("walk");
}

AnimationPreview::~AnimationPreview() = default;

void AnimationPreview::connect_controls() {
    connect(&timer_, &QTimer::timeout, this, &AnimationPreview::tick);
    connect(animation_list, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* row) {
        if (row != nullptr && row->text(0).toStdString() != playback_.animation().name) {
            play_animation(row->text(0).toStdString());
        }
    });
    connect(play_button, &QPushButton::clicked, this, [this] {
        if (playback_.playing()) {
            playback_.pause(clock_());
        } else {
            playback_.play(clock_());
        }
        show_frame();
    });
    connect(step_button, &QPushButton::clicked, this, [this] {
        playback_.step(clock_());
        show_frame();
    });
    connect(speed_group_, &QButtonGroup::idClicked, this, [this](int id) {
        playback_.set_speed(static_cast<AnimationPlayback::Speed>(id), clock_());
        show_frame();
    });
    connect(size_group_, &QButtonGroup::idClicked, this, [this](int id) {
        look_.scale = id + 1;
        show_frame();
    });
    connect(ground_group_, &QButtonGroup::idClicked, this, [this](int id) {
        look_.checkerboard = id == 1;
        show_frame();
    });
    connect(gif_button, &QPushButton::clicked, this, &AnimationPreview::save_gif);
    connect(export_button, &QPushButton::clicked, this, &AnimationPreview::export_sprite_set);
}

bool AnimationPreview::play_animation(std::string_view name) {
    const auto found = catalogue::find_animation(name);
    if (!found) return false;
    playback_.start(*found, clock_());
    frames_.assign(playback_.played().size(), QImage());
    const auto index = std::find_if(catalogue::animations.begin(), catalogue::animations.end(),
                                    [&](const catalogue::Animation& a) { return a.name == name; }) -
                       catalogue::animations.begin();
    animation_list->setCurrentItem(animation_list->topLevelItem(static_cast<int>(index)));
    update_hold();
    show_frame();
    return true;
}

void AnimationPreview::set_character(const EditorState& character) {
    character_ = character;
    look_.background = character.back_color;
    // The time and frame stay; only the pictures are new.
    std::fill(frames_.begin(), frames_.end(), QImage());
    if (isVisible()) show_frame();
}

void AnimationPreview::set_clock(Clock clock) {
    // The time so far counts; from here on the new clock's.
    playback_.advance(clock_());
    clock_ = std::move(clock);
    playback_.reset_clock(clock_());
    schedule();
}

const QImage& AnimationPreview::shown_sprite() const {
    return frames_[static_cast<std::size_t>(playback_.frame())];
}

void AnimationPreview::tick() {
    if (playback_.advance(clock_()))
        show_frame();
    else
        schedule();
}

void AnimationPreview::show_frame() {
    QImage& frame = frames_[static_cast<std::size_t>(playback_.frame())];
    if (frame.isNull()) {
        frame = preview_sprite(output_, character_, {playback_.animation().sheet, playback_.cell()},
                               workspace_);
    }
    preview_view->show_sprite(frame, look_);
    update_play_button();
    schedule();
}

void AnimationPreview::schedule() {
    if (const auto wait = playback_.until_next_frame()) {
        timer_.start(static_cast<int>(*wait));
    } else {
        timer_.stop();
    }
}

void AnimationPreview::update_play_button() {
    play_button->setText(playback_.playing() ? QStringLiteral("一時停止") : QStringLiteral("再生"));
}

void AnimationPreview::update_hold() {
    playback_.set_held(blocked_ || !isVisible(), clock_());
    schedule();
}

bool AnimationPreview::event(QEvent* event) {
    // An application-modal dialog (one of the main window's, or a file dialog) blocks this
    // window too.
    if (event->type() == QEvent::WindowBlocked || event->type() == QEvent::WindowUnblocked) {
        blocked_ = event->type() == QEvent::WindowBlocked;
        update_hold();
    }
    return QWidget::event(event);
}

void AnimationPreview::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    update_hold();
    show_frame();
}

void AnimationPreview::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    update_hold();
}

void AnimationPreview::report_error(const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("えらー"), text, QMessageBox::Ok, this);
    box.exec();
}

}  // namespace kelvara::sprites
