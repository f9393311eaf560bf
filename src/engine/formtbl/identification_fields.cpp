// The first half of an identification step: a field is chosen and the distinct values
// it takes among the taxa found are listed, each standing for the rows that carry it.
#include "engine/formtbl.h"

#include "core/moduleroutines.h"
#include "core/vbtext.h"

using namespace Qt::StringLiterals;

namespace sylvane::engine {

void IdentificationPanel::List2_Click() {
    earlierClickReset();
    List2_Simulclic();
    extractionShown = false;
}

void IdentificationPanel::Label2_Click() {
    earlierClickReset();
    List2_Simulclic_Espece();
}

void IdentificationPanel::List2_Simulclic() {
    // Without a current field there is nothing to derive (a replayed position beyond the
    // field list): the lists stay as they are.
    if (fieldList.currentIndex() < 0)
        return;
    deriveValues([this] { session_.chooseField(fieldList.currentIndex(), foldsAccents()); });
}

void IdentificationPanel::List2_Simulclic_Espece() {
    // Recorded as a choice of its own when one of its values is applied, so that a step
    // back replays the taxon column and not the field that happened to be current.
    deriveValues([this] { session_.chooseTaxonColumn(foldsAccents()); });
}

// Lists the values of the field chosen by choose among the taxa found. The value current
// so far goes on record (the keyboard may have moved it since it was applied).
void IdentificationPanel::deriveValues(const std::function<void()>& choose) {
    beginListing();
    session_.pointAtValue(valueList.currentIndex());
    choose();
    showValueListing();
}

// The lists a new value list replaces are emptied, under the busy cursor.
void IdentificationPanel::beginListing() {
    form_.platform().setBusyCursor(true);
    taxonList.clear();
    form_.results.resultList.clear();
}

// After a field or the taxon column was chosen (the session's value list is shown).
void IdentificationPanel::showValueListing() {
    writeHistoryLine();
    valueCount.setCaption(core::numberText(valueList.count()) + u" choix"_s);
    form_.platform().setBusyCursor(false);
    choicePathShown.setCaption(session_.choicePathText());
    if (valueList.count() == 0 && !session_.taxonColumnPending())
        form_.Flash(Colour::Yellow, u" 0 espèce trouvée pour ce choix "_s, 1,
                    valueList.left() + 100, valueList.top() + 100);
}

bool IdentificationPanel::foldsAccents() const {
    return ignoreAccents.value() == 1;
}

} // namespace sylvane::engine
