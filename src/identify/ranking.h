#pragma once

#include <QString>
#include <QtGlobal>

#include <algorithm>
#include <array>
#include <functional>
#include <span>
#include <vector>

// The separating power of the fields still listed: for each field, the number of taxa
// expected to remain once its value is chosen, and the fields ordered best first.
namespace sylvane::identify {

// The counts of one field over the taxa found. valueCount is the number of distinct
// non-empty values; n_v the number of taxa a choice of value v would keep.
struct FieldTally {
    int field = 0;
    int valueCount = 0;
    qint64 taxaSum = 0;    // sum of n_v
    qint64 squaresSum = 0; // sum of n_v squared
};

// One field of the ordered list. A field that cannot split the taxa found (no non-empty
// value, or a single one) has no expected count and goes last; so does a field that names
// the taxa, before those.
struct FieldRank {
    int field = 0;
    bool separates = false;
    double expected = 0.0; // taxa expected to remain: sum n_v^2 / sum n_v
    bool namesTaxa = false;
};

// The expected count of one field from its tally.
FieldRank rankOf(const FieldTally& tally);

// The ranks of the fields of tallies, in their order; isNameField tells the fields that
// name the taxa.
std::vector<FieldRank> ranksOf(const std::vector<FieldTally>& tallies,
                               const std::function<bool(int field)>& isNameField = {});

// The fields of tallies, best first (fewest taxa expected to remain), then the fields that
// name the taxa (isNameField), then those that do not separate. Ties and the fields of
// each of the last two groups keep the order of tallies.
std::vector<FieldRank> orderFields(const std::vector<FieldTally>& tallies,
                                   const std::function<bool(int field)>& isNameField = {});

// The expected count as the field list shows it after the field name: "≈ 4,2"
// (one decimal, decimal comma); "nom" for a field that names the taxa, "" for a field
// that does not separate.
QString rankListText(const FieldRank& rank);
// The expected count as the driver prints it: "2.50" (two decimals, dot); "nom" for a
// field that names the taxa, "-" for a field that does not separate.
QString rankDriverText(const FieldRank& rank);

// How the values of a field are grouped, as its value list groups them: per cell id, its
// group (id 0, the empty cell, is group 0 and groups stay below the column's pool size),
// or an empty span when every id is a value of its own.
using ValueGroupsOf = std::function<std::span<const int>(int field)>;

// The found rows grouped by taxon: taxa numbered 0.. in order of first appearance, each
// with its rows in found order. names: the name id of each found row (0: no name, the row
// is left out); namePool: the ids of names run below it.
class TaxonGroups {
  public:
    TaxonGroups(std::span<const int> rows, std::span<const int> names, int namePool);
    int count() const { return static_cast<int>(start_.size()) - 1; }
    std::span<const int> rowsOf(int taxon) const {
        const auto first = static_cast<size_t>(start_[static_cast<size_t>(taxon)]);
        const auto last = static_cast<size_t>(start_[static_cast<size_t>(taxon) + 1]);
        return std::span<const int>(rows_).subspan(first, last - first);
    }

  private:
    std::vector<int> rows_;
    std::vector<int> start_; // taxon t's rows are rows_[start_[t] .. start_[t + 1])
};

// The taxa that each value of one field keeps, fed taxon by taxon.
class ValueTaxaCounter {
  public:
    void reset(int field, int poolSize);
    // The next taxon; keptAnyway: no choice of the field rules it out (one of its rows
    // leaves the field empty), so it counts once in every value.
    void startTaxon(int taxon, bool keptAnyway) {
        taxon_ = taxon;
        keptAnyway_ = keptAnyway;
        keptByAny_ += keptAnyway ? 1 : 0;
    }
    // A value of one of the current taxon's rows (0: empty cell).
    void addValue(int value) {
        const auto v = static_cast<size_t>(value);
        if (value == 0 || lastTaxon_[v] == taxon_)
            return;
        if (lastTaxon_[v] < 0)
            seenValues_.push_back(value);
        lastTaxon_[v] = taxon_;
        if (!keptAnyway_)
            ++taxaOfValue_[v];
    }
    FieldTally tally() const;

  private:
    int field_ = 0;
    int taxon_ = -1;
    bool keptAnyway_ = false;
    qint64 keptByAny_ = 0;
    std::vector<int> taxaOfValue_;
    std::vector<int> lastTaxon_; // -1: value not seen among the found rows
    std::vector<int> seenValues_;
};

// Counts, for each field of fields, the taxa that each of its values would keep among
// the found rows. Table is the typed key table (or anything with its shape):
//   int rowCount(), int poolSize(int field) (distinct ids of the column, id 0 included),
//   span<const ValueId> cells(int field) (the column's ids indexed by row from 1, id 0 for
//   an empty cell, ids below poolSize(field)).
// Rows are merged into taxa by their name (the id of field 1); rows without a name are
// left out, as the taxa list leaves them out. Values are grouped by groupsOf, as the value
// list shows them. A taxon counts once for each distinct value found in any of its rows;
// a taxon with an empty cell for the field in one of its found rows is not ruled out by
// any choice of the field (it may well carry the value chosen), so it counts in every n_v.
template <class Table>
std::vector<FieldTally> tallyFields(const Table& table, std::span<const int> foundRows,
                                    std::span<const int> fields,
                                    const ValueGroupsOf& groupsOf = {}) {
    using Cells = decltype(table.cells(1));
    // ValueId is an integer or an enumeration over one.
    const auto id = [](const Cells& column, int row) {
        return static_cast<int>(column[static_cast<size_t>(row)]);
    };
    const Cells nameCells = table.cells(1);
    std::vector<int> names;
    names.reserve(foundRows.size());
    for (const int row : foundRows) {
        Q_ASSERT(row >= 1 && row <= table.rowCount());
        names.push_back(id(nameCells, row));
    }
    const TaxonGroups taxa(foundRows, names, table.poolSize(1));

    // A few fields per pass over the rows: the cells of a row are read together, and the
    // counters of the fields stay small.
    constexpr size_t blockWidth = 8;
    std::array<ValueTaxaCounter, blockWidth> counters;
    std::array<std::span<const int>, blockWidth> groups;
    std::array<Cells, blockWidth> columns;
    std::vector<FieldTally> tallies;
    tallies.reserve(fields.size());
    for (size_t first = 0; first < fields.size(); first += blockWidth) {
        const auto block = fields.subspan(first, std::min(blockWidth, fields.size() - first));
        for (size_t k = 0; k < block.size(); ++k) {
            counters[k].reset(block[k], table.poolSize(block[k]));
            groups[k] = groupsOf ? groupsOf(block[k]) : std::span<const int>();
            columns[k] = table.cells(block[k]);
        }
        const auto value = [&](int row, size_t k) {
            const int cell = id(columns[k], row);
            return groups[k].empty() ? cell : groups[k][static_cast<size_t>(cell)];
        };
        for (int taxon = 0; taxon < taxa.count(); ++taxon) {
            const auto rows = taxa.rowsOf(taxon);
            std::array<bool, blockWidth> hasEmpty{};
            for (const int row : rows)
                for (size_t k = 0; k < block.size(); ++k)
                    hasEmpty[k] = hasEmpty[k] || id(columns[k], row) == 0;
            for (size_t k = 0; k < block.size(); ++k)
                counters[k].startTaxon(taxon, hasEmpty[k]);
            for (const int row : rows)
                for (size_t k = 0; k < block.size(); ++k)
                    counters[k].addValue(value(row, k));
        }
        for (size_t k = 0; k < block.size(); ++k)
            tallies.push_back(counters[k].tally());
    }
    return tallies;
}

// The fields ordered by separating power, as the field list shows them when the best
// fields come first.
template <class Table>
std::vector<FieldRank> rankFields(const Table& table, std::span<const int> foundRows,
                                  std::span<const int> fields, const ValueGroupsOf& groupsOf = {},
                                  const std::function<bool(int field)>& isNameField = {}) {
    return orderFields(tallyFields(table, foundRows, fields, groupsOf), isNameField);
}

} // namespace sylvane::identify
