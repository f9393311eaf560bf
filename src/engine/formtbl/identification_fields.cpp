// The first half of an identification step: a field is chosen and the distinct values
// it takes among the taxa found are listed, each with the rows that carry it.
#include "engine/formtbl.h"

#include "core/moduleroutines.h"
#include "core/vbtext.h"
#include "engine/listorder.h"

using namespace Qt::StringLiterals;

namespace sylvane::engine {

void IdentificationPanel::List2_Click() {
    earlierClickReset();
    List2_Simulclic();
    form_.state().ExtractionShown = false;
}

void IdentificationPanel::Label2_Click() {
    earlierClickReset();
    List2_Simulclic_Espece();
}

void IdentificationPanel::List2_Simulclic() {
    // Without a current field there is nothing to derive (a replayed position beyond the
    // field list): the lists stay as they are.
    const int current = fieldList.currentIndex();
    if (current < 0)
        return;
    taxonColumnPending_ = false;
    deriveValues(fieldList.itemData(current));
    if (valueList.count() == 0)
        form_.Flash(Colour::Yellow, u" 0 espèce trouvée pour ce choix "_s, 1,
                    valueList.left() + 100, valueList.top() + 100);
}

void IdentificationPanel::List2_Simulclic_Espece() {
    deriveValues(1);
    // Recorded as a choice of its own when one of its values is applied, so that a step
    // back replays the taxon column and not the field that happened to be current.
    taxonColumnPending_ = true;
}

// Lists the values of field among the taxa found: one entry per non-empty cell (folded
// when accents are ignored), put in list order at once, then merged by Allege.
void IdentificationPanel::deriveValues(int field) {
    auto& s = form_.state();
    form_.platform().setBusyCursor(true);
    taxonList.clear();
    form_.results.resultList.clear();
    s.ChoiceLevel = 1;
    s.ChosenField[1] = static_cast<qint16>(field);
    linesListed_ = false;

    // The value chosen last is put on record only now, when its list is left.
    const int currentValue = valueList.currentIndex();
    if (currentValue >= 0)
        appendChoice(ChoiceList::Value, currentValue);
    writeHistoryLine();
    valueList.clear();

    const bool fold = ignoreAccents.value() == 1;
    const int found = std::min(s.foundCount(), core::MaxRows);
    ListOrder values(static_cast<size_t>(std::max(found, 0)));
    for (int i = 1; i <= found; ++i) {
        const int row = static_cast<int>(s.FoundRows[i]);
        const QString& cell = s.KeyTable(row, field);
        if (cell.isEmpty())
            continue;
        values.add(fold ? core::FoldAccents(cell) : cell, row);
    }
    valueList.setEntriesInOrder(values.take());
    Allege();

    valueCount.setCaption(core::numberText(valueList.count()) + u" choix"_s);
    form_.platform().setBusyCursor(false);
    choicePathShown.setCaption(s.ChoicePath);
}

// One token of the choice record: the list's letter, the position (none for the taxon
// column), and ";".
void IdentificationPanel::appendChoice(ChoiceList list, int position) {
    auto& s = form_.state();
    s.ChoicePath += QChar(static_cast<char16_t>(list));
    if (list != ChoiceList::TaxonColumn)
        s.ChoicePath += QString::number(position);
    s.ChoicePath += u';';
    s.ChoiceSteps += 1;
}

void IdentificationPanel::AfficheChamps() {
    const auto& s = form_.state();
    fieldList.clear();
    taxonColumn.setCaption(s.FieldNames[1]);
    std::vector<ListEntry> fields;
    for (int i = 2; i <= s.FieldCount && i <= core::MaxFields; ++i)
        if (!core::isUsedField(s.UsedFields, i))
            fields.push_back({s.FieldNames[i], i});
    fieldList.addItems(std::move(fields));
}

} // namespace sylvane::engine
