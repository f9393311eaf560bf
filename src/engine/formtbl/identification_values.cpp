// The second half of an identification step: a value (or several, in multiple choice) is
// chosen and the taxa found become the rows recorded for it.
#include "engine/formtbl.h"

#include "core/moduleroutines.h"
#include "core/vbtext.h"
#include "engine/listorder.h"

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
    form_.state().ExtractionShown = false;
    choicePathShown.setCaption(form_.state().ChoicePath);
}

void IdentificationPanel::ListDesc_Simulclic_Simple() {
    auto& s = form_.state();
    const int current = valueList.currentIndex();
    // No current value (a replayed position beyond the list): nothing to apply.
    if (current < 0)
        return;

    // The field whose value this is goes on record now.
    if (taxonColumnPending_) {
        appendChoice(ChoiceList::TaxonColumn);
        taxonColumnPending_ = false;
    } else if (fieldList.currentIndex() >= 0) {
        appendChoice(ChoiceList::Field, fieldList.currentIndex());
    }

    const int found = appendFoundRows(s.ValueRows[current + 1], 0);
    s.FoundRows[0] = found;
    showFoundTaxa(found);
    s.UsedFields += u";"_s + QString::number(s.ChosenField[s.ChoiceLevel]);
    AfficheChamps();
    form_.results.textPanel.setText(valueList.itemText(current));
    keepHistoryOfChoice(valueList.itemText(current));
}

void IdentificationPanel::ListDesc_Simulclic_multiple() {
    auto& s = form_.state();
    // The rows of every marked value, one after the other: a row has one cell per field,
    // so it belongs to one value only and the union holds each row once.
    int found = 0;
    int lastMarked = -1;
    QString chosen;
    for (int i = 0; i < valueList.count(); ++i) {
        if (!valueList.isMarked(i))
            continue;
        found = appendFoundRows(s.ValueRows[i + 1], found);
        s.UsedFields += u";"_s + QString::number(s.ChosenField[s.ChoiceLevel]);
        if (form_.isEarlierBuild())
            chosen += valueList.itemText(i) + u"/ "_s;
        lastMarked = i;
    }
    // Nothing marked: the taxa found stay as they were.
    if (lastMarked < 0)
        return;
    s.FoundRows[0] = found;
    showFoundTaxa(found);
    AfficheChamps();
    form_.results.textPanel.setText(valueList.itemText(lastMarked));
    keepHistoryOfChoice(chosen);
}

// Appends the row numbers of a ";"-list to FoundRows after found, in one pass, and returns
// the new count. Blanks around a number are ignored; rows past the array are dropped.
int IdentificationPanel::appendFoundRows(const QString& rows, int found) {
    auto& foundRows = form_.state().FoundRows;
    int number = 0;
    bool hasDigits = false;
    const auto store = [&] {
        if (hasDigits && found < core::MaxRows)
            foundRows[++found] = number;
        number = 0;
        hasDigits = false;
    };
    for (const QChar c : rows) {
        if (c == u';') {
            store();
        } else if (c.isDigit() && number <= core::MaxRows) {
            number = number * 10 + c.digitValue();
            hasDigits = true;
        }
    }
    store();
    return found;
}

// Lists the taxa of FoundRows(1..found) in ListEspeces, sorted, and their count.
void IdentificationPanel::showFoundTaxa(int found) {
    const auto& s = form_.state();
    ListOrder taxa(static_cast<size_t>(found));
    for (int j = 1; j <= found; ++j) {
        const int row = static_cast<int>(s.FoundRows[j]);
        taxa.add(s.KeyTable(row, 1), row);
    }
    taxonList.clear();
    taxonList.setEntriesInOrder(taxa.take());
    foundCount.setCaption(core::numberText(found));
}

void IdentificationPanel::ListDesc_KeyDown(int keyCode) {
    if (!isKey(keyCode, KeyCode::Shift))
        return;
    form_.results.Text1_Ouvre();
    form_.results.textPanel.setText(valueList.itemText(valueList.currentIndex()));
}

void IdentificationPanel::ListDesc_MouseDown(int button) {
    if (isButton(button, MouseButton::Right) && valueList.count() >= 2 && form_.onPopup)
        form_.onPopup(form_.menus.valuePopup);
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
