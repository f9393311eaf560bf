#include "core/settingsfile.h"

#include "core/vbtext.h"

using namespace Qt::StringLiterals;

namespace sylvane::core {

namespace {

QString unquote(const QString& item) {
    QString text = trimLeadingBlanks(item);
    if (text.size() >= 2 && text.startsWith(u'"') && text.endsWith(u'"'))
        text = text.sliced(1, text.size() - 2);
    return text;
}

QStringList lineItems(const QString& line) {
    const QStringList pieces = line.split(u',');
    QStringList items;
    for (const QString& piece : pieces) {
        if (!items.isEmpty() && !piece.contains(u'=') && items.back().contains(u'='))
            items.back() += u',' + piece;
        else
            items.append(piece);
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
        for (const QString& raw : lineItems(line)) {
            const QString item = unquote(raw);
            const KeyValue kv = splitKeyValue(item);
            if (kv.hasKey)
                key = kv.key;
            items.push_back({key, kv.value});
        }
    }
    return items;
}

QStringList settingsLines(const QString& currentFile, const QString& dataFolder, int multipleChoice,
                          bool withMultipleChoice) {
    QStringList lines{QString(), u"FICDEFAUT ="_s + currentFile, u"REPDATA ="_s + dataFolder};
    if (withMultipleChoice)
        lines.append(u"CHOIXMULT ="_s + QString::number(multipleChoice));
    return lines;
}

} // namespace sylvane::core
