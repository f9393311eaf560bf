#include "keytable/programstate.h"

namespace sylvane::keytable {

void ClearKeyTable(ProgramState& state) {
    state.KeyTable.clear();
}

int shownLineCount(const ProgramState& state) {
    return state.OptimisedLineCount.value_or(state.KeyTable.rowCount());
}

} // namespace sylvane::keytable
