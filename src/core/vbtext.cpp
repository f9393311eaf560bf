#include "core/vbtext.h"

#include <cmath>

using namespace Qt::StringLiterals;

namespace sylvane::core {

QString trimBlanks(QStringView text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text[begin] == u' ')
        ++begin;
    while (end > begin && text[end - 1] == u' ')
        --end;
    return text.sliced(begin, end - begin).toString();
}

QString trimLeadingBlanks(QStringView text) {
    qsizetype begin = 0;
    while (begin < text.size() && text[begin] == u' ')
        ++begin;
    return text.sliced(begin).toString();
}

bool isBlankLine(QStringView text) {
    for (QChar c : text)
        if (c != u' ')
            return false;
    return true;
}

double leadingNumericValue(QStringView text) {
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && (text[i] == u' ' || text[i] == u'\t'))
        ++i;
    const qsizetype start = i;
    if (i < n && (text[i] == u'+' || text[i] == u'-'))
        ++i;
    qsizetype digits = 0;
    while (i < n && text[i].isDigit() && text[i].unicode() < 128) {
        ++i;
        ++digits;
    }
    if (i < n && text[i] == u'.') {
        ++i;
        while (i < n && text[i].isDigit() && text[i].unicode() < 128) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0)
        return 0.0;
    qsizetype end = i;
    if (i < n && (text[i] == u'e' || text[i] == u'E')) {
        qsizetype j = i + 1;
        if (j < n && (text[j] == u'+' || text[j] == u'-'))
            ++j;
        qsizetype expDigits = 0;
        while (j < n && text[j].isDigit() && text[j].unicode() < 128) {
            ++j;
            ++expDigits;
        }
        if (expDigits > 0)
            end = j;
    }
    bool ok = false;
    const double value = text.sliced(start, end - start).toDouble(&ok);
    return ok && std::isfinite(value) ? value : 0.0;
}

double roundHalfEven(double value) {
    return std::nearbyint(value); // the default rounding mode rounds halves to even
}

QString numberText(double value) {
    if (value == std::floor(value) && std::fabs(value) < 1e15)
        return QString::number(static_cast<qint64>(value));
    return QString::number(value, 'g', 15);
}

KeyValue splitKeyValue(QStringView line) {
    KeyValue result;
    const qsizetype eq = line.indexOf(u'=');
    if (eq < 0) {
        result.value = trimBlanks(line);
        return result;
    }
    result.hasKey = true;
    result.key = trimBlanks(line.first(eq)).toUpper();
    result.value = trimBlanks(line.sliced(eq + 1));
    return result;
}

} // namespace sylvane::core
