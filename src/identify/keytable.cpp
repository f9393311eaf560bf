#include "identify/keytable.h"

#include "core/moduleroutines.h"
#include "core/sortkey.h"

#include <QHash>

#include <algorithm>
#include <numeric>
#include <unordered_map>

namespace sylvane::identify {

using core::MaxFields;
using core::MaxRows;

namespace {

const QString emptyText;

struct ViewHash {
    using is_transparent = void;
    std::size_t operator()(QStringView v) const noexcept { return qHash(v); }
};
struct ViewEqual {
    using is_transparent = void;
    bool operator()(QStringView a, QStringView b) const noexcept { return a == b; }
};

} // namespace

struct KeyTable::Column {
    std::vector<ValueId> cells{0};        // per row; row 0 unused
    std::vector<QString> pool{QString()}; // per id; id 0 is the empty text
    std::unordered_map<QString, ValueId, ViewHash, ViewEqual> lookup;
};

KeyTable::KeyTable() {
    clear();
}
KeyTable::KeyTable(KeyTable&&) noexcept = default;
KeyTable& KeyTable::operator=(KeyTable&&) noexcept = default;
KeyTable::~KeyTable() = default;

void KeyTable::clear() {
    title_.clear();
    comments_.clear();
    fieldNames_.clear();
    fieldCount_ = 0;
    declaredFieldCount_ = 0;
    fileLines_.assign(1, 0);
    columns_.clear();
    columns_.resize(MaxFields + 1);
    forgetOrders();
}

void KeyTable::forgetOrders() {
    for (auto& orders : orders_) {
        orders.clear();
        orders.resize(MaxFields + 1);
    }
}

void KeyTable::setFieldNames(const QStringList& names) {
    fieldNames_ = names.first(std::min<qsizetype>(names.size(), MaxFields));
    fieldCount_ = static_cast<int>(fieldNames_.size());
    declaredFieldCount_ = fieldCount_;
}

const QString& KeyTable::fieldName(int field) const {
    return field >= 1 && field <= fieldNames_.size() ? fieldNames_[field - 1] : emptyText;
}

int KeyTable::fileLine(int row) const {
    return row >= 1 && row <= rowCount() ? fileLines_[static_cast<std::size_t>(row)] : 0;
}

ValueId KeyTable::cellId(int row, int field) const {
    if (field < 1 || field > MaxFields || row < 1 || row > rowCount())
        return 0;
    return columns_[static_cast<std::size_t>(field)].cells[static_cast<std::size_t>(row)];
}

int KeyTable::poolSize(int field) const {
    if (field < 1 || field > MaxFields)
        return 0;
    return static_cast<int>(columns_[static_cast<std::size_t>(field)].pool.size());
}

const QString& KeyTable::text(int field, ValueId id) const {
    if (field < 1 || field > MaxFields)
        return emptyText;
    const auto& pool = columns_[static_cast<std::size_t>(field)].pool;
    return id < pool.size() ? pool[id] : emptyText;
}

ValueId KeyTable::idOf(Column& column, int field, QStringView value) {
    if (value.isEmpty())
        return 0;
    // Neighbouring rows often repeat a value: the cell above is checked before the lookup.
    const ValueId above = column.cells.back();
    if (above != 0 && column.pool[above] == value)
        return above;
    if (column.lookup.empty() && column.pool.size() > 1) {
        // Rows appended after finishLoad: the lookup is rebuilt from the pool.
        for (std::size_t id = 1; id < column.pool.size(); ++id)
            column.lookup.emplace(column.pool[id], static_cast<ValueId>(id));
    }
    const auto found = column.lookup.find(value);
    if (found != column.lookup.end())
        return found->second;
    const auto id = static_cast<ValueId>(column.pool.size());
    column.pool.push_back(value.toString());
    column.lookup.emplace(column.pool.back(), id);
    orders_[0][static_cast<std::size_t>(field)].reset();
    orders_[1][static_cast<std::size_t>(field)].reset();
    return id;
}

bool KeyTable::appendRow(int fileLine, std::span<const QStringView> values) {
    if (rowCount() >= MaxRows)
        return false;
    fileLines_.push_back(fileLine);
    for (int field = 1; field <= MaxFields; ++field) {
        Column& column = columns_[static_cast<std::size_t>(field)];
        const auto index = static_cast<std::size_t>(field - 1);
        column.cells.push_back(index < values.size() ? idOf(column, field, values[index]) : 0);
    }
    return true;
}

void KeyTable::finishLoad() {
    for (Column& column : columns_)
        column.lookup = {};
}

const ColumnOrder& KeyTable::columnOrder(int field, bool foldAccents) const {
    static const ColumnOrder none{{0}, {QString()}, {QString()}, {0}};
    if (field < 1 || field > MaxFields)
        return none;
    auto& slot = orders_[foldAccents ? 1 : 0][static_cast<std::size_t>(field)];
    if (slot)
        return *slot;
    const auto& pool = columns_[static_cast<std::size_t>(field)].pool;
    auto order = std::make_unique<ColumnOrder>();
    order->groupOfId.resize(pool.size());
    if (foldAccents) {
        // Texts that fold alike share a group.
        QHash<QString, int> groupOfText;
        for (std::size_t id = 0; id < pool.size(); ++id) {
            const QString folded = core::FoldAccents(pool[id]);
            auto group = groupOfText.constFind(folded);
            if (group == groupOfText.constEnd()) {
                group = groupOfText.insert(folded, static_cast<int>(order->texts.size()));
                order->texts.push_back(folded);
            }
            order->groupOfId[id] = group.value();
        }
    } else {
        order->texts = pool;
        std::iota(order->groupOfId.begin(), order->groupOfId.end(), 0);
    }
    order->keys.reserve(order->texts.size());
    for (const QString& text : order->texts)
        order->keys.push_back(core::collationKey(text));
    order->listOrder.resize(order->texts.size());
    std::iota(order->listOrder.begin(), order->listOrder.end(), 0);
    const auto& texts = order->texts;
    const auto& keys = order->keys;
    std::sort(order->listOrder.begin(), order->listOrder.end(), [&](int a, int b) {
        return core::compareForList(keys[a], texts[a], keys[b], texts[b]) < 0;
    });
    slot = std::move(order);
    return *slot;
}

} // namespace sylvane::identify
