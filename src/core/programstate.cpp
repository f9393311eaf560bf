#include "core/programstate.h"

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
    if (inRange(row, field))
        cells_[cellIndex(row, field)] = value;
}

void KeyTableArray::clear() {
    for (QString& cell : cells_)
        if (!cell.isNull())
            cell = QString();
}

} // namespace sylvane::core
