// Step back: the search is reset and every recorded choice but the last is replayed.
#include "engine/formtbl.h"

namespace sylvane::engine {

void IdentificationPanel::Command5_Click() {
    MarcheArriere();
}

// The record ends one step shorter after the replay: a value goes on record only when its
// list is left, a withdrawal with the next action. A step that no longer fits the lists
// (the accent option changed meanwhile) selects another entry or none; the replay goes on
// without a message. The session shows each step; what a click shows besides is done here.
void IdentificationPanel::MarcheArriere() {
    clearShownSearch();
    session_.stepBack(foldsAccents(), [this](const identify::Step& step) {
        using Kind = identify::Step::Kind;
        switch (step.kind) {
        case Kind::FieldList:
            fieldList.setCurrentIndex(session_.fieldPosition());
            if (session_.fieldPosition() < 0)
                break;
            [[fallthrough]];
        case Kind::TaxonColumn:
            beginListing();
            showValueListing();
            break;
        case Kind::ValueList:
            valueList.setCurrentIndex(session_.valuePosition());
            if (session_.valuePosition() >= 0)
                showValueApplied(valueList.itemText(session_.valuePosition()),
                                 valueList.itemText(session_.valuePosition()));
            break;
        case Kind::Withdrawal:
        case Kind::Tolerance:
            showRecomputedFound();
            break;
        }
    });
}

} // namespace sylvane::engine
