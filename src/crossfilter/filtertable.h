#pragma once

#include <QString>

#include <array>
#include <optional>

// The numbered filters of the cross-filter window and the words that join their two values.
namespace sylvane::crossfilter {

// Highest record number of the filter table; record 0 is never used and the last one can
// be cleared and scanned but not reached from the window.
inline constexpr int FilterSlots = 50;

// How the two value tests of a filter combine. A record that was never cleared nor
// validated has none; the search takes it, as any mode but ET and OU, as a single value.
enum class FilterMode {
    Unset,  // shown as ""
    Either, // "0": OU
    Both,   // "1": ET
    Single, // "2": one of the two values is missing
};

// How one value of a filter is compared with a cell; none until the filter is validated.
enum class ValueMatch {
    Unset,    // shown as ""
    Contains, // "0": the value occurs in the cell, letter case ignored
    Exact,    // "1": the cell equals the value
};

// One filter as the window stores it.
struct FilterRecord {
    QString Value1;
    QString Value2;
    FilterMode Mode = FilterMode::Unset;
    ValueMatch Exact1 = ValueMatch::Unset;
    ValueMatch Exact2 = ValueMatch::Unset;
    std::optional<int> Field1; // field tested by Value1, once validated
    std::optional<int> Field2;
};

// The texts the filter list and the driver show for a mode, a match and a field: the
// digits above, "" when unset.
QString modeText(FilterMode mode);
QString matchText(ValueMatch match);
QString fieldText(std::optional<int> field);

using FilterTable = std::array<FilterRecord, FilterSlots + 1>;

// The words written between the two values of a filter, indexed by its mode's digit.
using LinkWordTable = std::array<QString, 3>;
LinkWordTable defaultLinkWords();

// The link word of a filter's mode: OU and ET have their own, any other mode takes the
// single-value word, as the search takes it as a single-value filter.
const QString& linkWordFor(const LinkWordTable& words, FilterMode mode);

} // namespace sylvane::crossfilter
