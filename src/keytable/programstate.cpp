#include "keytable/programstate.h"

namespace sylvane::keytable {

QString separatorOf(const ProgramState& state) {
    return state.Separator.isEmpty() ? QStringLiteral(";") : state.Separator;
}

int shownLineCount(const ProgramState& state) {
    return state.OptimisedLineCount.value_or(state.KeyTable.rowCount());
}

} // namespace sylvane::keytable
