#include "keytable/keytable.h"

#include "core/moduleroutines.h"
#include "core/sortkey.h"

#include <QHash>
#include <QHashSeed>

#include <algorithm>
#include <atomic>
#include <bit>
#include <cstdint>
#include <cstring>
#include <limits>
#include <numeric>

namespace sylvane::keytable {

using core::MaxFields;
using core::MaxRows;

namespace {

const QString emptyText;

// A hash of the UTF-16 units, four at a time, seeded per process so that a file cannot be
// written to make every text of a column collide.
std::uint64_t hashText(QStringView text) {
    static const std::uint64_t seed = QHashSeed::globalSeed();
    constexpr std::uint64_t multiplier = 0x9E3779B97F4A7C15;
    const auto mix = [](std::uint64_t h, std::uint64_t word) {
        h = (h ^ word) * multiplier;
        return h ^ (h >> 29);
    };
    const char16_t* p = text.utf16();
    qsizetype n = text.size();
    std::uint64_t h = seed ^ static_cast<std::uint64_t>(n);
    for (; n >= 4; n -= 4, p += 4) {
        std::uint64_t word;
        std::memcpy(&word, p, sizeof word);
        h = mix(h, word);
    }
    std::uint64_t rest = 0;
    for (qsizetype i = 0; i < n; ++i)
        rest |= std::uint64_t(p[i]) << (16 * i);
    h = mix(h, rest);
    return h * multiplier;
}

// Compared inline, eight bytes at a time: a cell is a few words, too short for a call to
// memcmp to pay.
bool sameText(const QString& stored, QStringView text) {
    qsizetype n = text.size();
    if (stored.size() != n)
        return false;
    const char16_t* a = QStringView(stored).utf16();
    const char16_t* b = text.utf16();
    for (; n >= 4; n -= 4, a += 4, b += 4) {
        std::uint64_t x;
        std::uint64_t y;
        std::memcpy(&x, a, sizeof x);
        std::memcpy(&y, b, sizeof y);
        if (x != y)
            return false;
    }
    for (qsizetype i = 0; i < n; ++i)
        if (a[i] != b[i])
            return false;
    return true;
}

} // namespace

// The lookup from text to id is an open-addressing table: each slot holds an id (0: free)
// in its low 16 bits and the high 16 bits of that text's hash above them, so that a probe
// compares texts only when those bits match, and a load finds its ids without allocating.
struct KeyTable::Column {
    std::vector<ValueId> cells{0};        // per row; row 0 unused
    std::vector<QString> pool{QString()}; // per id; id 0 is the empty text
    std::vector<std::uint32_t> slots;     // the lookup; empty when dropped

    static std::uint32_t slotOf(std::uint64_t hash, ValueId id) {
        return static_cast<std::uint32_t>(hash >> 48) << 16 | id;
    }
    void rebuildLookup(std::size_t size) {
        slots.assign(size, 0);
        for (std::size_t id = 1; id < pool.size(); ++id)
            place(hashText(pool[id]), static_cast<ValueId>(id));
    }
    void place(std::uint64_t hash, ValueId id) {
        const std::size_t mask = slots.size() - 1;
        std::size_t i = hash & mask;
        while (slots[i] != 0)
            i = (i + 1) & mask;
        slots[i] = slotOf(hash, id);
    }
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
    changed();
}

void KeyTable::changed() {
    static std::atomic<quint64> lastRevision{0};
    revision_ = ++lastRevision;
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
    changed();
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

std::span<const ValueId> KeyTable::cells(int field) const {
    if (field < 1 || field > MaxFields)
        return {};
    return columns_[static_cast<std::size_t>(field)].cells;
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

// An id is 16 bits wide; a load cannot fill a column, since each row brings at most one
// new text to it.
static_assert(KeyTable::MaxDistinctTexts == std::numeric_limits<ValueId>::max());
static_assert(MaxRows <= KeyTable::MaxDistinctTexts);

// Neighbouring rows often repeat a value: the cell above is checked before the lookup.
std::optional<ValueId> KeyTable::idOfNextCell(Column& column, int field, QStringView value) {
    const ValueId above = column.cells.back();
    if (above != 0 && sameText(column.pool[above], value))
        return above;
    return idOf(column, field, value);
}

std::optional<ValueId> KeyTable::idOf(Column& column, int field, QStringView value) {
    if (value.isEmpty())
        return 0;
    // The first value of a load, or a cell written after finishLoad.
    if (column.slots.empty())
        column.rebuildLookup(std::bit_ceil(std::max<std::size_t>(64, column.pool.size() * 2)));
    const std::uint64_t hash = hashText(value);
    const std::uint32_t tag = Column::slotOf(hash, 0);
    const std::size_t mask = column.slots.size() - 1;
    for (std::size_t i = hash & mask; column.slots[i] != 0; i = (i + 1) & mask) {
        const std::uint32_t slot = column.slots[i];
        const auto id = static_cast<ValueId>(slot & 0xFFFF);
        if ((slot & 0xFFFF0000) == tag && sameText(column.pool[id], value))
            return id;
    }
    if (column.pool.size() > MaxDistinctTexts)
        return std::nullopt;
    const auto id = static_cast<ValueId>(column.pool.size());
    column.pool.push_back(value.toString());
    // The lookup is kept at most half full.
    if (column.pool.size() * 2 > column.slots.size())
        column.rebuildLookup(column.slots.size() * 2);
    else
        column.place(hash, id);
    orders_[0][static_cast<std::size_t>(field)].reset();
    orders_[1][static_cast<std::size_t>(field)].reset();
    return id;
}

void KeyTable::reserveRows(int rows) {
    const auto size = static_cast<std::size_t>(std::clamp(rows, 0, MaxRows)) + 1;
    fileLines_.reserve(size);
    for (int field = 1; field <= MaxFields; ++field)
        columns_[static_cast<std::size_t>(field)].cells.reserve(size);
}

bool KeyTable::appendRow(int fileLine, std::span<const QStringView> values) {
    if (rowCount() >= MaxRows)
        return false;
    std::array<ValueId, MaxFields + 1> ids{};
    const int given = static_cast<int>(std::min<std::size_t>(values.size(), MaxFields));
    for (int field = 1; field <= given; ++field) {
        const std::optional<ValueId> id =
            idOfNextCell(columns_[static_cast<std::size_t>(field)], field, values[field - 1]);
        if (!id)
            return false;
        ids[static_cast<std::size_t>(field)] = *id;
    }
    fileLines_.push_back(fileLine);
    for (int field = 1; field <= MaxFields; ++field)
        columns_[static_cast<std::size_t>(field)].cells.push_back(
            ids[static_cast<std::size_t>(field)]);
    changed();
    return true;
}

bool KeyTable::setCell(int row, int field, const QString& text) {
    if (row < 1 || row > MaxRows || field < 1 || field > MaxFields)
        return false;
    Column& column = columns_[static_cast<std::size_t>(field)];
    const std::optional<ValueId> id = idOf(column, field, text);
    if (!id)
        return false;
    while (rowCount() < row)
        appendEmptyRow(0);
    column.cells[static_cast<std::size_t>(row)] = *id;
    changed();
    return true;
}

void KeyTable::finishLoad() {
    for (Column& column : columns_) {
        column.slots = {};
    }
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

} // namespace sylvane::keytable
