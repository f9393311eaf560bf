#include "identify/foundnotes.h"

#include "core/vbtext.h"
#include "identify/queries.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace sylvane::identify {

std::vector<RowGroups> taxaFoundByDifferences(const Identification& session) {
    const KeyTable& table = session.table();
    const std::vector<int>& rows = session.foundRows();
    // Rows that no choice gave (the lines of the table) have no differences to tell.
    if (session.tolerance() == 0 || !session.canWithdraw())
        return {taxaFound(table, rows)};
    std::vector<std::vector<int>> rowsOf(static_cast<size_t>(session.tolerance()) + 1);
    for (const int row : rows)
        rowsOf[static_cast<size_t>(std::clamp(session.differences(row), 0, session.tolerance()))]
            .push_back(row);
    std::vector<RowGroups> groups;
    for (const std::vector<int>& within : rowsOf)
        groups.push_back(taxaFound(table, within));
    return groups;
}

QString FoundNote::emptyText() const {
    return emptyFields.isEmpty() ? QString() : u"non renseigné : "_s + emptyFields.join(u", "_s);
}

QString FoundNote::text() const {
    QStringList parts;
    if (differences > 0)
        parts.append(differencesNote(differences));
    if (!emptyFields.isEmpty())
        parts.append(emptyText());
    return parts.join(u" ; "_s);
}

std::vector<FoundNote> foundRowNotes(const Identification& session, std::span<const int> rows) {
    const KeyTable& table = session.table();
    std::vector<ChoiceTest> tests;
    QStringList fields;
    for (const Choice& choice : session.choices())
        if (choice.keepEmpty) {
            tests.emplace_back(table, choice);
            fields.append(table.fieldName(choice.field));
        }
    const bool tolerated = session.tolerance() > 0 && session.canWithdraw();
    std::vector<FoundNote> notes;
    notes.reserve(rows.size());
    for (const int row : rows) {
        FoundNote note;
        if (tolerated)
            note.differences = session.differences(row);
        for (size_t k = 0; k < tests.size(); ++k)
            if (tests[k].keptEmpty(row))
                note.emptyFields.append(fields[static_cast<qsizetype>(k)]);
        notes.push_back(std::move(note));
    }
    return notes;
}

QString foundCountText(int exact, int tolerated, int tolerance) {
    QString text = core::numberText(exact);
    if (tolerance > 0 && tolerated > 0)
        text += u" + "_s + core::numberText(tolerated) + u" à "_s +
                (tolerance == 1 ? u"1 différence"_s : u"1-%1 différences"_s.arg(tolerance));
    return text;
}

QString whyText(const Identification& session, int row) {
    const KeyTable& table = session.table();
    const QString& name = table.cell(row, 1);
    const QString shown = name.isEmpty() ? u"Cette ligne"_s : name;
    if (session.choices().empty())
        return shown + u" : aucun choix n'est en cours, rien ne l'écarte."_s;
    const std::vector<Contradiction> found = contradictions(table, session.choices(), row);
    if (found.empty())
        return shown + u" ne contredit aucun des choix en cours."_s;
    QString text =
        shown + (found.size() == 1
                     ? u" contredit un des choix en cours :"_s
                     : u" contredit %1 des choix en cours :"_s.arg(static_cast<int>(found.size())));
    for (const Contradiction& contradiction : found)
        text += u'\n' + contradictionText(
                            table, session.choices()[static_cast<size_t>(contradiction.choice)],
                            contradiction);
    if (session.isTolerated(row))
        text +=
            session.tolerance() == 1
                ? u"\nElle reste parmi les espèces trouvées (1 différence tolérée)."_s
                : u"\nElle reste parmi les espèces trouvées (jusqu'à %1 différences tolérées)."_s
                      .arg(session.tolerance());
    return text;
}

QStringList toleratedLines(const Identification& session, int row) {
    QStringList lines;
    if (!session.isTolerated(row))
        return lines;
    const KeyTable& table = session.table();
    for (const Contradiction& contradiction : contradictions(table, session.choices(), row))
        lines.append(u"Différence tolérée : "_s +
                     contradictionText(table,
                                       session.choices()[static_cast<size_t>(contradiction.choice)],
                                       contradiction));
    return lines;
}

} // namespace sylvane::identify
