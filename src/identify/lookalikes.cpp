#include "identify/lookalikes.h"

#include "identify/queries.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace sylvane::identify {

using keytable::ValueId;

namespace {

// The fields compared: from 2 on, the fields that name the taxa left out.
bool compared(const NameFields& nameFields, int field) {
    return field >= 2 && !nameFields.contains(field);
}

// The distinct values of rows in a field, in row order, as ids.
std::vector<ValueId> valueIds(const keytable::KeyTable& table, const std::vector<int>& rows,
                              int field) {
    std::vector<ValueId> ids;
    for (const int row : rows)
        if (const ValueId id = table.cellId(row, field);
            id != 0 && std::find(ids.begin(), ids.end(), id) == ids.end())
            ids.push_back(id);
    return ids;
}

QStringList textsOf(const keytable::KeyTable& table, int field, const std::vector<ValueId>& ids) {
    QStringList texts;
    for (const ValueId id : ids)
        texts.append(table.text(field, id));
    return texts;
}

// Every field where the two sets of rows differ.
std::vector<FieldDifference> fieldDifferences(const keytable::KeyTable& table,
                                              const NameFields& nameFields,
                                              const std::vector<int>& these,
                                              const std::vector<int>& those) {
    std::vector<FieldDifference> differences;
    for (int field = 2; field <= table.fieldCount(); ++field) {
        if (!compared(nameFields, field))
            continue;
        const std::vector<ValueId> a = valueIds(table, these, field);
        const std::vector<ValueId> b = valueIds(table, those, field);
        const bool share = std::any_of(a.begin(), a.end(), [&b](ValueId id) {
            return std::find(b.begin(), b.end(), id) != b.end();
        });
        if (!a.empty() && !b.empty() && !share)
            differences.push_back({field, textsOf(table, field, a), textsOf(table, field, b)});
    }
    return differences;
}

} // namespace

std::vector<LookAlike> lookAlikes(const keytable::KeyTable& table, const NameFields& nameFields,
                                  int row, int count) {
    const std::vector<int> reference = taxonRows(table, row);
    if (reference.empty() || count <= 0)
        return {};
    const auto names = static_cast<size_t>(std::max(table.poolSize(1), 1));
    const std::span<const ValueId> nameOf = table.cells(1);
    const auto end = std::min(nameOf.size(), static_cast<size_t>(table.rowCount()) + 1);
    const ValueId own = table.cellId(row, 1);

    // The other named taxa, by name id, each with its first row.
    std::vector<int> firstRow(names, 0);
    std::vector<ValueId> taxa;
    for (size_t r = 1; r < end; ++r)
        if (const ValueId name = nameOf[r]; name != 0 && name != own && firstRow[name] == 0) {
            firstRow[name] = static_cast<int>(r);
            taxa.push_back(name);
        }

    // Field by field, one pass over the column: a taxon differs where it has a value and
    // none of its values is one of the reference's.
    std::vector<int> differing(names, 0);
    std::vector<int> describedIn(names, 0);
    std::vector<int> sharedIn(names, 0);
    std::vector<char> referenceHas;
    for (int field = 2; field <= table.fieldCount(); ++field) {
        if (!compared(nameFields, field))
            continue;
        referenceHas.assign(static_cast<size_t>(table.poolSize(field)), 0);
        bool described = false;
        for (const int r : reference)
            if (const ValueId id = table.cellId(r, field); id != 0) {
                referenceHas[id] = 1;
                described = true;
            }
        if (!described)
            continue;
        const std::span<const ValueId> column = table.cells(field);
        for (size_t r = 1; r < std::min(end, column.size()); ++r) {
            const ValueId name = nameOf[r];
            const ValueId id = column[r];
            if (name == 0 || id == 0)
                continue;
            describedIn[name] = field;
            if (referenceHas[id])
                sharedIn[name] = field;
        }
        for (const ValueId name : taxa)
            if (describedIn[name] == field && sharedIn[name] != field)
                ++differing[name];
    }

    // Nearest first, ties in the taxa list's order.
    const keytable::ColumnOrder& order = table.columnOrder(1, false);
    std::vector<int> listPosition(order.listOrder.size(), 0);
    for (size_t k = 0; k < order.listOrder.size(); ++k)
        listPosition[static_cast<size_t>(order.listOrder[k])] = static_cast<int>(k);
    const auto nearer = [&](ValueId a, ValueId b) {
        if (differing[a] != differing[b])
            return differing[a] < differing[b];
        return listPosition[static_cast<size_t>(order.groupOfId[a])] <
               listPosition[static_cast<size_t>(order.groupOfId[b])];
    };
    const auto kept = std::min(taxa.size(), static_cast<size_t>(count));
    std::partial_sort(taxa.begin(), taxa.begin() + static_cast<std::ptrdiff_t>(kept), taxa.end(),
                      nearer);

    std::vector<LookAlike> found;
    for (size_t k = 0; k < kept; ++k) {
        const int first = firstRow[taxa[k]];
        found.push_back(
            {first, fieldDifferences(table, nameFields, reference, taxonRows(table, first))});
    }
    return found;
}

QString differenceText(const keytable::KeyTable& table, const FieldDifference& difference) {
    return table.fieldName(difference.field) + u" : "_s + difference.these.join(u" ou "_s) +
           u" | "_s + difference.those.join(u" ou "_s);
}

} // namespace sylvane::identify
