#include "widgets/directory_list_box.h"

#include <dirent.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QStyle>
#include <QStyledItemDelegate>
#include <cerrno>

namespace kelvara {

namespace {

constexpr int path_role = Qt::UserRole;
constexpr int depth_role = Qt::UserRole + 1;
constexpr int indent_step = 10;

// Indents each entry by its depth in the tree.
class IndentDelegate : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyleOptionViewItem indented(option);
        indented.rect.setLeft(indented.rect.left() + indent_step * index.data(depth_role).toInt());
        QStyledItemDelegate::paint(painter, indented, index);
    }
};

QString absolute_clean_path(const QString& folder) {
    return QDir::cleanPath(QDir(folder).absolutePath());
}

// 0 when the folder can be opened; the system's error number when it cannot.
int open_error(const QString& folder) {
    DIR* dir = ::opendir(QFile::encodeName(folder).constData());
    if (dir == nullptr) return errno;
    ::closedir(dir);
    return 0;
}

// The folders from the root down to folder, folder included.
QStringList path_from_root(const QString& folder) {
    QStringList chain = {QStringLiteral("/")};
    QString walked;
    for (const QString& part : folder.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        walked += QLatin1Char('/') + part;
        chain.append(walked);
    }
    return chain;
}

}  // namespace

DirectoryListBox::DirectoryListBox(QWidget* parent) : QListWidget(parent) {
    setItemDelegate(new IndentDelegate(this));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true);
    connect(this, &QListWidget::currentRowChanged, this, [this] {
        if (!filling_) emit Click();
    });
    connect(this, &QListWidget::itemClicked, this, [this] { emit Click(); });
    connect(this, &QListWidget::itemDoubleClicked, this, [this] { open_selected(); });
}

int DirectoryListBox::setPath(const QString& folder) {
    const QString target = absolute_clean_path(folder);
    if (const int error = open_error(target); error != 0) return error;

    filling_ = true;
    clear();
    const QStyle* s = style();
    const QStringList chain = path_from_root(target);
    for (int depth = 0; depth < chain.size(); ++depth) {
        const QString name = depth == 0 ? chain[0] : QFileInfo(chain[depth]).fileName();
        auto* item = new QListWidgetItem(s->standardIcon(QStyle::SP_DirOpenIcon), name, this);
        item->setData(path_role, chain[depth]);
        item->setData(depth_role, depth);
    }
    const QDir dir(target);
    for (const QString& name :
         dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase)) {
        auto* item = new QListWidgetItem(s->standardIcon(QStyle::SP_DirClosedIcon), name, this);
        item->setData(path_role, dir.filePath(name));
        item->setData(depth_role, static_cast<int>(chain.size()));
    }
    path_ = target;
    setCurrentRow(shown_row());
    scrollToItem(item(shown_row()), QAbstractItemView::PositionAtTop);
    filling_ = false;
    return 0;
}

int DirectoryListBox::shown_row() const {
    return static_cast<int>(path_from_root(path_).size()) - 1;
}

int DirectoryListBox::ListIndex() const {
    return currentRow() < 0 ? -1 : currentRow() - shown_row() - 1;
}

QString DirectoryListBox::List(int index) const {
    const QListWidgetItem* entry = item(index + shown_row() + 1);
    return entry == nullptr ? QString() : entry->data(path_role).toString();
}

int DirectoryListBox::ListCount() const {
    return count() - shown_row() - 1;
}

void DirectoryListBox::open_selected() {
    const QString target = List(ListIndex());
    if (target.isEmpty()) return;
    if (const int error = setPath(target); error != 0)
        emit OpenFailed(absolute_clean_path(target), error);
}

void DirectoryListBox::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        open_selected();
        return;
    }
    QListWidget::keyPressEvent(event);
}

}  // namespace kelvara
