#pragma once

#include "engine/listbox.h"

#include <QAbstractListModel>

namespace sylvane::ui {

// Shows a list box model to a QListView without copying its entries: the rows are read
// from the list box itself. sync() tells the view what changed since the last call: a
// reset when the entries changed (contentRevision), a repaint of the marks otherwise.
class ListBoxModel : public QAbstractListModel {
    Q_OBJECT
  public:
    explicit ListBoxModel(const engine::ListBox& list, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    // Call when the list box's revision changed. Returns true when the rows were rebuilt.
    bool sync();

  private:
    const engine::ListBox& list_;
    quint64 shownContent_;
    int shownCount_ = 0;
};

} // namespace sylvane::ui
