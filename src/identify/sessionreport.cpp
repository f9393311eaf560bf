#include "identify/sessionreport.h"

#include "identify/queries.h"

using namespace Qt::StringLiterals;

namespace sylvane::identify {

namespace {

// The sheet lines of a taxon described by rows: every field from 2 on, its distinct
// values in row order (empty ones dropped by the report).
std::vector<ReportLine> taxonLines(const KeyTable& table, std::span<const int> rows) {
    std::vector<ReportLine> lines;
    for (int field = 2; field <= table.fieldCount(); ++field) {
        QStringList values;
        for (const int row : rows) {
            const QString& value = table.cell(row, field);
            if (!value.isEmpty() && !values.contains(value))
                values.append(value);
        }
        lines.push_back({table.fieldName(field), values.join(u" ou "_s)});
    }
    return lines;
}

} // namespace

IdentificationReport sessionReport(const Identification& session, const QString& tableFile,
                                   const QDateTime& madeAt) {
    const KeyTable& table = session.table();
    IdentificationReport report;
    report.tableTitle = table.title();
    report.tableFile = tableFile;
    report.madeAt = madeAt;
    for (const AppliedChoice& choice : session.appliedChoices())
        report.choices.push_back({table.fieldName(choice.field), choice.values});

    const RowGroups taxa = taxaFound(table, session.foundRows());
    std::vector<int> named; // the groups with a name, in list order
    for (int group = 0; group < taxa.count(); ++group) {
        if (taxa.text(group).isEmpty())
            continue;
        named.push_back(group);
        report.taxaFound.append(taxa.text(group));
    }
    report.addSheets(
        [&](int index) { return taxonLines(table, taxa.rows(named[static_cast<size_t>(index)])); });
    return report;
}

} // namespace sylvane::identify
