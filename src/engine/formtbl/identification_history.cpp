// The earlier build's search history ("Historique recherche") and its emptied result
// heading. Each helper does nothing in the current build, so that the shared handlers can
// call it unconditionally.
#include "engine/formtbl.h"

using namespace Qt::StringLiterals;

namespace sylvane::engine {

// Remembers the value(s) just applied, under the name of their field, until the next
// field is chosen: "field:value", or "field:v1/ v2/ " for a multiple choice.
void IdentificationPanel::keepHistoryOfChoice(const QString& values) {
    if (!form_.isEarlierBuild())
        return;
    const QString& name = form_.state().KeyTable.fieldName(session_.chosenField());
    pendingHistory_ = name + u":"_s + values;
}

// A new field is chosen: the choice made in the value list it replaces goes to the search
// history ("Historique recherche").
void IdentificationPanel::writeHistoryLine() {
    if (pendingHistory_.isEmpty())
        return;
    history.addItem(pendingHistory_);
    pendingHistory_.clear();
}

void IdentificationPanel::earlierClickReset() {
    if (form_.isEarlierBuild())
        form_.results.heading.setCaption(QString());
}

} // namespace sylvane::engine
