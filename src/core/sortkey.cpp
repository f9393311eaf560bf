#include "core/sortkey.h"

#include <array>
#include <memory>

namespace sylvane::core {

namespace {

// One folded character for each character of the basic plane, built once.
const std::array<char16_t, 65536>& foldTable() {
    static const auto table = [] {
        auto t = std::make_unique<std::array<char16_t, 65536>>();
        for (int u = 0; u < 65536; ++u) {
            QChar c(static_cast<char16_t>(u));
            if (c.isSurrogate()) {
                (*t)[u] = static_cast<char16_t>(u);
                continue;
            }
            if (c.decompositionTag() == QChar::Canonical) {
                const QString d = c.decomposition();
                if (!d.isEmpty())
                    c = d.front();
            }
            (*t)[u] = c.toCaseFolded().unicode();
        }
        return t;
    }();
    return *table;
}

} // namespace

QString collationKey(QStringView text) {
    const auto& table = foldTable();
    QString key(text.size(), Qt::Uninitialized);
    QChar* out = key.data();
    for (const QChar c : text)
        *out++ = QChar(table[c.unicode()]);
    return key;
}

int compareForList(const QString& keyA, const QString& textA, const QString& keyB,
                   const QString& textB) {
    const int byKey = QString::compare(keyA, keyB, Qt::CaseSensitive);
    if (byKey != 0)
        return byKey < 0 ? -1 : 1;
    const int byText = QString::compare(textA, textB, Qt::CaseSensitive);
    return byText < 0 ? -1 : (byText > 0 ? 1 : 0);
}

} // namespace sylvane::core
