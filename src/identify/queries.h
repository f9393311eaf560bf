#pragma once

#include "identify/keywordmatcher.h"
#include "identify/rowgroups.h"
#include "keytable/keytable.h"

#include <QStringList>

#include <functional>
#include <span>
#include <vector>

// What the windows show from a table and the rows found, as plain data.
namespace sylvane::identify {

// The taxa of the rows found, grouped by name in list order (unnamed rows included).
RowGroups taxaFound(const KeyTable& table, std::span<const int> rows);

// The texts that match, each as "<position> : <text>".
QStringList keywordSearch(const QStringList& texts, const KeywordMatcher& matcher);

// The first row of the taxon named name; 0 when none is.
int rowNamed(const KeyTable& table, const QString& name);
// The rows of the taxon of row: every row with its name, or the row alone without one
// (none outside the table).
std::vector<int> taxonRows(const KeyTable& table, int row);
// The taxon a list entry names, as its first row: a taxon's name, the name followed by a row
// of that taxon ("liste": "Amanita muscaria 12", that row), either after a search's
// "<position> : "; 0 when the entry names none.
int taxonOfEntry(const KeyTable& table, const QString& entry);

struct SheetOptions {
    bool hideEmpty = false;      // no "non renseigné" line for a named field left empty
    bool dropEmptyLines = false; // no blank line for a field without name nor value
};

// The sheet of a taxon: one line per field from 2 on, "name : value".
QStringList sheetLines(const KeyTable& table, int row, SheetOptions options);

// The fields from 2 on whose non-empty value in row every other row listed shares; none
// when no other row is listed.
std::vector<int> commonFields(const KeyTable& table, int row, std::span<const int> rows);

// The comparison of a taxon with every row listed: the common criteria, then for each
// row a blank line followed by the fields where it differs. yield runs once per row (a
// long comparison lets the event queue run).
QStringList comparisonLines(const KeyTable& table, int row, std::span<const int> rows,
                            const std::function<void()>& yield = {});

} // namespace sylvane::identify
