// The current build's options that speed an identification up: the fields that separate
// the taxa found best come first in the field list, a value choice keeps the taxa whose
// description leaves the field empty, and the taxa found may differ from the choices in
// force by a few of them.
#include "engine/formtbl.h"

namespace sylvane::engine {

void IdentificationPanel::wireOptions() {
    bestFieldsFirst.onClick = [this] { rankFieldList(); };
    // The ranking counts the values as the value list groups them.
    ignoreAccents.onClick = [this] {
        if (!form_.isEarlierBuild())
            rankFieldList();
    };
    tolerance.setRange(0, identify::Identification::MaxTolerance);
    tolerance.onChange = [this] { Tolerance_Change(); };
}

// The tolerance exists in the current build only. A value outside its range is taken to the
// nearest bound, and the box shows the tolerance taken.
void IdentificationPanel::Tolerance_Change() {
    if (session_.setTolerance(tolerance.value()))
        showRecomputedFound();
    else
        tolerance.setValue(session_.tolerance());
}

bool IdentificationPanel::keepsUndescribed() const {
    return !form_.isEarlierBuild() && keepUndescribed.value() == 1;
}

// Orders the field list as the options ask (the session shows it again).
void IdentificationPanel::rankFieldList() {
    session_.setFieldOrder(!form_.isEarlierBuild() && bestFieldsFirst.value() == 1, foldsAccents());
}

} // namespace sylvane::engine
