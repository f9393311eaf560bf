#pragma once

#include <QString>
#include <QStringView>

// Small text helpers with the rules the program's texts follow: "blank" is the
// character 32 only, numbers are read by their leading numeric value and written in
// plain decimal.
namespace sylvane::core {

// Removes the blanks (character 32, nothing else) at both ends.
QString trimBlanks(QStringView text);
QString trimLeadingBlanks(QStringView text);

// True when the text is empty or made of blanks only (a tab is not a blank).
bool isBlankLine(QStringView text);

// The leading numeric value of a text: leading blanks skipped, an optional sign,
// digits with an optional decimal point and exponent; 0 when there is none ("3a" -> 3).
double leadingNumericValue(QStringView text);

// Rounds to the nearest whole number, halves to even (2.5 -> 2, 3.5 -> 4).
double roundHalfEven(double value);

// A whole or fractional number in plain decimal, without a leading blank and without a
// decimal point for whole numbers ("7", "-3", "0.25").
QString numberText(double value);
inline QString numberText(int value) {
    return QString::number(value);
}
inline QString numberText(qint64 value) {
    return QString::number(value);
}

// The key of a KEY=value line: the upper-cased, trimmed text before the first "=".
// Empty optional-like result (hasKey false) when the line has no "=".
struct KeyValue {
    bool hasKey = false;
    QString key;
    QString value;
};
KeyValue splitKeyValue(QStringView line);

} // namespace sylvane::core
