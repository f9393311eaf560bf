#pragma once

#include "core/tablelimits.h"

#include <QString>
#include <QStringList>

#include <array>
#include <memory>
#include <optional>
#include <span>
#include <vector>

namespace sylvane::keytable {

// A cell as an index into its column's pool of distinct texts; 0 is the empty text.
using ValueId = quint16;

// The texts of one column grouped and ordered as a sorted list box shows them: the
// collation key first (case and accents ignored), the exact text second. With accent
// folding, texts that fold alike form one group under the folded text.
struct ColumnOrder {
    std::vector<int> groupOfId; // pool id -> group; id 0 is always group 0
    std::vector<QString> texts; // group -> text shown
    std::vector<QString> keys;  // group -> collation key
    std::vector<int> listOrder; // the groups, sorted
};

// A key table as typed data: the header (title, comments, field names and counts) and the
// stored lines, rows 1..rowCount(). The header lines take the first rows, all empty, so
// that row numbers are those the windows show. Each column keeps its cells as ids into a
// pool of its distinct texts, built while the rows are appended. Reads outside the table
// give "" (id 0).
class KeyTable {
  public:
    // The most distinct non-empty texts a column holds: ids 1..65535 (0 is the empty text).
    static constexpr int MaxDistinctTexts = 65535;

    KeyTable();
    KeyTable(KeyTable&&) noexcept;
    KeyTable& operator=(KeyTable&&) noexcept;
    ~KeyTable();

    const QString& title() const { return title_; }
    const QStringList& comments() const { return comments_; }
    int fieldCount() const { return fieldCount_; }
    int declaredFieldCount() const { return declaredFieldCount_; }
    const QString& fieldName(int field) const;

    int rowCount() const { return static_cast<int>(fileLines_.size()) - 1; }
    // The 1-based line of the file a row was read from; 0 outside the table.
    int fileLine(int row) const;

    ValueId cellId(int row, int field) const;
    // The ids of a column's cells indexed by row (element 0 unused), for passes over every
    // row of a field; empty outside the fields.
    std::span<const ValueId> cells(int field) const;
    // The number of distinct ids of a column, id 0 included; 0 outside the fields.
    int poolSize(int field) const;
    const QString& text(int field, ValueId id) const;
    const QString& cell(int row, int field) const { return text(field, cellId(row, field)); }
    const QString& operator()(int row, int field) const { return cell(row, field); }

    // The column's texts in list order, built on first use and kept until the table changes.
    const ColumnOrder& columnOrder(int field, bool foldAccents) const;
    // Changes with every change of the contents, never the same for two states of any two
    // tables: what is derived from a table can be kept until it no longer matches.
    quint64 revision() const { return revision_; }

    // ---- Building ----------------------------------------------------------------------
    void clear();
    void setTitle(const QString& title) { title_ = title; }
    void addComment(const QString& comment) { comments_.append(comment); }
    // Field names 1..names.size(); the declared and actual counts become that size.
    void setFieldNames(const QStringList& names);
    // Room for that many rows in all, so that a load does not regrow its columns.
    void reserveRows(int rows);
    // Appends one row; values[0] is field 1. Values past the last field are dropped.
    // False (nothing stored) when the table already holds MaxRows rows, or when a value
    // would be a new text of a column that holds MaxDistinctTexts already.
    bool appendRow(int fileLine, std::span<const QStringView> values);
    bool appendEmptyRow(int fileLine) { return appendRow(fileLine, {}); }
    // Writes one cell, appending empty rows up to row first. False (nothing written)
    // outside the format's limits or when text would be a new text of a full column. A
    // text no cell uses any more stays in its pool.
    bool setCell(int row, int field, const QString& text);
    // The text lookups of the load are dropped: the pools stay, the memory goes.
    void finishLoad();

  private:
    struct Column;
    // The id of value in the column, added to its pool when new; none when the pool is full.
    std::optional<ValueId> idOf(Column& column, int field, QStringView value);
    std::optional<ValueId> idOfNextCell(Column& column, int field, QStringView value);
    void forgetOrders();
    void changed();

    QString title_;
    QStringList comments_;
    QStringList fieldNames_; // element 0 is field 1
    int fieldCount_ = 0;
    int declaredFieldCount_ = 0;
    std::vector<int> fileLines_;  // per row; element 0 unused
    std::vector<Column> columns_; // per field; element 0 unused
    mutable std::array<std::vector<std::unique_ptr<ColumnOrder>>, 2> orders_;
    quint64 revision_ = 0;
};

} // namespace sylvane::keytable
