// The current build's two options that speed an identification up: the fields that
// separate the taxa found best come first in the field list, and a value choice keeps the
// taxa whose description leaves the field empty.
#include "engine/formtbl.h"

namespace sylvane::engine {

void IdentificationPanel::wireOptions() {
    bestFieldsFirst.onClick = [this] { rankFieldList(); };
    // The ranking counts the values as the value list groups them.
    ignoreAccents.onClick = [this] {
        if (!form_.isEarlierBuild())
            rankFieldList();
    };
}

bool IdentificationPanel::keepsUndescribed() const {
    return !form_.isEarlierBuild() && keepUndescribed.value() == 1;
}

// Orders the field list as the options ask (the session shows it again).
void IdentificationPanel::rankFieldList() {
    session_.setFieldOrder(!form_.isEarlierBuild() && bestFieldsFirst.value() == 1, foldsAccents());
}

} // namespace sylvane::engine
