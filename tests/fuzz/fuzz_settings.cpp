// Any bytes as the settings file, and any path through a save and a new reading.
#include "core/encoding.h"
#include "core/settingsfile.h"

#include <cstdlib>

using namespace sylvane::core;

namespace {

// A saved default table reads back whole, bytes and all, whatever it holds; it may be
// refused only when it holds what a settings line cannot: a line end, a NUL, blanks at
// either end, a double quote, a lone surrogate that no encoding holds.
void checkRoundTrip(const QString& path) {
    const std::optional<QStringList> lines = settingsLines(path, path, 1, true);
    if (!lines) {
        if (path.contains(u'"') || path.contains(u'\r') || path.contains(u'\n') ||
            path.contains(QChar(0)) || path.startsWith(u' ') || path.endsWith(u' ') ||
            QString::fromUtf8(path.toUtf8()) != path)
            return;
        std::abort();
    }
    const auto readsBack = [&](TextEncoding encoding) {
        const QByteArray bytes = encodeLines(*lines, encoding);
        return decodeLines(bytes, detectEncoding(bytes)) == *lines;
    };
    if (!readsBack(TextEncoding::Windows1252) && !readsBack(TextEncoding::Utf8))
        std::abort();
    const std::vector<SettingsItem> items = readSettingsItems(*lines);
    if (items.size() != 3 || items[0].key != u"FICDEFAUT" || items[0].value != path ||
        items[1].value != path)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const QStringList lines = decodeLines(bytes, detectEncoding(bytes));
    for (const SettingsItem& item : readSettingsItems(lines))
        checkRoundTrip(item.value);
    return 0;
}
