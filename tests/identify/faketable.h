#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <span>
#include <vector>

namespace sylvane::testing {

// A value id typed as the key table may type it (0: empty text).
enum class FakeValueId : int {};

// A key table of value ids built from texts, with the shape of the typed key table (for the
// tests and the ranking benchmark): each column numbers its distinct texts from 1 in order
// of appearance, the empty text is 0; a column's cells are indexed by row from 1.
class FakeTable {
  public:
    // rows: one list of cells per row (field 1 first); short rows end with empty cells.
    explicit FakeTable(const QList<QStringList>& rows) : rows_(static_cast<int>(rows.size())) {
        for (const QStringList& row : rows)
            fields_ = std::max(fields_, static_cast<int>(row.size()));
        std::vector<QHash<QString, int>> ids(static_cast<size_t>(fields_));
        columns_.assign(static_cast<size_t>(fields_), std::vector<FakeValueId>{FakeValueId{0}});
        for (const QStringList& row : rows)
            for (int f = 0; f < fields_; ++f) {
                const QString text = f < row.size() ? row[f] : QString();
                auto& column = ids[static_cast<size_t>(f)];
                if (!text.isEmpty() && !column.contains(text))
                    column.insert(text, static_cast<int>(column.size()) + 1);
                columns_[static_cast<size_t>(f)].push_back(FakeValueId{column.value(text, 0)});
            }
        for (const auto& column : ids)
            pools_.push_back(static_cast<int>(column.size()) + 1);
    }

    int rowCount() const { return rows_; }
    int fieldCount() const { return fields_; }
    int poolSize(int field) const { return pools_[static_cast<size_t>(field - 1)]; }
    std::span<const FakeValueId> cells(int field) const {
        return columns_[static_cast<size_t>(field - 1)];
    }
    FakeValueId cellId(int row, int field) const { return cells(field)[static_cast<size_t>(row)]; }

  private:
    int rows_;
    int fields_ = 0;
    std::vector<std::vector<FakeValueId>> columns_; // per field, per row from 1
    std::vector<int> pools_;
};

} // namespace sylvane::testing
