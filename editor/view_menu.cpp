#include <QAction>
#include <QButtonGroup>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QScrollBar>
#include <QShortcut>

#include "editor/char_tool.h"
#include "widgets/surface_view.h"

// The character view's context menu and the history of characters it steps through. Nothing of
// it shows until asked for: the menu opens by a right click on the view, by the menu key or by
// Shift+F10, and its items also have shortcuts of their own.
namespace kelvara {

void CharTool::set_up_view_menu() {
    auto item = [this](const char* object_name, const QString& caption,
                       const QList<QKeySequence>& keys, void (CharTool::*handler)()) {
        auto* a = new QAction(caption, this);
        a->setObjectName(QString::fromLatin1(object_name));
        a->setShortcuts(keys);
        // On the window, not only in the menu, so that the shortcuts work while it is closed.
        addAction(a);
        connect(a, &QAction::triggered, this, handler);
        return a;
    };
    // The character's animations come first; they have no shortcut of their own.
    m_animation =
        item("m_animation", QStringLiteral("アニメーション(&A)"), {}, &CharTool::m_animation_Click);
    m_sprite_set = item("m_sprite_set", QStringLiteral("スプライトセット書き出し(&E)"), {},
                        &CharTool::m_sprite_set_Click);
    m_copy_picture = item("m_copy_picture", QStringLiteral("画像コピー(&C)"),
                          {QKeySequence(Qt::CTRL | Qt::Key_C)}, &CharTool::m_copy_picture_Click);
    m_undo = item("m_undo", QStringLiteral("元に戻す(&U)"), {QKeySequence(Qt::CTRL | Qt::Key_Z)},
                  &CharTool::m_undo_Click);
    m_redo =
        item("m_redo", QStringLiteral("やり直し(&R)"),
             {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)},
             &CharTool::m_redo_Click);

    character_view->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(character_view, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { open_view_menu(character_view->mapToGlobal(at)); });
    character_view->installEventFilter(this);
    for (const QKeySequence& keys :
         {QKeySequence(Qt::Key_Menu), QKeySequence(Qt::SHIFT | Qt::Key_F10)}) {
        connect(new QShortcut(keys, this), &QShortcut::activated, this, [this] {
            open_view_menu(character_view->mapToGlobal(character_view->rect().center()));
        });
    }

    // Connected after the change handlers, so the state already holds the new value. A change
    // made by the user counts when it settles: a drag of the handle when it is released, a held
    // arrow when the mouse lets go, a key press at once. Changes made while an operation runs
    // (draw_flg off) are that operation's.
    for (const RandomItemInfo& info : random_items) {
        QScrollBar* bar = bar_of(info.item);
        connect(bar, &QScrollBar::valueChanged, this, [this, bar] {
            if (draw_flg && !bar->isSliderDown() &&
                QGuiApplication::mouseButtons() == Qt::NoButton) {
                note_character();
            }
        });
        connect(bar, &QScrollBar::sliderReleased, this, &CharTool::note_character);
        bar->installEventFilter(this);
    }
    for (QButtonGroup* options : {eye_group_, body_group_, cloth_group_}) {
        connect(options, &QButtonGroup::idClicked, this, &CharTool::note_character);
    }
}

QMenu* CharTool::view_menu() {
    auto* menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("m_view"));
    menu->addAction(m_animation);
    menu->addAction(m_sprite_set);
    menu->addSeparator();
    menu->addAction(m_copy_picture);
    menu->addSeparator();
    menu->addAction(m_undo);
    menu->addAction(m_redo);
    return menu;
}

void CharTool::open_view_menu(const QPoint& global_pos) {
    // While a dialog is open the main window takes no input; the menu key, which some platforms
    // send both as a key and as a context-menu request, opens one menu only.
    if (open_dialog_ != nullptr || (m_view != nullptr && m_view->isVisible())) return;
    m_view = view_menu();
    m_view->setAttribute(Qt::WA_DeleteOnClose);
    m_view->popup(global_pos);
}

void CharTool::contextMenuEvent(QContextMenuEvent* event) {
    // The keyboard's request, from whichever control has the focus; a right click beside the view
    // shows nothing new.
    if (event->reason() != QContextMenuEvent::Keyboard) return QMainWindow::contextMenuEvent(event);
    open_view_menu(character_view->mapToGlobal(character_view->rect().center()));
}

bool CharTool::eventFilter(QObject* watched, QEvent* event) {
    if (watched == character_view) return view_mouse_event(event);
    switch (event->type()) {
        case QEvent::MouseButtonRelease:
            note_character();
            break;
        case QEvent::ContextMenu:
            // The scroll bars have a menu of their own for the mouse; the keyboard's is ours.
            if (static_cast<QContextMenuEvent*>(event)->reason() == QContextMenuEvent::Keyboard) {
                contextMenuEvent(static_cast<QContextMenuEvent*>(event));
                return true;
            }
            break;
        default:
            break;
    }
    return false;
}

void CharTool::note_character() {
    if (history_hold_ > 0) return;
    history_.record(character_of(state_));
    update_history_actions();
}

void CharTool::update_history_actions() {
    m_undo->setEnabled(history_.can_step_back());
    m_redo->setEnabled(history_.can_step_forward());
}

void CharTool::step_to(const Character& character) {
    // The size and background are how the character is shown, and stay. The apply routine notes
    // the character it shows, which is the one stepped to: the history stays as it is.
    apply_selection(with_character(state_, character));
}

void CharTool::m_undo_Click() {
    if (history_.can_step_back()) step_to(history_.step_back());
}

void CharTool::m_redo_Click() {
    if (history_.can_step_forward()) step_to(history_.step_forward());
}

}  // namespace kelvara
