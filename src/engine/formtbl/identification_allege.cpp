// Merging the equal neighbours of the value list into one entry each.
#include "engine/formtbl.h"

namespace sylvane::engine {

// Every entry of ListDesc carries the row its text came from, and the sorted list keeps
// equal texts side by side. Each run of exactly equal texts becomes one entry (keeping
// the first one's datum), and ValueRows(k) receives the ";"-joined rows of the run at
// position k - 1, in list order. One pass, so a 30000-entry list merges at once.
void IdentificationPanel::Allege() {
    auto& s = form_.state();
    const int clearUpTo = std::min(s.lineCount(), core::MaxRows);
    for (int k = 0; k <= clearUpTo; ++k)
        s.ValueRows[k].clear();

    std::vector<ListEntry> merged;
    merged.reserve(valueList.entries().size());
    for (const ListEntry& entry : valueList.entries()) {
        const QString row = QString::number(entry.itemData);
        if (!merged.empty() && merged.back().text == entry.text) {
            const auto slot = merged.size();
            if (slot <= static_cast<std::size_t>(core::MaxRows))
                s.ValueRows[slot] += u';' + row;
            continue;
        }
        merged.push_back(entry);
        merged.back().marked = false;
        const auto slot = merged.size();
        if (slot <= static_cast<std::size_t>(core::MaxRows))
            s.ValueRows[slot] = row;
    }
    valueList.setEntriesInOrder(std::move(merged));
}

} // namespace sylvane::engine
