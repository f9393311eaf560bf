#pragma once

#include "crossfilter/filtertable.h"
#include "keytable/programstate.h"

#include <QLocale>
#include <QString>

#include <vector>

// The cross search: every defined filter tested on every row of the key table, rows of one
// taxon grouped, and the separated-text report built from the result.
namespace sylvane::crossfilter {

struct CrossSearchInput {
    const keytable::ProgramState& state; // KeyTable and LineBreak
    const FilterTable& filters;
    int filterCount = 0; // filters 1..filterCount are tested
    const LinkWordTable& linkWords;
    QString separator;
    // Counting: every row also counts for its taxon, so every named taxon is listed.
    bool countingMode = false;
};

struct CrossSearchReport {
    QString text;               // the two header lines, then one line per taxon
    int lastRow = 0;            // the last row scanned, 0 when the table has none
    qint64 taxaWritten = 0;     // taxon lines in the report
    std::vector<double> totals; // rows that passed each filter; element 0 their sum
};

CrossSearchReport runCrossSearch(const CrossSearchInput& input);

// An elapsed time as the window shows it: whole hundredths of a second written with the
// locale's decimal separator (no group separator), then " sec".
QString elapsedTimeText(qint64 milliseconds, const QLocale& locale = QLocale());

} // namespace sylvane::crossfilter
