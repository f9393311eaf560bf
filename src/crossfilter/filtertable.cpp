#include "crossfilter/filtertable.h"

using namespace Qt::StringLiterals;

namespace sylvane::crossfilter {

QString modeText(FilterMode mode) {
    switch (mode) {
    case FilterMode::Either:
        return u"0"_s;
    case FilterMode::Both:
        return u"1"_s;
    case FilterMode::Single:
        return u"2"_s;
    case FilterMode::Unset:
        break;
    }
    return QString();
}

QString matchText(ValueMatch match) {
    switch (match) {
    case ValueMatch::Contains:
        return u"0"_s;
    case ValueMatch::Exact:
        return u"1"_s;
    case ValueMatch::Unset:
        break;
    }
    return QString();
}

QString fieldText(std::optional<int> field) {
    return field ? QString::number(*field) : QString();
}

LinkWordTable defaultLinkWords() {
    return {u" <OU> "_s, u"<ET>"_s, u" "_s};
}

const QString& linkWordFor(const LinkWordTable& words, FilterMode mode) {
    switch (mode) {
    case FilterMode::Either:
        return words[0];
    case FilterMode::Both:
        return words[1];
    case FilterMode::Single:
    case FilterMode::Unset:
        break;
    }
    return words[2];
}

} // namespace sylvane::crossfilter
