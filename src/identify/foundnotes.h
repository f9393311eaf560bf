#pragma once

#include "identify/identification.h"

#include <QString>

#include <span>
#include <vector>

namespace sylvane::identify {

// Why each row stands among the rows found, when the values chosen do not say it alone:
// "non renseigné : CHAMP" for a row that leaves the field of a choice empty and was kept
// for that ("non renseignés retenus"), several fields joined by ", "; "" for the others.
// One note per row of rows, in order.
std::vector<QString> foundRowNotes(const Identification& session, std::span<const int> rows);

} // namespace sylvane::identify
