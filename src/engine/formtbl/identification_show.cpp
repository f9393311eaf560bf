// What the identification's lists show of its session, drawn from what the session says
// changed: the one place the lists follow the session.
#include "engine/formtbl.h"

#include "core/vbtext.h"
#include "identify/foundnotes.h"
#include "identify/queries.h"

namespace sylvane::engine {

using Change = identify::Identification::Change;
using Listing = identify::Identification::Listing;

void IdentificationPanel::showSession(identify::Identification::Changes changes) {
    if (changes & Change::Restart) {
        // Every row is found again, but no taxon is listed until a value is chosen.
        taxonList.clear();
        valueCount.setCaption(QString());
    }
    if (changes & Change::Values)
        listSessionValues();
    // The taxa an extraction lists are the values that matched: the keyword panel lists
    // them. A new value list empties the taxa shown until one of its values is chosen.
    const bool extracted = (changes & Change::Values) && session_.listing() == Listing::Extraction;
    if ((changes & Change::Found) && !(changes & Change::Restart) && !extracted)
        showFoundTaxa();
    else if ((changes & Change::Values) && !(changes & Change::Found))
        taxonList.clear();
    if (changes & Change::Fields)
        AfficheChamps();
    if (changes & Change::Choices)
        showChoicesInForce();
    if (changes & Change::Tolerance)
        tolerance.setValue(session_.tolerance());
    showCommandsState();
}

void IdentificationPanel::AfficheChamps() {
    taxonColumn.setCaption(form_.state().KeyTable.fieldName(1));
    showFieldList();
}

// The fields not used yet in the list's order; ranked, each with the number of taxa
// expected to remain after its choice ("≈ 4,2", "nom" for a field that names the taxa).
// The field being listed keeps its mark at its place in the new list, so that its value
// choice is recorded at the position the list then shows.
void IdentificationPanel::showFieldList() {
    const int current = fieldList.currentIndex();
    const int listed =
        session_.fieldPosition() >= 0 && current >= 0 ? fieldList.itemData(current) : 0;
    const keytable::KeyTable& table = form_.state().KeyTable;
    std::vector<ListEntry> entries;
    std::vector<identify::FieldRank> ranks;
    if (session_.fieldsRanked()) {
        ranks = session_.fieldRanks();
        for (const identify::FieldRank& rank : ranks)
            entries.emplace_back(table.fieldName(rank.field), rank.field);
    } else {
        for (const int field : session_.fieldList())
            entries.emplace_back(table.fieldName(field), field);
    }
    fieldList.setEntries(std::move(entries));
    std::vector<QString> notes;
    for (const identify::FieldRank& rank : ranks)
        notes.push_back(identify::rankListText(rank));
    fieldList.setAnnotations(std::move(notes));
    for (int position = 0; listed != 0 && position < fieldList.count(); ++position)
        if (fieldList.itemData(position) == listed) {
            fieldList.setCurrentIndex(position);
            session_.pointAtField(position);
        }
}

// The session's value list in ListDesc: each value once, with the first row that carries it.
void IdentificationPanel::listSessionValues() {
    const identify::RowGroups& values = session_.values();
    std::vector<ListEntry> entries;
    entries.reserve(static_cast<std::size_t>(values.count()));
    for (int k = 0; k < values.count(); ++k) {
        entries.emplace_back(values.text(k), values.firstRow(k));
        entries.back().key = values.key(k);
    }
    valueList.setEntriesInOrder(std::move(entries));
}

// Lists the taxa of the rows found in ListEspeces, one entry per row: the exact matches
// first, then those with 1, 2... differences (each group sorted, equal names in the order
// found); each row that stands there for its differences or an empty cell noted; and their
// count.
void IdentificationPanel::showFoundTaxa() {
    const std::vector<int>& rows = session_.foundRows();
    const std::vector<identify::RowGroups> groups = identify::taxaFoundByDifferences(session_);
    std::vector<ListEntry> entries;
    std::vector<int> listed;
    entries.reserve(rows.size());
    listed.reserve(rows.size());
    int exact = 0; // the rows of the exact matches, the first group
    for (std::size_t group = 0; group < groups.size(); ++group) {
        const identify::RowGroups& taxa = groups[group];
        for (int k = 0; k < taxa.count(); ++k) {
            for (const int row : taxa.rows(k)) {
                entries.emplace_back(taxa.text(k), row);
                entries.back().key = taxa.key(k);
                listed.push_back(row);
            }
        }
        if (group == 0)
            exact = static_cast<int>(listed.size());
    }
    // Each group in list order, one after the other.
    taxonList.setEntriesInOrder(std::move(entries));
    if (!form_.isEarlierBuild()) {
        std::vector<QString> notes;
        notes.reserve(listed.size());
        for (const identify::FoundNote& note : identify::foundRowNotes(session_, listed))
            notes.push_back(note.text());
        taxonList.setAnnotations(std::move(notes));
    }
    foundCount.setCaption(identify::foundCountText(exact, static_cast<int>(rows.size()) - exact,
                                                   session_.tolerance()));
}

// The choices in force, in the order they were made: "champ : valeur ou valeur".
void IdentificationPanel::showChoicesInForce() {
    if (form_.isEarlierBuild())
        return;
    std::vector<ListEntry> entries;
    for (const identify::Choice& choice : session_.choices())
        entries.emplace_back(identify::choiceText(form_.state().KeyTable, choice), choice.field);
    choiceList.setEntries(std::move(entries));
}

// The commands that depend on the session: step back, and the withdrawal of the choice
// selected.
void IdentificationPanel::showCommandsState() {
    stepBack.setEnabled(session_.canStepBack());
    withdraw.setEnabled(!form_.isEarlierBuild() && session_.canWithdraw() &&
                        choiceList.currentIndex() >= 0);
}

} // namespace sylvane::engine
