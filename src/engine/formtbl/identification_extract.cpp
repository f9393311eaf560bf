// The identification side of a keyword extraction: the session keeps the rows of the
// matching values and lists their taxa.
#include "engine/formtbl.h"

namespace sylvane::engine {

std::vector<int> IdentificationPanel::extract(const std::function<bool(const QString&)>& matches) {
    std::vector<int> positions = session_.extract(matches);
    history.clear();
    // The value list no longer holds the values of the chosen field.
    forgetHistoryOfChoice();
    return positions;
}

void IdentificationPanel::forgoStepBack() {
    session_.forgoStepBack();
}

} // namespace sylvane::engine
