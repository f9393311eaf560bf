// The second half of an identification step: a value (or several, in multiple choice) is
// chosen and the taxa that carry it become the taxa found.
#include "engine/formtbl.h"

#include "core/moduleroutines.h"
#include "core/vbtext.h"

using namespace Qt::StringLiterals;

namespace sylvane::engine {

void IdentificationPanel::ListDesc_Click() {
    earlierClickReset();
    form_.results.resultList.clear();
    form_.results.Text1_Ferme();
    if (linesListed()) {
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
        // A union of values cannot be replayed: the session keeps step back off until the
        // next reset, even when no value is marked.
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

// After a value choice (the session shows the taxa found and the fields left): the value
// in the text panel.
void IdentificationPanel::showValueApplied(const QString& value, const QString& history) {
    form_.results.textPanel.setText(value);
    keepHistoryOfChoice(history);
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
