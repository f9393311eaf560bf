// The current build's two options that speed an identification up: the fields that
// separate the taxa found best come first in the field list, and a value choice keeps the
// taxa whose description leaves the field empty.
#include "engine/formtbl.h"

#include "identify/ranking.h"

namespace sylvane::engine {

void IdentificationPanel::wireOptions() {
    bestFieldsFirst.onClick = [this] { rankFieldList(); };
    // The expected counts of the ranking take the kept taxa into account.
    keepUndescribed.onClick = [this] { rankFieldList(); };
}

bool IdentificationPanel::keepsUndescribed() const {
    return !form_.isEarlierBuild() && keepUndescribed.value() == 1;
}

// Orders the field list as the options ask; the field chosen last keeps its mark at its
// new place, so that its value choice is recorded at the position the list then shows.
void IdentificationPanel::rankFieldList() {
    const int current = fieldList.currentIndex();
    const int chosen = current >= 0 ? fieldList.itemData(current) : 0;
    session_.setFieldOrder(!form_.isEarlierBuild() && bestFieldsFirst.value() == 1,
                           keepsUndescribed());
    AfficheChamps();
    for (int position = 0; chosen != 0 && position < fieldList.count(); ++position)
        if (fieldList.itemData(position) == chosen)
            fieldList.setCurrentIndex(position);
}

// The fields not used yet in the list's order; ranked, each with the number of taxa
// expected to remain after its choice ("≈ 4,2").
void IdentificationPanel::showFieldList() {
    const keytable::KeyTable& table = form_.state().KeyTable;
    std::vector<ListEntry> entries;
    if (!session_.fieldsRanked()) {
        for (const int field : session_.fieldList())
            entries.emplace_back(table.fieldName(field), field);
        fieldList.setEntries(std::move(entries));
        return;
    }
    const std::vector<identify::FieldRank> ranks = session_.fieldRanks();
    for (const identify::FieldRank& rank : ranks)
        entries.emplace_back(table.fieldName(rank.field), rank.field);
    fieldList.setEntries(std::move(entries));
    for (std::size_t k = 0; k < ranks.size(); ++k)
        fieldList.setAnnotation(static_cast<int>(k), identify::rankListText(ranks[k]));
}

} // namespace sylvane::engine
