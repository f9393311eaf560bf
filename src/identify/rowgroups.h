#pragma once

#include "keytable/keytable.h"

#include <span>
#include <vector>

namespace sylvane::identify {

// The identification works on the typed table under its own names.
using keytable::ColumnOrder;
using keytable::KeyTable;
using keytable::ValueId;

// Rows grouped by their text in one field, the groups in the order a sorted list shows
// them and the rows of each group in the order they were given: the value list of a field
// (each distinct value with its rows), or the taxa found when the field is the taxon
// column. Built by one counting pass over the cell ids; only the column's distinct texts
// are ever sorted, once per table.
class RowGroups {
  public:
    enum class Empty { Dropped, Kept };

    RowGroups() = default;
    RowGroups(const KeyTable& table, std::span<const int> rows, int field, bool foldAccents,
              Empty empty);

    // Groups made elsewhere, in list order: one per text, with its key and rows.
    void append(QString text, QString key, std::span<const int> rows);

    int count() const { return static_cast<int>(texts_.size()); }
    bool isEmpty() const { return texts_.empty(); }
    // Out-of-range groups read as an empty text without rows.
    const QString& text(int group) const;
    const QString& key(int group) const;
    std::span<const int> rows(int group) const;
    int firstRow(int group) const;
    // The rows of a group joined by ";" ("3;5;12"), as the value lists record them.
    QString rowsText(int group) const;
    // The texts in list order.
    const std::vector<QString>& texts() const { return texts_; }

  private:
    std::vector<QString> texts_;
    std::vector<QString> keys_;
    std::vector<int> starts_{0}; // group g holds rows_[starts_[g]..starts_[g + 1])
    std::vector<int> rows_;
};

} // namespace sylvane::identify
