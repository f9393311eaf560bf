#pragma once

#include <QString>

namespace sylvane::core {

// Which of the two builds runs: the current one (2023-01) or the earlier one (2019-02).
// The windows receive it at construction and ask it where the two builds differ.
enum class Edition { Current, Earlier };

inline Edition editionFromName(const QString& name) {
    return name == QStringLiteral("2019-02") ? Edition::Earlier : Edition::Current;
}

inline QString editionName(Edition edition) {
    return edition == Edition::Earlier ? QStringLiteral("2019-02") : QStringLiteral("2023-01");
}

} // namespace sylvane::core
