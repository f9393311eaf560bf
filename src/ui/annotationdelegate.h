#pragma once

#include <QStyledItemDelegate>

namespace sylvane::ui {

// Paints a list entry as usual, with its annotation (the model's annotation role)
// right-aligned after it; the entry's text gives up the room the annotation takes, and is
// elided if it must.
class AnnotationDelegate : public QStyledItemDelegate {
    Q_OBJECT
  public:
    AnnotationDelegate(int annotationRole, QObject* parent = nullptr)
        : QStyledItemDelegate(parent), annotationRole_(annotationRole) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

  private:
    int annotationRole_;
};

} // namespace sylvane::ui
