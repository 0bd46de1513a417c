#include "export/ui/directory_list_box.h"

#include <dirent.h>

#include <sys/stat.h>

#include <QDir>
#include <QKeyEvent>
#include <QStyle>
#include <QStyledItemDelegate>
#include <algorithm>
#include <cerrno>
#include <limits>

#include "export/file_error.h"
#include "export/file_names.h"

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
    DIR* dir = ::opendir(name_bytes(folder).constData());
    if (dir == nullptr) return errno;
    ::closedir(dir);
    return 0;
}

// The names of the folders in folder, hidden ones left out, sorted regardless of case. A name is
// read as its bytes (see export/file_names.h), so that a folder whose name is not UTF-8 is listed
// and opened under that very name.
QStringList subfolders(const QString& folder) {
    QStringList names;
    const QByteArray path = name_bytes(folder);
    DIR* dir = ::opendir(path.constData());
    if (dir == nullptr) return names;
    while (const dirent* entry = ::readdir(dir)) {
        const QByteArray name(entry->d_name);
        struct stat st {};
        if (name.startsWith('.') || ::stat((path + '/' + name).constData(), &st) != 0 ||
            !S_ISDIR(st.st_mode)) {
            continue;
        }
        names << name_from_bytes(name);
    }
    ::closedir(dir);
    std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        const int order = a.compare(b, Qt::CaseInsensitive);
        return order != 0 ? order < 0 : a < b;
    });
    return names;
}

// A name as the list shows it: a byte that is no character, or a control character, written as
// an escape instead of a box or a line break.
QString shown(const QString& name) {
    return shortened(name, std::numeric_limits<int>::max());
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
        const QString name = depth == 0 ? chain[0] : chain[depth].section(QLatin1Char('/'), -1);
        auto* item =
            new QListWidgetItem(s->standardIcon(QStyle::SP_DirOpenIcon), shown(name), this);
        item->setData(path_role, chain[depth]);
        item->setData(depth_role, depth);
    }
    for (const QString& name : subfolders(target)) {
        auto* item =
            new QListWidgetItem(s->standardIcon(QStyle::SP_DirClosedIcon), shown(name), this);
        item->setData(path_role, target.endsWith(QLatin1Char('/'))
                                     ? target + name
                                     : target + QLatin1Char('/') + name);
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
