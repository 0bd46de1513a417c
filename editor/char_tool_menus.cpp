#include <QCloseEvent>
#include <QGuiApplication>
#include <QMenuBar>

#include "editor/char_tool.h"

// The menu bar and ending the program.
namespace kelvara {

void CharTool::build_menus() {
    QMenuBar* bar = menuBar();
    auto menu = [bar](const char* object_name, const QString& caption) {
        QMenu* m = bar->addMenu(caption);
        m->setObjectName(QString::fromLatin1(object_name));
        return m;
    };
    auto item = [](QMenu* m, const char* object_name, const QString& caption) {
        QAction* a = m->addAction(caption);
        a->setObjectName(QString::fromLatin1(object_name));
        return a;
    };
    m_file = menu("m_file", QStringLiteral("ファイル(&F)"));
    m_save = item(m_file, "m_save", QStringLiteral("画像保存(&S)"));
    m_end = item(m_file, "m_end", QStringLiteral("終了(&X)"));
    m_edit = menu("m_edit", QStringLiteral("編集(&E)"));
    m_index = item(m_edit, "m_index", QStringLiteral("索引(&I)"));
    m_config = menu("m_config", QStringLiteral("設定(&O)"));
    m_random = item(m_config, "m_random", QStringLiteral("ランダム(&R)"));
    m_backcolor = item(m_config, "m_backcolor", QStringLiteral("背景色(&C)"));
    m_help = menu("m_help", QStringLiteral("ヘルプ(&H)"));
    m_version = item(m_help, "m_version", QStringLiteral("バージョン情報(&A)"));

    connect(m_end, &QAction::triggered, this, &CharTool::m_end_Click);
    // Dialog items; their handlers are in char_tool_dialogs.cpp.
    connect(m_save, &QAction::triggered, this, &CharTool::m_save_Click);
    connect(m_index, &QAction::triggered, this, &CharTool::m_index_Click);
    connect(m_random, &QAction::triggered, this, &CharTool::m_random_Click);
    connect(m_backcolor, &QAction::triggered, this, &CharTool::m_backcolor_Click);
    connect(m_version, &QAction::triggered, this, &CharTool::m_version_Click);
}

void CharTool::m_end_Click() {
    close();
}

void CharTool::closeEvent(QCloseEvent* event) {
    // Qt's modality already keeps the close box's request away while a dialog is open; a close
    // asked for by the program itself (the end item, quitting) is refused here the same way.
    if (open_dialog_ != nullptr) {
        event->ignore();
        return;
    }
    event->accept();
}

}  // namespace kelvara
