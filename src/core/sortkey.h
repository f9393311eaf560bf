#pragma once

#include <QString>

namespace sylvane::core {

// The key under which sorted lists order their texts: every letter lower-cased and
// stripped of its accent ("Épée" -> "epee"), so that French text sorts naturally and
// case is ignored. Texts with equal keys are then ordered by their exact text.
QString collationKey(QStringView text);

// -1, 0 or 1: the order of two texts in a sorted list (key first, exact text second).
int compareForList(const QString& keyA, const QString& textA, const QString& keyB,
                   const QString& textB);

} // namespace sylvane::core
