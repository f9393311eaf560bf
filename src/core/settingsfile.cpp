#include "core/settingsfile.h"

#include "core/encoding.h"
#include "core/textfile.h"
#include "core/vbtext.h"

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

// The item as written: a value holding a comma with the whole item between double
// quotes, which every reader of the file takes as one item; the other form when that one
// does not read back as the value (quotes inside it may pair up otherwise); nothing when
// neither does, or for a NUL.
std::optional<QString> settingsItem(const QString& key, const QString& value) {
    if (value.contains(QChar(0))) // it would read back, but names no file
        return std::nullopt;
    const QString item = key + u" ="_s + value;
    const QString quoted = u'"' + item + u'"';
    for (const QString& form :
         value.contains(u',') ? QStringList{quoted, item} : QStringList{item, quoted}) {
        const std::vector<SettingsItem> read = readSettingsItems({form});
        if (read.size() == 1 && read[0].key == key && read[0].value == value)
            return form;
    }
    return std::nullopt;
}

// The encoding the lines are written in: Windows-1252 when they read back exactly from
// it (every character fits, and the bytes do not happen to read as UTF-8), else UTF-8,
// which the reader recognises.
std::optional<TextEncoding> settingsEncoding(const QStringList& lines) {
    for (const TextEncoding encoding : {TextEncoding::Windows1252, TextEncoding::Utf8}) {
        const QByteArray bytes = encodeLines(lines, encoding);
        if (decodeLines(bytes, detectEncoding(bytes)) == lines)
            return encoding;
    }
    return std::nullopt;
}

} // namespace

std::optional<QStringList> settingsLines(const QString& currentFile, const QString& dataFolder,
                                         int multipleChoice, bool withMultipleChoice) {
    const std::optional<QString> file = settingsItem(u"FICDEFAUT"_s, currentFile);
    const std::optional<QString> folder = settingsItem(u"REPDATA"_s, dataFolder);
    if (!file || !folder)
        return std::nullopt;
    QStringList lines{QString(), *file, *folder};
    if (withMultipleChoice)
        lines.append(u"CHOIXMULT ="_s + QString::number(multipleChoice));
    if (!settingsEncoding(lines))
        return std::nullopt;
    return lines;
}

bool writeSettingsFile(const QString& path, const QStringList& lines) {
    const std::optional<TextEncoding> encoding = settingsEncoding(lines);
    return encoding && writeTextFile(path, lines, nullptr, *encoding);
}

} // namespace sylvane::core
