#pragma once

#include <QString>

#include <array>

// The numbered filters of the cross-filter window and the words that join their two values.
namespace sylvane::crossfilter {

// Highest record number of the filter table; record 0 is never used and the last one can
// be cleared and scanned but not reached from the window.
inline constexpr int FilterSlots = 50;

// One filter, every field kept as text as the window stores it.
struct FilterRecord {
    QString Value1;
    QString Value2;
    QString Mode;   // "1" both values (ET), "0" either (OU), "2" a single value
    QString Exact1; // "1" exact equality, "0" containment
    QString Exact2;
    QString Field1; // field number tested by Value1, in decimal
    QString Field2;
};

using FilterTable = std::array<FilterRecord, FilterSlots + 1>;

// The words written between the two values of a filter, indexed by its mode.
using LinkWordTable = std::array<QString, 3>;
LinkWordTable defaultLinkWords();

// The link word of a filter's mode: "0" and "1" have their own, any other mode is taken as
// a single-value filter, as the search does.
const QString& linkWordFor(const LinkWordTable& words, const QString& mode);

} // namespace sylvane::crossfilter
