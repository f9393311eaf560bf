#pragma once

#include "identify/namefields.h"
#include "keytable/keytable.h"

#include <QStringList>

#include <vector>

// The taxa a taxon is most easily confused with: those of the whole table that differ from
// it in the fewest fields.
namespace sylvane::identify {

// A field where two taxa differ: both describe it and share no value. The values of each
// (rows merged by name) are distinct, in row order.
struct FieldDifference {
    int field = 0;
    QStringList these; // of the taxon asked about
    QStringList those; // of the look-alike
};

struct LookAlike {
    int row = 0; // the first row of the look-alike
    std::vector<FieldDifference> differences;
};

// The look-alikes listed for a taxon.
inline constexpr int LookAlikeCount = 10;

// The named taxa of the table other than the taxon of row (rows merged by name; an unnamed
// row stands alone), the fewest differing fields first, ties in the order of the taxa list,
// at most count of them. Fields are compared by their cells' texts; field 1 and the fields
// that name the taxa are left out.
std::vector<LookAlike> lookAlikes(const keytable::KeyTable& table, const NameFields& nameFields,
                                  int row, int count = LookAlikeCount);

// A difference as the windows write it: "chapeau : blanc | jaune" (several values of one
// taxon joined by " ou ").
QString differenceText(const keytable::KeyTable& table, const FieldDifference& difference);

} // namespace sylvane::identify
