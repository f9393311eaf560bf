// The main window's way to the cross-filter window, which its owner creates and shows.
#include "engine/formtbl.h"

namespace sylvane::engine {

void FormTbl::wireCrossFilter() {
    Command9.onClick = [this] { Command9_Click(); };
}

void FormTbl::Command9_Click() {
    if (onShowCrossFilter)
        onShowCrossFilter();
}

} // namespace sylvane::engine
