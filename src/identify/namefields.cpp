#include "identify/namefields.h"

#include <algorithm>
#include <span>
#include <vector>

namespace sylvane::identify {

NameFields::NameFields(const keytable::KeyTable& table) {
    const auto rows = static_cast<size_t>(table.rowCount());
    const auto names = static_cast<size_t>(table.poolSize(1));
    const std::span<const keytable::ValueId> nameOf = table.cells(1);
    // The name ids that rows carry: a pool may keep texts that no cell uses any more.
    std::vector<bool> named(names, false);
    int taxa = 0;
    for (size_t row = 1; row <= rows; ++row)
        if (const auto name = nameOf[row]; name != 0 && !named[name]) {
            named[name] = true;
            ++taxa;
        }
    if (taxa < MinimumTaxa)
        return;

    constexpr int unseen = -1;
    constexpr int shared = -2;
    // Per taxon, the last field it was found described in and carrying a value of its own:
    // no clearing between fields.
    std::vector<int> describedIn(names, 0);
    std::vector<int> ownValueIn(names, 0);
    std::vector<int> holder; // per value id: the one taxon carrying it, unseen or shared
    for (int field = 2; field <= table.fieldCount(); ++field) {
        holder.assign(static_cast<size_t>(table.poolSize(field)), unseen);
        const std::span<const keytable::ValueId> valueOf = table.cells(field);
        int described = 0;
        for (size_t row = 1; row <= rows; ++row) {
            const int taxon = nameOf[row];
            const auto value = valueOf[row];
            if (taxon == 0 || value == 0)
                continue;
            if (describedIn[static_cast<size_t>(taxon)] != field) {
                describedIn[static_cast<size_t>(taxon)] = field;
                ++described;
            }
            int& carrier = holder[value];
            if (carrier == unseen)
                carrier = taxon;
            else if (carrier != taxon)
                carrier = shared;
        }
        // Each taxon with a value of its own holds at least one of those values: with too
        // few of them the field cannot pass.
        const auto ownValues =
            std::count_if(holder.begin(), holder.end(), [](int carrier) { return carrier >= 0; });
        if (described == 0 || ownValues * 10 < described * UniqueTenths)
            continue;
        int withOwnValue = 0;
        for (size_t row = 1; row <= rows; ++row) {
            const int taxon = nameOf[row];
            const auto value = valueOf[row];
            if (taxon == 0 || value == 0 || holder[value] != taxon ||
                ownValueIn[static_cast<size_t>(taxon)] == field)
                continue;
            ownValueIn[static_cast<size_t>(taxon)] = field;
            ++withOwnValue;
        }
        if (withOwnValue * 10 >= described * UniqueTenths)
            fields_.set(static_cast<size_t>(field));
    }
}

} // namespace sylvane::identify
