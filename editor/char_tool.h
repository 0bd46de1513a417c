#pragma once

#include <QMainWindow>
#include <QPointer>
#include <array>
#include <memory>
#include <optional>

#include "compositor/palettes.h"
#include "compositor/sheets.h"
#include "compositor/workspace.h"
#include "editor/character_history.h"
#include "model/editor_state.h"
#include "model/random_items.h"
#include "random/random_source.h"
#include "widgets/unloading_dialog.h"

class QAction;
class QDragEnterEvent;
class QDropEvent;
class QContextMenuEvent;
class QButtonGroup;
class QMenu;
class QMimeData;
class QTemporaryDir;
class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QWidget;

namespace kelvara {

class SurfaceView;
namespace sprites {
class AnimationPreview;
}
namespace testing {
struct WindowInternals;
}

// The main window: it owns the editor state, the sheets and the working surfaces, carries every
// selector, and calls the compositor to draw. Each selector's value is the master copy of its
// selection; its change handler mirrors the value into the state.
//
// Handlers keep the names by which the rest of the program knows them (face_type_Change,
// reset_Click ...). A value set on a control from code runs the control's handler at once, nested,
// and only when the value changes. Every operation that changes several selections at once goes
// through apply_selection, which clears draw_flg so that those nested handlers do not draw, then
// draws once. The state and the controls are private: the menu items build each dialog from the
// window's values and connect its signals to the window's operations, and tests find the controls
// by their object names.
class CharTool : public QMainWindow {
    Q_OBJECT
  public:
    // Decodes the sheets, builds the controls and runs the start-up.
    explicit CharTool(QWidget* parent = nullptr);
    ~CharTool() override;

    const EditorState& state() const { return state_; }
    const Workspace& workspace() const { return ws_; }
    const Sheets& sheets() const { return sheets_; }
    RandomSource& random_source() { return rnd_; }

    // How many times the character was drawn and the head composed; lets callers check that an
    // operation drew exactly once.
    int draw_count() const { return draw_count_; }
    int compose_count() const { return compose_count_; }

    void compose_head();
    void Character_draw();
    void set_school_name();

    // Sets every control to the character of target, as if the user had chosen each value: the
    // sprite type, the ten selectors, the three options, the drawing size and the background. The
    // controls' change handlers run nested and only store, show and cut; then the head is
    // composed and the character drawn once. Random flags are not part of a character and stay.
    void apply_selection(const EditorState& target);
    // Face and hair together to one character number (the index dialog's jumps).
    void jump_to_character(int number);
    // Loads a parameter file as the window's character. A file that cannot be read or is
    // malformed is reported in a message box naming the file and the line at fault, and the
    // character stays as it was. Returns whether the file was loaded.
    bool open_parameter_file(const QString& path);
    // Whether the random button draws item anew; in force at once.
    void set_random_flag(RandomItem item, bool on);
    // The background colour; the view shows it from the next drawing on.
    void set_back_color(Colour colour);

    // Shows a dialog, loaded afresh, beside the main window without waiting; the main window
    // takes no input until it unloads, and then takes the keyboard back.
    void show_dialog(UnloadingDialog* dialog);
    // The dialog that is open, if any.
    UnloadingDialog* open_dialog_window() const { return open_dialog_; }

  public slots:
    void reset_Click();
    void random_Click();
    // The menu items. Each one that opens a dialog builds it from the window's values and
    // connects its signals here.
    void m_save_Click();
    void m_end_Click();
    void m_index_Click();
    void m_random_Click();
    void m_backcolor_Click();
    void m_version_Click();
    // The character view's context menu, and the window's shortcuts for its items.
    void m_copy_picture_Click();
    void m_undo_Click();
    void m_redo_Click();
    // The character's animations and sprite set, which the menu bar does not show: the preview
    // beside the main window, opened where it was left, and the sprite set written to a folder
    // (sprite_set_items.cpp).
    void m_animation_Click();
    void m_sprite_set_Click();

  signals:
    // The character was drawn anew: from Character_draw, the one drawing routine, so every
    // change of a selection, an option, the size or the background is told once it shows.
    void characterDrawn(const EditorState& character);

  protected:
    void closeEvent(QCloseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    void face_type_Change();
    void hair_type_Change();
    void cloth_type_Change();
    void face_hair_Scroll_Change();
    void face_hair_min_Click();
    void face_hair_max_Click();
    void face_hair_down_Click();
    void face_hair_up_Click();
    void size_button_Click(int index);
    void type_button_Click(int index);

    void hair_color_Change();
    void eye_color_Change();
    void accessory_color_Change();
    void body_color_Change();
    void cloth_color_Change();
    void pants_color_Change();
    void line_color_Change();
    void eye_optjion_b_Click(int index);
    void body_c_option_b_Click(int index);
    void cloth_c1_option_b_Click(int index);

    void build_controls();
    void build_names(QWidget* client);
    void build_face_and_hair(QWidget* client);
    void build_colours_and_options(QWidget* client);
    void build_pose_type_and_size(QWidget* client);
    void build_cloth_colours(QWidget* client);
    void group_options();
    void build_menus();
    void set_fonts();
    void set_focus_order();
    void connect_handlers();
    void dialog_unloaded();
    void Form_Load();

    // The character view's context menu: its actions and shortcuts, how it is opened, and the
    // hooks that record each settled change of the character (view_menu.cpp).
    void set_up_view_menu();
    // The menu, built afresh at each opening from the window's actions.
    QMenu* view_menu();
    // Pops the menu up at global_pos, unless a dialog or the menu itself is open.
    void open_view_menu(const QPoint& global_pos);
    // Records the character shown as the newest in the history, unless an operation is still
    // changing it. The character already shown is not recorded again, so a step through the
    // history, which shows one of its characters, records nothing.
    void note_character();
    void step_to(const Character& character);
    void update_history_actions();
    // The picture on the clipboard and in drags (picture_transfer.cpp). With as_file the data
    // also names a PNG file written for it, for programs that take files.
    QMimeData* picture_data(bool as_file);
    void start_picture_drag();
    // The character view's mouse: a left-button drag beyond the platform's distance drags the
    // picture; a click does nothing.
    bool view_mouse_event(QEvent* event);

    void cut_pose_cell_for_type(int pose);
    // Switches the sprite type: the face-and-hair controls lock or unlock, the pose range follows
    // and the pose shown is cut from the other sheet.
    void switch_type(Int16 type);
    // The selection that reset leaves under a sprite type: face and hair (on face poses), pose and
    // colours at 0.
    EditorState reset_selection(Int16 type) const;
    // Shared tail of the colour selectors: store, show, draw.
    void colour_changed(QScrollBar* bar, Int16& field, QLabel* readout);
    void option_clicked(int index, Int16& flag);
    void set_face_hair_controls_enabled(bool enabled);
    // Face and hair together, drawn once.
    void jump_face_and_hair(int face, int hair);
    QScrollBar* bar_of(RandomItem item) const { return item_bar_[static_cast<std::size_t>(item)]; }

    // Controls, by the names the handlers use.
    QScrollBar* face_type = nullptr;
    QScrollBar* hair_type = nullptr;
    QScrollBar* cloth_type = nullptr;
    QScrollBar* face_hair_Scroll = nullptr;
    QScrollBar* hair_color = nullptr;
    QScrollBar* eye_color = nullptr;
    QScrollBar* accessory_color = nullptr;
    QScrollBar* body_color = nullptr;
    QScrollBar* cloth_color = nullptr;
    QScrollBar* pants_color = nullptr;
    QScrollBar* line_color = nullptr;
    // Each random item's bar, indexed by RandomItem.
    std::array<QScrollBar*, random_items.size()> item_bar_{};
    QPushButton* face_hair_min = nullptr;
    QPushButton* face_hair_down = nullptr;
    QPushButton* face_hair_up = nullptr;
    QPushButton* face_hair_max = nullptr;
    QPushButton* random = nullptr;
    QPushButton* reset = nullptr;
    std::array<QLabel*, 10> name{};
    std::array<QLabel*, 1> dbg_face_num{};
    std::array<QLabel*, 1> dbg_hair_num{};
    std::array<QLabel*, 1> dbg_cloth_num{};
    std::array<QLabel*, 1> dbg_hair_color_num{};
    std::array<QLabel*, 1> dbg_eye_color_num{};
    std::array<QLabel*, 1> dbg_accessory_color_num{};
    std::array<QLabel*, 1> dbg_body_color_num{};
    std::array<QLabel*, 1> dbg_cloth_color_num{};
    std::array<QLabel*, 1> dbg_cloth2_color_num{};
    std::array<QLabel*, 1> dbg_cloth3_color_num{};
    QLabel* colth_name_label = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* eye_option_t = nullptr;
    QLabel* body_option_t = nullptr;
    QLabel* cloth__option_t = nullptr;
    QGroupBox* type_Frame = nullptr;
    QGroupBox* size_frame = nullptr;
    QWidget* Frame1 = nullptr;
    QWidget* Frame2 = nullptr;
    QWidget* Frame3 = nullptr;
    std::array<QRadioButton*, 6> size_button{};
    std::array<QRadioButton*, 2> type_button{};
    std::array<QRadioButton*, 2> eye_optjion_b{};
    std::array<QRadioButton*, 2> body_c_option_b{};
    std::array<QRadioButton*, 2> cloth_c1_option_b{};
    SurfaceView* character_view = nullptr;

    QMenu* m_file = nullptr;
    QAction* m_save = nullptr;
    QAction* m_end = nullptr;
    QMenu* m_edit = nullptr;
    QAction* m_index = nullptr;
    QMenu* m_config = nullptr;
    QAction* m_random = nullptr;
    QAction* m_backcolor = nullptr;
    QMenu* m_help = nullptr;
    QAction* m_version = nullptr;
    QAction* m_animation = nullptr;
    QAction* m_sprite_set = nullptr;
    QAction* m_copy_picture = nullptr;
    QAction* m_undo = nullptr;
    QAction* m_redo = nullptr;
    QPointer<QMenu> m_view;

    Sheets sheets_;
    PaletteStrips strips_;
    Workspace ws_;
    RandomSource rnd_;
    QButtonGroup* size_group_ = nullptr;
    QButtonGroup* type_group_ = nullptr;
    QButtonGroup* eye_group_ = nullptr;
    QButtonGroup* body_group_ = nullptr;
    QButtonGroup* cloth_group_ = nullptr;
    QPointer<UnloadingDialog> open_dialog_;
    QPointer<sprites::AnimationPreview> animation_preview_;
    int draw_count_ = 0;
    int compose_count_ = 0;
    CharacterHistory history_;
    // Open operations whose changes become one history entry when the outermost is done.
    int history_hold_ = 0;
    // Where a left button went down on the view, while a drag may still start from there.
    std::optional<QPoint> drag_from_;
    // The dragged pictures' files, one folder per drag, kept until the program ends.
    std::unique_ptr<QTemporaryDir> drag_folder_;
    int drags_ = 0;

    EditorState state_;
    Int16 draw_flg = vb_false;
    Int16 face_max = 0;
    Int16 hair_max = 0;
    Int16 face_front_flg = vb_false;

    // The tests read and set the drawing flags, which no caller of the window may.
    friend struct testing::WindowInternals;
};

}  // namespace kelvara
