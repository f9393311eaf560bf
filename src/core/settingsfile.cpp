#include "core/settingsfile.h"

#include "core/textfile.h"
#include "core/vbtext.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace sylvane::core {

namespace {

// The keys the program knows. A path value runs on over commas unless the comma starts
// one of these ("FICDEFAUT =/data/a,b.txt" keeps its comma).
bool isKnownKey(const QString& piece) {
    const KeyValue kv = splitKeyValue(trimLeadingBlanks(piece).remove(u'"'));
    return kv.hasKey && (kv.key == u"FICDEFAUT"_s || kv.key == u"REPDATA"_s || kv.key == u"FNT"_s ||
                         kv.key == u"CHOIXMULT"_s);
}

bool holdsPath(const QString& item) {
    const KeyValue kv = splitKeyValue(trimLeadingBlanks(item).remove(u'"'));
    return kv.hasKey && (kv.key == u"FICDEFAUT"_s || kv.key == u"REPDATA"_s);
}

// The items of one line: an item ends at a comma (a comma inside double quotes does not
// count); the quotes around an item and its leading blanks go.
QStringList lineItems(const QString& line) {
    QStringList pieces;
    QString current;
    bool quoted = false;
    for (const QChar c : line) {
        if (c == u'"')
            quoted = !quoted;
        if (c == u',' && !quoted) {
            pieces.append(current);
            current.clear();
        } else {
            current += c;
        }
    }
    pieces.append(current);

    // Each piece is looked at once, so that a line of many commas reads in linear time.
    QStringList items;
    bool lastHoldsPath = false;
    for (const QString& piece : pieces) {
        if (lastHoldsPath && !isKnownKey(piece)) {
            items.back() += u',' + piece;
        } else {
            items.append(piece);
            lastHoldsPath = holdsPath(piece);
        }
    }
    for (QString& item : items) {
        item = trimLeadingBlanks(item);
        if (item.size() >= 2 && item.startsWith(u'"') && item.endsWith(u'"'))
            item = item.sliced(1, item.size() - 2);
    }
    return items;
}

} // namespace

std::vector<SettingsItem> readSettingsItems(const QStringList& lines) {
    std::vector<SettingsItem> items;
    QString key;
    for (const QString& line : lines) {
        if (line.isEmpty())
            continue;
        for (const QString& item : lineItems(line)) {
            const KeyValue kv = splitKeyValue(item);
            if (kv.hasKey)
                key = kv.key;
            items.push_back({key, kv.value});
        }
    }
    return items;
}

namespace {
// A value holding a comma is written with its whole item between double quotes, which
// every reader of the file takes as one item.
QString settingsItem(const QString& keyAndBlank, const QString& value) {
    const QString item = keyAndBlank + u"="_s + value;
    return value.contains(u',') ? u'"' + item + u'"' : item;
}
} // namespace

QStringList settingsLines(const QString& currentFile, const QString& dataFolder, int multipleChoice,
                          bool withMultipleChoice) {
    QStringList lines{QString(), settingsItem(u"FICDEFAUT "_s, currentFile),
                      settingsItem(u"REPDATA "_s, dataFolder)};
    if (withMultipleChoice)
        lines.append(u"CHOIXMULT ="_s + QString::number(multipleChoice));
    return lines;
}

bool writeSettingsFile(const QString& path, const QStringList& lines) {
    const bool fits = std::all_of(lines.begin(), lines.end(),
                                  [](const QString& line) { return fitsWindows1252(line); });
    return writeTextFile(path, lines, nullptr,
                         fits ? TextEncoding::Windows1252 : TextEncoding::Utf8);
}

} // namespace sylvane::core
