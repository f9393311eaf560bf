#include "crossfilter/filtertable.h"

using namespace Qt::StringLiterals;

namespace sylvane::crossfilter {

LinkWordTable defaultLinkWords() {
    return {u" <OU> "_s, u"<ET>"_s, u" "_s};
}

const QString& linkWordFor(const LinkWordTable& words, const QString& mode) {
    if (mode == u"0"_s)
        return words[0];
    if (mode == u"1"_s)
        return words[1];
    return words[2];
}

} // namespace sylvane::crossfilter
