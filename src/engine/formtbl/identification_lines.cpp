// The developer's line editor: the table's lines listed in the value list, one of them
// shown field by field in the result list, and a field's value edited and stored back.
#include "engine/formtbl.h"

#include "core/moduleroutines.h"
#include "core/vbtext.h"

using namespace Qt::StringLiterals;

namespace sylvane::engine {

void IdentificationPanel::Text2_Ouvre() {
    valueEditor.setVisible(true);
    valueEditor.setGeometry(100, 4000, 8000, 10);
}

void IdentificationPanel::Edit_Aff(QString& ligne) {
    const keytable::KeyTable& table = form_.state().KeyTable;
    LireContenuChamps(ligne, FieldContents);
    form_.results.resultList.clear();
    std::vector<ListEntry> lines;
    for (int k = 1; k <= table.fieldCount(); ++k)
        lines.push_back({table.fieldName(k) + u" : "_s + FieldContents[k]});
    form_.results.resultList.addItems(std::move(lines));
}

void IdentificationPanel::Raz_Teditchamp() {
    for (int k = 0; k <= form_.state().KeyTable.fieldCount(); ++k)
        FieldContents[k].clear();
}

// Developer button: the data lines of the table, one entry per row, in the value list
// (equal lines merged into one entry, standing for all their rows). A click on one of them
// opens it in the line editor (below) instead of choosing a value; the listing is no field
// choice and cannot be replayed, so step back stays off until the next reset.
void IdentificationPanel::Command10_Click() {
    auto& s = form_.state();
    valueList.clear();
    taxonList.clear();
    form_.results.resultList.clear();
    std::vector<ListEntry> lines;
    for (int row = 1; row <= s.KeyTable.rowCount(); ++row) {
        QStringList cells;
        bool anyValue = false;
        for (int field = 1; field <= s.KeyTable.fieldCount(); ++field) {
            cells.append(s.KeyTable(row, field));
            anyValue = anyValue || !cells.back().isEmpty();
        }
        if (anyValue)
            lines.emplace_back(cells.join(s.Separator), row);
    }
    valueList.addItems(std::move(lines));
    listEqualLinesOnce();
    valueCount.setCaption(core::numberText(valueList.count()) + u" choix"_s);
}

// Each run of equal lines in the sorted value list becomes one entry (with the first
// one's row), and the session takes the runs with their rows as the value list.
void IdentificationPanel::listEqualLinesOnce() {
    std::vector<ListEntry> merged;
    identify::RowGroups groups;
    std::vector<int> runRows;
    const auto closeRun = [&] {
        if (!merged.empty())
            groups.append(merged.back().text, merged.back().key, runRows);
        runRows.clear();
    };
    for (const ListEntry& entry : valueList.entries()) {
        if (merged.empty() || merged.back().text != entry.text) {
            closeRun();
            merged.push_back(entry);
        }
        runRows.push_back(entry.itemData);
    }
    closeRun();
    valueList.setEntriesInOrder(std::move(merged));
    session_.listOther(std::move(groups));
}

// The line clicked in the developer listing, field by field in the result list, with the
// value box of the line editor open.
void IdentificationPanel::editListedLine() {
    Raz_Teditchamp();
    QString line = valueList.itemText(valueList.currentIndex());
    Edit_Aff(line);
    Text2_Ouvre();
}

// Line editor commit: the edited value goes back into its field and the rebuilt line is
// shown again. Only the fields of a line can be edited: a position past them stores
// nothing.
void IdentificationPanel::Command11_Click() {
    const int k = form_.results.resultList.currentIndex() + 1;
    if (k <= core::MaxFields)
        FieldContents[k] = valueEditor.text();
    QString line;
    for (int field = 1; field <= form_.state().KeyTable.fieldCount(); ++field)
        line += FieldContents[field] + u";"_s;
    Edit_Aff(line);
}

void IdentificationPanel::LireContenuChamps(QString& Ligne, std::span<QString> Tblchp) {
    history.addItem(u"0  "_s + Ligne);
    int n = 0;
    core::SplitFieldList(Ligne, n, Tblchp, form_.state().Separator);
    // The last piece is stored even when it is empty.
    if (Ligne.isEmpty() && n >= 1 && n < static_cast<int>(Tblchp.size()))
        Tblchp[n] = QString();
}

} // namespace sylvane::engine
