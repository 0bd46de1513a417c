#include "widgets/placement.h"

#include <QButtonGroup>
#include <QFocusEvent>
#include <QRadioButton>

namespace kelvara {

QPoint client_offset(const QWidget* container) {
    QPoint offset;
    for (const QWidget* w = container;
         w != nullptr && !w->isWindow() && w->objectName() != QLatin1String("client");
         w = w->parentWidget()) {
        offset += w->pos();
    }
    return offset;
}

QLabel* bordered_label(QWidget* parent, const QString& text, const char* object_name, int x, int y,
                       int w, int h, Qt::Alignment alignment) {
    auto* label = place(new QLabel(text, parent), object_name, x, y, w, h);
    label->setFrameStyle(QFrame::Box | QFrame::Plain);
    label->setLineWidth(1);
    label->setAlignment(alignment | Qt::AlignVCenter);
    return label;
}

QLabel* plain_label(QWidget* parent, const QString& text, const char* object_name, int x, int y,
                    int w, int h) {
    auto* label = place(new QLabel(text, parent), object_name, x, y, w, h);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

bool SelectedOptionFocus::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::FocusIn) return false;
    const auto reason = static_cast<QFocusEvent*>(event)->reason();
    if (reason != Qt::TabFocusReason && reason != Qt::BacktabFocusReason) return false;
    auto* button = qobject_cast<QRadioButton*>(watched);
    QButtonGroup* group = button != nullptr ? button->group() : nullptr;
    QAbstractButton* selected = group != nullptr ? group->checkedButton() : nullptr;
    if (selected != nullptr && selected != button) selected->setFocus(reason);
    return false;
}

}  // namespace kelvara
