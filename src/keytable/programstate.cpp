#include "keytable/programstate.h"

namespace sylvane::keytable {

void ClearKeyTable(ProgramState& state) {
    state.KeyTable.clear();
    for (QString& name : state.FieldNames)
        name.clear();
}

} // namespace sylvane::keytable
