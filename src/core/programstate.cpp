#include "core/programstate.h"

#include <algorithm>

namespace sylvane::core {

namespace {
constexpr std::size_t cellIndex(int row, int field) {
    return static_cast<std::size_t>(row) * (MaxFields + 1) + static_cast<std::size_t>(field);
}
const QString emptyCell;
} // namespace

KeyTableArray::KeyTableArray() : cells_(cellIndex(MaxRows + 1, 0)) {}

const QString& KeyTableArray::operator()(int row, int field) const {
    return inRange(row, field) ? cells_[cellIndex(row, field)] : emptyCell;
}

void KeyTableArray::set(int row, int field, const QString& value) {
    if (!inRange(row, field))
        return;
    cells_[cellIndex(row, field)] = value;
    if (!value.isEmpty())
        rowsInUse_ = std::max(rowsInUse_, row);
}

void KeyTableArray::clearRow(int row) {
    if (!inRange(row, 0))
        return;
    for (int field = 0; field <= MaxFields; ++field) {
        QString& cell = cells_[cellIndex(row, field)];
        if (!cell.isNull())
            cell = QString();
    }
}

// Only the rows written since the last clear can hold a value.
void KeyTableArray::clear() {
    for (int row = 0; row <= rowsInUse_; ++row)
        clearRow(row);
    rowsInUse_ = 0;
}

} // namespace sylvane::core
