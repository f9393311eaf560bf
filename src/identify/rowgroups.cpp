#include "identify/rowgroups.h"

namespace sylvane::identify {

namespace {
const QString emptyText;
}

RowGroups::RowGroups(const KeyTable& table, std::span<const int> rows, int field, bool foldAccents,
                     Empty empty) {
    const ColumnOrder& order = table.columnOrder(field, foldAccents);
    const auto groupCount = order.texts.size();
    std::vector<int> sizes(groupCount, 0);
    for (const int row : rows)
        ++sizes[static_cast<std::size_t>(order.groupOfId[table.cellId(row, field)])];
    if (empty == Empty::Dropped)
        sizes[0] = 0; // the empty text is always group 0

    // Where each group present starts, in list order.
    std::vector<int> next(groupCount, 0);
    for (const int group : order.listOrder) {
        const int size = sizes[static_cast<std::size_t>(group)];
        if (size == 0)
            continue;
        next[static_cast<std::size_t>(group)] = starts_.back();
        texts_.push_back(order.texts[static_cast<std::size_t>(group)]);
        keys_.push_back(order.keys[static_cast<std::size_t>(group)]);
        starts_.push_back(starts_.back() + size);
    }
    rows_.resize(static_cast<std::size_t>(starts_.back()));
    for (const int row : rows) {
        const auto group = static_cast<std::size_t>(order.groupOfId[table.cellId(row, field)]);
        if (sizes[group] != 0)
            rows_[static_cast<std::size_t>(next[group]++)] = row;
    }
}

void RowGroups::append(QString text, QString key, std::span<const int> rows) {
    texts_.push_back(std::move(text));
    keys_.push_back(std::move(key));
    rows_.insert(rows_.end(), rows.begin(), rows.end());
    starts_.push_back(static_cast<int>(rows_.size()));
}

const QString& RowGroups::text(int group) const {
    return group >= 0 && group < count() ? texts_[static_cast<std::size_t>(group)] : emptyText;
}

const QString& RowGroups::key(int group) const {
    return group >= 0 && group < count() ? keys_[static_cast<std::size_t>(group)] : emptyText;
}

std::span<const int> RowGroups::rows(int group) const {
    if (group < 0 || group >= count())
        return {};
    const auto g = static_cast<std::size_t>(group);
    return std::span<const int>(rows_).subspan(
        static_cast<std::size_t>(starts_[g]),
        static_cast<std::size_t>(starts_[g + 1] - starts_[g]));
}

int RowGroups::firstRow(int group) const {
    const auto r = rows(group);
    return r.empty() ? 0 : r.front();
}

QString RowGroups::rowsText(int group) const {
    QString text;
    for (const int row : rows(group)) {
        if (!text.isEmpty())
            text += u';';
        text += QString::number(row);
    }
    return text;
}

} // namespace sylvane::identify
