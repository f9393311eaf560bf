#include "ui/annotationdelegate.h"

#include <QAbstractItemView>
#include <QPainter>

namespace sylvane::ui {

namespace {

// The gap between the text and its annotation, and after the annotation.
constexpr int AnnotationMargin = 6;

// A colour role's value, given as a brush or as a colour.
QBrush brushOf(const QVariant& value) {
    if (value.metaType() == QMetaType::fromType<QColor>())
        return value.value<QColor>();
    return value.value<QBrush>();
}

} // namespace

void AnnotationDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                               const QModelIndex& index) const {
    const QString annotation = index.data(annotationRole_).toString();
    if (annotation.isEmpty()) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    const int room = option.fontMetrics.horizontalAdvance(annotation) + 2 * AnnotationMargin;
    // The entry as usual in the row less the annotation's room, elided if need be...
    QStyleOptionViewItem text = option;
    text.rect.setRight(option.rect.right() - room);
    QStyledItemDelegate::paint(painter, text, index);
    // ... and the annotation's room on the same background.
    const QRect strip(text.rect.right() + 1, option.rect.top(), room, option.rect.height());
    const QVariant background = index.data(Qt::BackgroundRole);
    if (background.isValid())
        painter->fillRect(strip, brushOf(background));
    painter->save();
    const QVariant foreground = index.data(Qt::ForegroundRole);
    painter->setPen(foreground.isValid() ? brushOf(foreground).color()
                                         : option.palette.color(QPalette::Text));
    painter->drawText(option.rect.adjusted(0, 0, -AnnotationMargin, 0),
                      Qt::AlignRight | Qt::AlignVCenter, annotation);
    painter->restore();
}

QSize AnnotationDelegate::sizeHint(const QStyleOptionViewItem& option,
                                   const QModelIndex& index) const {
    // A list that wraps its entries gives each one its width, so that a long one takes as
    // many lines as it needs there.
    QStyleOptionViewItem within = option;
    if (const auto* view = qobject_cast<const QAbstractItemView*>(option.widget);
        view && option.features.testFlag(QStyleOptionViewItem::WrapText))
        within.rect = QRect(0, 0, view->viewport()->width(), option.fontMetrics.height());
    QSize size = QStyledItemDelegate::sizeHint(within, index);
    const QString annotation = index.data(annotationRole_).toString();
    if (!annotation.isEmpty())
        size.rwidth() += option.fontMetrics.horizontalAdvance(annotation) + 2 * AnnotationMargin;
    return size;
}

} // namespace sylvane::ui
