#include "core/moduleroutines.h"

#include "core/regularfile.h"
#include "core/vbtext.h"

#include <QList>

#include <algorithm>
#include <array>
#include <limits>

using namespace Qt::StringLiterals;

namespace sylvane::core {

bool FileExists(const QString& path) {
    return checkReadableFile(path, std::numeric_limits<qint64>::max()) == FileCheck::Readable;
}

QString ExtensionOf(const QString& name) {
    const qsizetype dot = name.indexOf(u'.');
    return dot < 0 ? name : name.sliced(dot + 1);
}

std::optional<QString> StripExtension(const QString& name) {
    const qsizetype dot = name.indexOf(u'.');
    if (dot < 0)
        return std::nullopt;
    return name.first(dot);
}

QString FolderOf(const QString& path) {
    const qsizetype cut = std::max(path.lastIndexOf(u'\\'), path.lastIndexOf(u'/'));
    return cut < 0 ? QString() : path.first(cut + 1);
}

QChar foldAccent(QChar c) {
    const char16_t u = c.unicode();
    if (u < 224 || u > 252)
        return c;
    static constexpr std::array<char16_t, 29> folded = {
        u'a', u'a', u'a', u'a', u'a', 229,  230,  u'c', // 224-231
        u'e', u'e', u'e', u'e', u'i', u'i', u'i', u'i', // 232-239
        240,  241,  u'o', u'o', u'o', u'o', u'o', 247,  // 240-247
        248,  u'u', u'u', u'u', u'u'};                  // 248-252
    return QChar(folded[u - 224]);
}

QString FoldAccents(const QString& text) {
    QString result = text;
    for (QChar& c : result)
        c = foldAccent(c);
    return result;
}

bool ContainsText(int value, const QString& text) {
    return text.contains(QString::number(value));
}

void ReplaceAll(const QString& find, const QString& replacement, QString& text) {
    text = trimBlanks(text);
    if (find.isEmpty())
        return;
    if (replacement.contains(find)) {
        text.replace(find, replacement);
        return;
    }
    // The leftmost occurrence is always at the end of what has been written so far: the
    // text is read character by character, and each replacement is pushed back in front
    // of what is left to read, so that matches it forms with its neighbours are found.
    // This gives exactly the restart-from-the-beginning result in linear time.
    // What comes before the first occurrence is copied whole: most lines hold none.
    qsizetype next = text.indexOf(find);
    if (next < 0)
        return;
    const qsizetype findLength = find.size();
    QString output;
    output.reserve(text.size());
    output.append(QStringView(text).first(next));
    QString pending; // replacement characters still to read, read from the back
    qint64 budget = 64 * (text.size() + 16); // a guard: no rewriting runs for ever
    while (next < text.size() || !pending.isEmpty()) {
        if (!pending.isEmpty()) {
            output.append(pending.back());
            pending.chop(1);
        } else {
            output.append(text[next++]);
        }
        if (output.size() >= findLength && QStringView(output).last(findLength) == find) {
            if (--budget < 0)
                break;
            output.chop(findLength);
            for (qsizetype i = replacement.size() - 1; i >= 0; --i)
                pending.append(replacement[i]);
        }
    }
    if (next < text.size() || !pending.isEmpty()) {
        std::reverse(pending.begin(), pending.end());
        output += pending;
        output += QStringView(text).sliced(next);
    }
    text = output;
}

namespace {

template <typename Store>
bool splitInto(QString& list, int& count, qsizetype capacity, const QString& separator,
               Store store) {
    bool fitted = true;
    const QStringView view(list);
    qsizetype start = 0;
    if (!separator.isEmpty()) {
        for (qsizetype sep = view.indexOf(separator, start); sep >= 0;
             sep = view.indexOf(separator, start)) {
            ++count;
            if (count < capacity)
                store(count, trimBlanks(view.sliced(start, sep - start)));
            else
                fitted = false;
            start = sep + separator.size();
        }
    }
    const QString rest = view.sliced(start).toString();
    ++count;
    if (!rest.isEmpty()) {
        if (count < capacity)
            store(count, trimBlanks(rest));
        else
            fitted = false;
    }
    list = rest;
    return fitted;
}

} // namespace

bool SplitFieldList(QString& list, int& count, std::span<QString> target,
                    const QString& separator) {
    return splitInto(list, count, static_cast<qsizetype>(target.size()), separator,
                     [&](int index, const QString& piece) { target[index] = piece; });
}

bool SplitFieldList(QString& list, int& count, std::span<double> target, const QString& separator) {
    return splitInto(
        list, count, static_cast<qsizetype>(target.size()), separator,
        [&](int index, const QString& piece) { target[index] = leadingNumericValue(piece); });
}

} // namespace sylvane::core
