// The first half of an identification step: a field is chosen and the distinct values
// it takes among the taxa found are listed, each with the rows that carry it.
#include "engine/formtbl.h"

#include "core/moduleroutines.h"
#include "core/vbtext.h"
#include "engine/listorder.h"

using namespace Qt::StringLiterals;

namespace sylvane::engine {

void FormTbl::List2_Click() {
    earlierClickReset();
    List2_Simulclic();
    state().ExtractionShown = false;
}

void FormTbl::Label2_Click() {
    earlierClickReset();
    List2_Simulclic_Espece();
}

void FormTbl::List2_Simulclic() {
    // Without a current field there is nothing to derive (a replayed position beyond the
    // field list): the lists stay as they are.
    const int current = List2.currentIndex();
    if (current < 0)
        return;
    taxonColumnPending_ = false;
    deriveValues(List2.itemData(current));
    if (ListDesc.count() == 0)
        Flash(65535, u" 0 espèce trouvée pour ce choix "_s, 1, ListDesc.left() + 100,
              ListDesc.top() + 100);
}

void FormTbl::List2_Simulclic_Espece() {
    deriveValues(1);
    // Recorded as a choice of its own when one of its values is applied, so that a step
    // back replays the taxon column and not the field that happened to be current.
    taxonColumnPending_ = true;
}

// Lists the values of field among the taxa found: one entry per non-empty cell (folded
// when accents are ignored), put in list order at once, then merged by Allege.
void FormTbl::deriveValues(int field) {
    auto& s = state();
    platform().setBusyCursor(true);
    ListEspeces.clear();
    ListeResultat.clear();
    s.ChoiceLevel = 1;
    s.ChosenField[1] = static_cast<qint16>(field);
    linesListed_ = false;

    // The value chosen last is put on record only now, when its list is left.
    const int currentValue = ListDesc.currentIndex();
    if (currentValue >= 0)
        appendChoice(u"D"_s + QString::number(currentValue) + u";"_s);
    writeHistoryLine();
    ListDesc.clear();

    const bool fold = Check3.value() == 1;
    const int found = std::min(s.foundCount(), core::MaxRows);
    ListOrder values(static_cast<size_t>(std::max(found, 0)));
    for (int i = 1; i <= found; ++i) {
        const int row = static_cast<int>(s.FoundRows[i]);
        const QString& cell = s.KeyTable(row, field);
        if (cell.isEmpty())
            continue;
        values.add(fold ? core::FoldAccents(cell) : cell, row);
    }
    ListDesc.setEntriesInOrder(values.take());
    Allege();

    Label3.setCaption(core::numberText(ListDesc.count()) + u" choix"_s);
    platform().setBusyCursor(false);
    Ltest.setCaption(s.ChoicePath);
}

void FormTbl::appendChoice(const QString& token) {
    auto& s = state();
    s.ChoicePath += token;
    s.ChoiceSteps += 1;
}

} // namespace sylvane::engine
