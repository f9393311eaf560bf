#include "engine/listorder.h"

#include "core/sortkey.h"

#include <algorithm>
#include <numeric>

namespace sylvane::engine {

ListOrder::ListOrder(size_t expected) {
    groups_.reserve(expected);
    data_.reserve(expected);
}

void ListOrder::add(const QString& text, qint32 data) {
    const auto found = groupOfText_.constFind(text);
    if (found != groupOfText_.constEnd()) {
        groups_.push_back(found.value());
    } else {
        const auto group = static_cast<int>(texts_.size());
        groupOfText_.insert(text, group);
        texts_.push_back(text);
        groups_.push_back(group);
    }
    data_.push_back(data);
}

std::vector<ListEntry> ListOrder::take() {
    // The distinct texts sorted; they are all different, so no ties remain.
    const size_t groupCount = texts_.size();
    std::vector<QString> keys(groupCount);
    for (size_t g = 0; g < groupCount; ++g)
        keys[g] = core::collationKey(texts_[g]);
    std::vector<int> order(groupCount);
    std::iota(order.begin(), order.end(), 0);
    std::sort(order.begin(), order.end(), [&](int a, int b) {
        return core::compareForList(keys[a], texts_[a], keys[b], texts_[b]) < 0;
    });

    // Where each group starts in the list, then every entry at the next place of its group.
    std::vector<size_t> size(groupCount, 0);
    for (const int g : groups_)
        ++size[g];
    std::vector<size_t> next(groupCount);
    size_t start = 0;
    for (const int g : order) {
        next[g] = start;
        start += size[g];
    }
    std::vector<ListEntry> entries(groups_.size());
    for (size_t i = 0; i < groups_.size(); ++i) {
        const int g = groups_[i];
        ListEntry& placed = entries[next[g]++];
        placed.text = texts_[g];
        placed.key = keys[g];
        placed.itemData = data_[i];
    }
    groupOfText_.clear();
    texts_.clear();
    groups_.clear();
    data_.clear();
    return entries;
}

} // namespace sylvane::engine
