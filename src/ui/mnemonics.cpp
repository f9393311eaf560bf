#include "ui/mnemonics.h"

#include <QSet>

using namespace Qt::StringLiterals;

namespace sylvane::ui {

namespace {

// Letters a keyboard can type without composing: plain ASCII letters and digits.
bool typable(QChar c) {
    return c.isLetterOrNumber() && c.unicode() < 128;
}

bool startsWord(const QString& caption, qsizetype i) {
    return i == 0 || !caption[i - 1].isLetterOrNumber();
}

} // namespace

QList<int> mnemonicPositions(const QStringList& captions) {
    QSet<QChar> used;
    QList<int> positions;
    for (const QString& caption : captions) {
        int chosen = -1;
        for (const bool wordStartsOnly : {true, false}) {
            for (qsizetype i = 0; i < caption.size() && chosen < 0; ++i) {
                const QChar letter = caption[i].toLower();
                if (typable(letter) && !used.contains(letter) &&
                    (!wordStartsOnly || startsWord(caption, i)))
                    chosen = static_cast<int>(i);
            }
        }
        if (chosen >= 0)
            used.insert(caption[chosen].toLower());
        positions.append(chosen);
    }
    return positions;
}

QString withMnemonic(const QString& caption, int position) {
    QString shown;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (i == position)
            shown += QLatin1Char('&');
        if (caption[i] == QLatin1Char('&'))
            shown += QLatin1Char('&');
        shown += caption[i];
    }
    return shown;
}

int mnemonicPosition(const QString& caption, QChar letter) {
    const QChar wanted = letter.toLower();
    qsizetype first = -1;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i].toLower() != wanted)
            continue;
        if (startsWord(caption, i))
            return static_cast<int>(i);
        if (first < 0)
            first = i;
    }
    return static_cast<int>(first);
}

QString underlinedAt(const QString& caption, int position) {
    QString shown = u"<span style=\"white-space:pre\">"_s;
    if (position < 0 || position >= caption.size())
        return shown + caption.toHtmlEscaped() + u"</span>"_s;
    return shown + caption.first(position).toHtmlEscaped() + u"<u>"_s +
           caption.sliced(position, 1).toHtmlEscaped() + u"</u>"_s +
           caption.sliced(position + 1).toHtmlEscaped() + u"</span>"_s;
}

} // namespace sylvane::ui
