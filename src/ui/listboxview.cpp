#include "ui/listboxview.h"

#include "engine/userinput.h"
#include "ui/annotationdelegate.h"
#include "ui/listboxmodel.h"
#include "ui/vbinput.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

#include <algorithm>

namespace sylvane::ui {

ListBoxView::ListBoxView(engine::Window& window, engine::ListBox& list, QWidget* parent)
    : QListView(parent), window_(window), list_(list), model_(new ListBoxModel(list, this)) {
    setModel(model_);
    setItemDelegate(new AnnotationDelegate(ListBoxModel::AnnotationRole, this));
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::NoSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // After the item model, which resets its rows first.
    connect(&list, &engine::Control::changed, this,
            [this](engine::ControlChange what) { listChanged(what); });
}

void ListBoxView::listChanged(engine::ControlChange what) {
    if (what != engine::ControlChange::Entries && what != engine::ControlChange::Current)
        return;
    const int current = list_.currentIndex();
    if (current < 0) {
        if (what == engine::ControlChange::Current)
            setCurrentIndex({});
        return;
    }
    const QModelIndex index = model_->index(current);
    setCurrentIndex(index);
    if (hasAutoScroll()) // off while a press is handled
        scrollTo(index);
}

// The entry pressed is under the pointer: the list stays where it is until the release,
// since showing the entry whole would slide another one under the pointer. The release
// shows it whole.
void ListBoxView::press(QMouseEvent* event) {
    const int row = indexAt(event->position().toPoint()).row();
    const int button = vbMouseButton(event->button());
    setAutoScroll(false);
    engine::userMouseDown(window_, list_, button, row);
    if (button == 1 && row >= 0)
        engine::userClick(window_, list_, row);
    setAutoScroll(true);
    setFocus(Qt::MouseFocusReason);
}

void ListBoxView::mousePressEvent(QMouseEvent* event) {
    press(event);
}

void ListBoxView::mouseDoubleClickEvent(QMouseEvent* event) {
    press(event);
}

// The view's own dragging and releasing would select: the list does that itself.
void ListBoxView::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    if (currentIndex().isValid())
        scrollTo(currentIndex());
}

void ListBoxView::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
}

int ListBoxView::moveTarget(int qtKey) const {
    const int cursor = currentIndex().isValid() ? currentIndex().row() : list_.currentIndex();
    const int page = std::max(viewport()->height() / std::max(sizeHintForRow(0), 1), 1);
    int target = cursor;
    switch (qtKey) {
    case Qt::Key_Up:
        target -= 1;
        break;
    case Qt::Key_Down:
        target += 1;
        break;
    case Qt::Key_PageUp:
        target -= page;
        break;
    case Qt::Key_PageDown:
        target += page;
        break;
    case Qt::Key_Home:
        target = 0;
        break;
    case Qt::Key_End:
        target = list_.count() - 1;
        break;
    default:
        return -1;
    }
    return std::clamp(target, 0, std::max(list_.count() - 1, 0));
}

void ListBoxView::clickEntry(int row) {
    if (row >= 0 && row < list_.count())
        engine::userClick(window_, list_, row);
}

void ListBoxView::keyPressEvent(QKeyEvent* event) {
    shift_.pressed(event->key());
    const int code = event->key() == Qt::Key_Shift ? 0 : vbKeyCode(event->key());
    if (code != 0 && list_.onKeyDown)
        engine::userKey(window_, list_, code);
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        clickEntry(currentIndex().row());
        return;
    default:
        break;
    }
    const int target = moveTarget(event->key());
    if (target < 0) {
        QListView::keyPressEvent(event);
        return;
    }
    if (list_.count() == 0)
        return;
    if (list_.multiSelect()) {
        setCurrentIndex(model_->index(target));
        scrollTo(model_->index(target));
    } else if (target != list_.currentIndex()) {
        clickEntry(target);
    }
}

void ListBoxView::keyReleaseEvent(QKeyEvent* event) {
    if (!event->isAutoRepeat() && shift_.released(event->key()) && list_.onKeyDown)
        engine::userKey(window_, list_, vbKeyCode(Qt::Key_Shift));
    QListView::keyReleaseEvent(event);
}

void ListBoxView::focusInEvent(QFocusEvent* event) {
    QListView::focusInEvent(event);
    viewport()->update();
}

void ListBoxView::focusOutEvent(QFocusEvent* event) {
    shift_.reset();
    QListView::focusOutEvent(event);
    viewport()->update();
}

void ListBoxView::paintEvent(QPaintEvent* event) {
    QListView::paintEvent(event);
    if (!hasFocus())
        return;
    const QModelIndex cursor = currentIndex();
    if (cursor.isValid() && viewport()->rect().intersects(visualRect(cursor)))
        return; // the entry under the cursor shows the focus
    QPainter painter(viewport());
    QPen pen(palette().color(QPalette::Highlight), 2);
    painter.setPen(pen);
    painter.drawRect(viewport()->rect().adjusted(1, 1, -1, -1));
}

void ListBoxView::setWrapping(bool wrapping) {
    setWordWrap(wrapping);
    setUniformItemSizes(!wrapping);
    setResizeMode(wrapping ? QListView::Adjust : QListView::Fixed);
    setHorizontalScrollBarPolicy(wrapping ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAsNeeded);
}

// An entry wider than the list shows its whole text in a tooltip.
bool ListBoxView::viewportEvent(QEvent* event) {
    if (event->type() != QEvent::ToolTip)
        return QListView::viewportEvent(event);
    const auto* help = static_cast<QHelpEvent*>(event);
    const QModelIndex index = indexAt(help->pos());
    const QString text = index.data().toString();
    const QRect shown = visualRect(index);
    if (index.isValid() &&
        fontMetrics().horizontalAdvance(text) + 8 > viewport()->width() - shown.left())
        QToolTip::showText(help->globalPos(), text, viewport(), shown);
    else
        QToolTip::hideText();
    return true;
}

} // namespace sylvane::ui
