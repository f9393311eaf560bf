// The second half of an identification step: a value (or several, in multiple choice) is
// chosen and the taxa that carry it become the taxa found.
#include "engine/formtbl.h"

#include "core/moduleroutines.h"
#include "core/vbtext.h"
#include "identify/queries.h"

using namespace Qt::StringLiterals;

namespace sylvane::engine {

void IdentificationPanel::ListDesc_Click() {
    earlierClickReset();
    form_.results.resultList.clear();
    form_.results.Text1_Ferme();
    if (linesListed_) {
        editListedLine();
        return;
    }
    const QString value = core::trimBlanks(valueList.itemText(valueList.currentIndex()));

    // A value holding "#" is a link, one holding "%" names a document: they open and
    // filter nothing.
    if (value.contains(u'#')) {
        const QString link = value.split(u'#').value(1);
        form_.lookups.openLink(form_.isEarlierBuild() ? core::trimBlanks(link) : link);
        return;
    }
    if (value.contains(u'%')) {
        form_.lookups.openDocument(value.mid(1));
        return;
    }

    if (multipleChoice.value() == 0) {
        const int current = valueList.currentIndex();
        valueList.setAllMarked(false);
        valueList.setCurrentIndex(current);
        ListDesc_Simulclic_Simple();
    } else {
        // A union of values cannot be replayed: step back stays off until the next reset.
        stepBack.setEnabled(false);
        ListDesc_Simulclic_multiple();
    }
    extractionShown = false;
    choicePathShown.setCaption(session_.choicePathText());
}

void IdentificationPanel::ListDesc_Simulclic_Simple() {
    session_.pointAtField(fieldList.currentIndex());
    const int current = valueList.currentIndex();
    // No current value (a replayed position beyond the list): nothing to apply.
    if (!session_.chooseValue(current, keepsUndescribed()))
        return;
    showValueApplied(valueList.itemText(current), valueList.itemText(current));
}

void IdentificationPanel::ListDesc_Simulclic_multiple() {
    std::vector<int> marked;
    QString chosen; // the earlier build's history line: "v1/ v2/ "
    for (int i = 0; i < valueList.count(); ++i) {
        if (!valueList.isMarked(i))
            continue;
        marked.push_back(i);
        if (form_.isEarlierBuild())
            chosen += valueList.itemText(i) + u"/ "_s;
    }
    // Nothing marked: the taxa found stay as they were.
    if (!session_.chooseValues(marked, valueList.currentIndex(), keepsUndescribed()))
        return;
    showValueApplied(valueList.itemText(marked.back()), chosen);
}

// After a value choice: the taxa found, the fields left, the value in the text panel.
void IdentificationPanel::showValueApplied(const QString& value, const QString& history) {
    showFoundTaxa();
    AfficheChamps();
    form_.results.textPanel.setText(value);
    keepHistoryOfChoice(history);
}

// Lists the taxa of the rows found in ListEspeces, one entry per row (sorted, equal names
// in the order found), and their count.
void IdentificationPanel::showFoundTaxa() {
    const keytable::KeyTable& table = form_.state().KeyTable;
    const std::vector<int>& rows = session_.foundRows();
    const identify::RowGroups taxa = identify::taxaFound(table, rows);
    std::vector<ListEntry> entries;
    entries.reserve(rows.size());
    for (int k = 0; k < taxa.count(); ++k) {
        for (const int row : taxa.rows(k)) {
            entries.emplace_back(taxa.text(k), row);
            entries.back().key = taxa.key(k);
        }
    }
    taxonList.setEntriesInOrder(std::move(entries));
    foundCount.setCaption(core::numberText(static_cast<int>(rows.size())));
}

void IdentificationPanel::ListDesc_KeyDown(int keyCode) {
    if (!isKey(keyCode, KeyCode::Shift))
        return;
    form_.results.Text1_Ouvre();
    form_.results.textPanel.setText(valueList.itemText(valueList.currentIndex()));
}

void IdentificationPanel::ListDesc_MouseDown(int button) {
    if (isButton(button, MouseButton::Right) && valueList.count() >= 2)
        form_.windows().showPopup(form_.menus.valuePopup);
}

void IdentificationPanel::Check4_Click() {
    valueList.setAllMarked(selectAll.value() == 1);
    // The new marks reach the value list as one selection change: in multiple choice it
    // applies the union of the marked values (none: nothing changes). In single choice the
    // click handling would drop the marks again and re-apply the current value, so the
    // marks are only shown.
    if (multipleChoice.value() == 1 && valueList.count() > 0)
        ListDesc_Click();
}

} // namespace sylvane::engine
