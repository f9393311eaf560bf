#include "identify/sessionreport.h"

#include "identify/foundnotes.h"
#include "identify/queries.h"

#include <QHash>

#include <algorithm>

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

// Whether a choice made with the accents folded holds, among the rows found, a value that
// the table writes in two ways: without folding they would have been two values.
bool foldingJoinedSpellings(const Identification& session, const Choice& choice) {
    const KeyTable& table = session.table();
    const keytable::ColumnOrder& order = table.columnOrder(choice.field, true);
    QHash<int, keytable::ValueId> spellingOfGroup;
    for (const int row : session.foundRows()) {
        const keytable::ValueId id = table.cellId(row, choice.field);
        if (id == 0)
            continue;
        const int group = order.groupOfId[id];
        const auto known = spellingOfGroup.constFind(group);
        if (known == spellingOfGroup.constEnd())
            spellingOfGroup.insert(group, id);
        else if (known.value() != id &&
                 choice.values.contains(order.texts[static_cast<size_t>(group)]))
            return true;
    }
    return false;
}

// The fields of the choices that the taxon of the row contradicts, joined by ", ".
QString contradictedFields(const Identification& session, int row) {
    QStringList fields;
    for (const Contradiction& contradiction :
         contradictions(session.table(), session.choices(), row))
        fields.append(session.table().fieldName(
            session.choices()[static_cast<size_t>(contradiction.choice)].field));
    return fields.join(u", "_s);
}

} // namespace

QStringList optionsThatChangedTheResult(const Identification& session, bool keptEmpty,
                                        bool tolerated) {
    const auto& choices = session.choices();
    QStringList options;
    if (tolerated)
        options.append(
            u"différences tolérées : %1 : une espèce qui contredit au plus %1 des "
            u"choix en cours est gardée, ses différences sont notées"_s.arg(session.tolerance()));
    if (keptEmpty)
        options.append(u"non renseignés retenus : une espèce dont la description laisse vide "
                       u"un champ choisi n'a pas été écartée pour cela"_s);
    if (std::any_of(choices.begin(), choices.end(), [&session](const Choice& choice) {
            return choice.folded && foldingJoinedSpellings(session, choice);
        }))
        options.append(u"Ignorer les accents : des valeurs écrites avec et sans accents ont "
                       u"été prises pour une seule"_s);
    if (std::any_of(choices.begin(), choices.end(),
                    [](const Choice& choice) { return choice.values.size() > 1; }))
        options.append(u"choix multiple : un champ a été choisi avec plusieurs valeurs, une "
                       u"espèce qui porte l'une d'elles est gardée"_s);
    return options;
}

IdentificationReport sessionReport(const Identification& session, const QString& tableFile,
                                   const QDateTime& madeAt,
                                   const core::ObservationNotes& observation) {
    const KeyTable& table = session.table();
    IdentificationReport report;
    report.tableTitle = table.title();
    report.tableFile = tableFile;
    report.tableComments = table.comments();
    report.madeAt = madeAt;
    report.observation = observation;
    for (const Choice& choice : session.choices())
        report.choices.push_back({table.fieldName(choice.field), choice.values});

    std::vector<FoundNote> noteOfRow(static_cast<size_t>(table.rowCount()) + 1);
    const std::vector<FoundNote> notes = foundRowNotes(session, session.foundRows());
    for (size_t k = 0; k < notes.size(); ++k)
        noteOfRow[static_cast<size_t>(session.foundRows()[k])] = notes[k];
    std::vector<std::span<const int>> named; // the rows of each taxon with a name, in order
    const std::vector<RowGroups> groups = taxaFoundByDifferences(session);
    bool keptEmpty = false;
    bool tolerated = false;
    for (const RowGroups& taxa : groups) {
        for (int group = 0; group < taxa.count(); ++group) {
            if (taxa.text(group).isEmpty())
                continue;
            named.push_back(taxa.rows(group));
            // A taxon stands there for its empty cells only when every one of its rows does.
            QStringList taxonNotes;
            bool everyRowNoted = true;
            for (const int row : taxa.rows(group)) {
                const QString note = noteOfRow[static_cast<size_t>(row)].emptyText();
                everyRowNoted = everyRowNoted && !note.isEmpty();
                if (!note.isEmpty() && !taxonNotes.contains(note))
                    taxonNotes.append(note);
            }
            if (!everyRowNoted)
                taxonNotes.clear();
            // Every row of a taxon has its differences.
            const int differences =
                noteOfRow[static_cast<size_t>(taxa.firstRow(group))].differences;
            if (differences > 0)
                taxonNotes.prepend(differencesNote(differences) + u" : "_s +
                                   contradictedFields(session, taxa.firstRow(group)));
            report.taxaFound.push_back({taxa.text(group), taxonNotes.join(u" ; "_s)});
            keptEmpty = keptEmpty || everyRowNoted;
            tolerated = tolerated || differences > 0;
        }
    }
    report.options = optionsThatChangedTheResult(session, keptEmpty, tolerated);
    report.addSheets(
        [&](int index) { return taxonLines(table, named[static_cast<size_t>(index)]); });
    return report;
}

} // namespace sylvane::identify
