#pragma once

#include <QTimer>
#include <QWidget>
#include <array>
#include <functional>
#include <string_view>
#include <vector>

#include "sprites/ui/animation_playback.h"
#include "sprites/ui/preview_picture.h"

class QButtonGroup;
class QPushButton;
class QRadioButton;
class QTreeWidget;

namespace kelvara::sprites {

class PreviewView;

// The animation preview: a tool window over the main window that plays any animation of the
// catalogue with the main window's character, and saves it as a GIF or writes the whole sprite
// set. It is not a dialog: the main window stays usable beside it, and it follows every change
// of the character without starting the animation over. While a dialog blocks it the animation
// stands still. Closing only hides it, so it opens again as it was.
class AnimationPreview : public QWidget {
    Q_OBJECT
  public:
    using Clock = std::function<AnimationPlayback::Ms()>;

    // Opens on walk at the main window's drawing size, on the checkerboard.
    AnimationPreview(const EditorState& character, QWidget* parent);
    ~AnimationPreview() override;

    // The main window's character, to be shown from now on: the frame on screen is drawn again at
    // once, the others as they come, and the animation goes on at the same frame and time.
    void set_character(const EditorState& character);

    // Plays the animation of that name from its first frame; false if there is none.
    bool play_animation(std::string_view name);

    // The time playing follows: a steady clock, unless a test gives its own.
    void set_clock(Clock clock);

    const AnimationPlayback& playback() const { return playback_; }
    const PreviewLook& look() const { return look_; }
    // The frame on screen at 1:1, see-through where the ground shows.
    const QImage& shown_sprite() const;

  public slots:
    // Brings the animation up to the clock's time; the timer calls it when a frame is due.
    void tick();
    // Asks for a file name and saves the animation as it shows: its size, and see-through on the
    // checkerboard or on the background colour.
    void save_gif();
    // Asks for a folder and writes the character's sprite set there.
    void export_sprite_set();

  protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    void build_controls();
    void connect_controls();
    void fill_list();
    // Time stands still while a dialog is open or the window is hidden.
    void update_hold();
    // Shows the frame the playback stands on, drawing it if it is not drawn yet, and sets the
    // timer for the next one.
    void show_frame();
    void schedule();
    void update_play_button();
    void report_error(const QString& text);

    CharacterOutput output_;
    Workspace workspace_;
    EditorState character_;
    AnimationPlayback playback_;
    PreviewLook look_;
    // The frames drawn for the character, by played index; null ones are drawn when they show.
    std::vector<QImage> frames_;
    Clock clock_;
    QTimer timer_;
    bool blocked_ = false;

    QTreeWidget* animation_list = nullptr;
    PreviewView* preview_view = nullptr;
    QPushButton* play_button = nullptr;
    QPushButton* step_button = nullptr;
    std::array<QRadioButton*, 3> speed_button{};
    std::array<QRadioButton*, 6> size_button{};
    std::array<QRadioButton*, 2> ground_button{};
    QPushButton* gif_button = nullptr;
    QPushButton* export_button = nullptr;
    QButtonGroup* speed_group_ = nullptr;
    QButtonGroup* size_group_ = nullptr;
    QButtonGroup* ground_group_ = nullptr;
};

}  // namespace kelvara::sprites
