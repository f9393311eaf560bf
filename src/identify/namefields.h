#pragma once

#include "core/tablelimits.h"
#include "keytable/keytable.h"

#include <bitset>

namespace sylvane::identify {

// The fields that name the taxa instead of describing them (a vernacular name, a link to
// a sheet): a field is one when at least 90 % of the taxa that have a value in it carry a
// value that no other taxon has, in a table of at least 10 named taxa. Such a field tells
// the taxa apart only for whoever already knows the answer, so it is no criterion. Decided
// from the whole table, rows merged into taxa by their name, values compared exactly.
class NameFields {
  public:
    // The fewest named taxa for the rule to apply, and its share in tenths.
    static constexpr int MinimumTaxa = 10;
    static constexpr int UniqueTenths = 9;

    NameFields() = default;
    explicit NameFields(const keytable::KeyTable& table);

    bool contains(int field) const {
        return field >= 0 && field <= core::MaxFields && fields_.test(static_cast<size_t>(field));
    }

  private:
    std::bitset<core::MaxFields + 1> fields_;
};

} // namespace sylvane::identify
