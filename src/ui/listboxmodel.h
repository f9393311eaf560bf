#pragma once

#include "engine/listbox.h"

#include <QAbstractListModel>

namespace sylvane::ui {

// Shows a list box model to a QListView without copying its entries: the rows are read
// from the list box itself. The list box's signals drive it: a reset around a change of
// the entries (begun before they change, ended after), a repaint of the rows whose marks
// changed otherwise. Marked entries
// are highlighted, the current entry shaded. An entry's annotation is a role of its own
// (AnnotationRole), never part of its text.
class ListBoxModel : public QAbstractListModel {
    Q_OBJECT
  public:
    static constexpr int AnnotationRole = Qt::UserRole + 1;

    explicit ListBoxModel(const engine::ListBox& list, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

  private:
    void listChanged(engine::ControlChange what, int first, int last);

    const engine::ListBox& list_;
    int shownCount_ = 0;
};

} // namespace sylvane::ui
