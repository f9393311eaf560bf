// The second half of an identification step: a value (or several, in multiple choice) is
// chosen and the taxa found become the rows recorded for it.
#include "engine/formtbl.h"

#include "core/moduleroutines.h"
#include "core/vbtext.h"
#include "engine/listorder.h"

using namespace Qt::StringLiterals;

namespace sylvane::engine {

void FormTbl::ListDesc_Click() {
    earlierClickReset();
    ListeResultat.clear();
    Text1_Ferme();
    if (linesListed_) {
        editListedLine();
        return;
    }
    const QString value = core::trimBlanks(ListDesc.itemText(ListDesc.currentIndex()));

    // A value holding "#" is a link, one holding "%" names a document: they open and
    // filter nothing.
    if (value.contains(u'#')) {
        const QString link = value.split(u'#').value(1);
        openLink(isEarlierBuild() ? core::trimBlanks(link) : link);
        return;
    }
    if (value.contains(u'%')) {
        openDocument(value.mid(1));
        return;
    }

    if (CheckChoix.value() == 0) {
        const int current = ListDesc.currentIndex();
        ListDesc.setAllMarked(false);
        ListDesc.setCurrentIndex(current);
        ListDesc_Simulclic_Simple();
    } else {
        // A union of values cannot be replayed: step back stays off until the next reset.
        Command5.setEnabled(false);
        ListDesc_Simulclic_multiple();
    }
    state().ExtractionShown = false;
    Ltest.setCaption(state().ChoicePath);
}

void FormTbl::ListDesc_Simulclic_Simple() {
    auto& s = state();
    const int current = ListDesc.currentIndex();
    // No current value (a replayed position beyond the list): nothing to apply.
    if (current < 0)
        return;

    // The field whose value this is goes on record now.
    if (taxonColumnPending_) {
        appendChoice(u"E;"_s);
        taxonColumnPending_ = false;
    } else if (List2.currentIndex() >= 0) {
        appendChoice(u"C"_s + QString::number(List2.currentIndex()) + u";"_s);
    }

    const int found = appendFoundRows(s.ValueRows[current + 1], 0);
    s.FoundRows[0] = found;
    showFoundTaxa(found);
    s.UsedFields += u";"_s + QString::number(s.ChosenField[s.ChoiceLevel]);
    AfficheChamps();
    Text1.setText(ListDesc.itemText(current));
    keepHistoryOfChoice(ListDesc.itemText(current));
}

void FormTbl::ListDesc_Simulclic_multiple() {
    auto& s = state();
    // The rows of every marked value, one after the other: a row has one cell per field,
    // so it belongs to one value only and the union holds each row once.
    int found = 0;
    int lastMarked = -1;
    QString chosen;
    for (int i = 0; i < ListDesc.count(); ++i) {
        if (!ListDesc.isMarked(i))
            continue;
        found = appendFoundRows(s.ValueRows[i + 1], found);
        s.UsedFields += u";"_s + QString::number(s.ChosenField[s.ChoiceLevel]);
        if (isEarlierBuild())
            chosen += ListDesc.itemText(i) + u"/ "_s;
        lastMarked = i;
    }
    // Nothing marked: the taxa found stay as they were.
    if (lastMarked < 0)
        return;
    s.FoundRows[0] = found;
    showFoundTaxa(found);
    AfficheChamps();
    Text1.setText(ListDesc.itemText(lastMarked));
    keepHistoryOfChoice(chosen);
}

// Appends the row numbers of a ";"-list to FoundRows after found, in one pass, and returns
// the new count. Blanks around a number are ignored; rows past the array are dropped.
int FormTbl::appendFoundRows(const QString& rows, int found) {
    auto& foundRows = state().FoundRows;
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
void FormTbl::showFoundTaxa(int found) {
    const auto& s = state();
    ListOrder taxa(static_cast<size_t>(found));
    for (int j = 1; j <= found; ++j) {
        const int row = static_cast<int>(s.FoundRows[j]);
        taxa.add(s.KeyTable(row, 1), row);
    }
    ListEspeces.clear();
    ListEspeces.setEntriesInOrder(taxa.take());
    Nb_Trouve.setCaption(core::numberText(found));
}

void FormTbl::ListDesc_KeyDown(int keyCode) {
    if (keyCode != 16)
        return;
    Text1_Ouvre();
    Text1.setText(ListDesc.itemText(ListDesc.currentIndex()));
}

void FormTbl::ListDesc_MouseDown(int button) {
    if (button == 2 && ListDesc.count() >= 2 && onPopup)
        onPopup(PopDesc);
}

void FormTbl::Check4_Click() {
    ListDesc.setAllMarked(Check4.value() == 1);
    // The new marks reach the value list as one selection change: in multiple choice it
    // applies the union of the marked values (none: nothing changes). In single choice the
    // click handling would drop the marks again and re-apply the current value, so the
    // marks are only shown.
    if (CheckChoix.value() == 1 && ListDesc.count() > 0)
        ListDesc_Click();
}

} // namespace sylvane::engine
