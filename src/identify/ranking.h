#pragma once

#include <QString>
#include <QtGlobal>

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
// value, or a single one) has no expected count and goes last.
struct FieldRank {
    int field = 0;
    bool separates = false;
    double expected = 0.0; // taxa expected to remain: sum n_v^2 / sum n_v
};

// The fields of tallies, best first (fewest taxa expected to remain); the fields that do
// not separate go last. Ties keep the order of tallies.
std::vector<FieldRank> orderFields(const std::vector<FieldTally>& tallies);

// The expected count as the field list shows it after the field name: "≈ 4,2"
// (one decimal, decimal comma); "" for a field that does not separate.
QString rankListText(const FieldRank& rank);
// The expected count as the driver prints it: "2.50" (two decimals, dot); "-" for a field
// that does not separate.
QString rankDriverText(const FieldRank& rank);

// Counts, for each field of fields, the taxa that each of its values would keep among
// the found rows. Table is the typed key table (or anything with its shape):
//   int rowCount(), int fieldCount(), int poolSize(int field) (distinct ids of the column,
//   id 0 included), ValueId cellId(int row, int field) (rows and fields 1-based, id 0 for
//   an empty cell, ids below poolSize(field)).
// Rows are merged into taxa by their name (the id of field 1); rows without a name are
// left out, as the taxa list leaves them out. A taxon counts once for each distinct value
// found in any of its rows. With keepEmpty (taxa without a value are kept by a choice), a
// taxon with an empty cell for the field in one of its found rows survives any choice of
// that field, so it counts in every n_v.
template <class Table>
std::vector<FieldTally> tallyFields(const Table& table, std::span<const int> foundRows,
                                    std::span<const int> fields, bool keepEmpty) {
    // The found rows grouped by taxon (a counting sort on the taxon's dense number), so
    // that each field is one pass with a "last taxon seen" mark per value.
    std::vector<int> taxonOfName(static_cast<size_t>(table.poolSize(1)), -1);
    std::vector<int> taxonOfRow;
    taxonOfRow.reserve(foundRows.size());
    int taxonCount = 0;
    for (const int row : foundRows) {
        Q_ASSERT(row >= 1 && row <= table.rowCount());
        const auto name = static_cast<size_t>(table.cellId(row, 1));
        if (name == 0) {
            taxonOfRow.push_back(-1);
            continue;
        }
        int& taxon = taxonOfName[name];
        if (taxon < 0)
            taxon = taxonCount++;
        taxonOfRow.push_back(taxon);
    }
    std::vector<int> groupStart(static_cast<size_t>(taxonCount) + 1, 0);
    for (const int taxon : taxonOfRow)
        if (taxon >= 0)
            ++groupStart[static_cast<size_t>(taxon) + 1];
    for (size_t t = 1; t < groupStart.size(); ++t)
        groupStart[t] += groupStart[t - 1];
    std::vector<int> grouped(static_cast<size_t>(groupStart.back()));
    {
        std::vector<int> next(groupStart.begin(), groupStart.end() - 1);
        for (size_t i = 0; i < foundRows.size(); ++i)
            if (taxonOfRow[i] >= 0)
                grouped[static_cast<size_t>(next[static_cast<size_t>(taxonOfRow[i])]++)] =
                    foundRows[i];
    }

    std::vector<FieldTally> tallies;
    tallies.reserve(fields.size());
    std::vector<int> taxaOfValue;
    std::vector<int> lastTaxon; // -1: value not seen among the found rows
    std::vector<int> seenValues;
    for (const int field : fields) {
        const auto pool = static_cast<size_t>(table.poolSize(field));
        taxaOfValue.assign(pool, 0);
        lastTaxon.assign(pool, -1);
        seenValues.clear();
        qint64 keptByAny = 0; // taxa that any choice of this field keeps
        for (int taxon = 0; taxon < taxonCount; ++taxon) {
            const int* first = grouped.data() + groupStart[static_cast<size_t>(taxon)];
            const int* last = grouped.data() + groupStart[static_cast<size_t>(taxon) + 1];
            bool countsEverywhere = false;
            if (keepEmpty)
                for (const int* row = first; row != last && !countsEverywhere; ++row)
                    countsEverywhere = table.cellId(*row, field) == 0;
            keptByAny += countsEverywhere ? 1 : 0;
            for (const int* row = first; row != last; ++row) {
                const auto value = static_cast<size_t>(table.cellId(*row, field));
                if (value == 0 || lastTaxon[value] == taxon)
                    continue;
                if (lastTaxon[value] < 0)
                    seenValues.push_back(static_cast<int>(value));
                lastTaxon[value] = taxon;
                // A taxon kept by every choice is added to every value below, once.
                if (!countsEverywhere)
                    ++taxaOfValue[value];
            }
        }
        FieldTally tally{field, static_cast<int>(seenValues.size()), 0, 0};
        for (const int value : seenValues) {
            const qint64 n = taxaOfValue[static_cast<size_t>(value)] + keptByAny;
            tally.taxaSum += n;
            tally.squaresSum += n * n;
        }
        tallies.push_back(tally);
    }
    return tallies;
}

// The fields ordered by separating power, as the field list shows them when the best
// fields come first.
template <class Table>
std::vector<FieldRank> rankFields(const Table& table, std::span<const int> foundRows,
                                  std::span<const int> fields, bool keepEmpty) {
    return orderFields(tallyFields(table, foundRows, fields, keepEmpty));
}

} // namespace sylvane::identify
