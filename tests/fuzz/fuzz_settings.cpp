// Any bytes as the settings file, and any path through a save and a new reading.
#include "core/encoding.h"
#include "core/settingsfile.h"

#include <cstdlib>

using namespace sylvane::core;

namespace {

// A saved default table reads back whole, whatever it holds, unless it holds what a
// settings line cannot: a line end, a double quote, blanks at either end.
void checkRoundTrip(const QString& path) {
    if (path.contains(u'"') || path.contains(u'\r') || path.contains(u'\n') ||
        path.startsWith(u' ') || path.endsWith(u' '))
        return;
    const std::vector<SettingsItem> items = readSettingsItems(settingsLines(path, path, 1, true));
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
