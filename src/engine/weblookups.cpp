#include "engine/weblookups.h"

using namespace Qt::StringLiterals;

namespace sylvane::engine::weblookups {

QString imageSearchPrefix() {
    return QString::fromUtf16(ImageSearchHost) + u"/images?um=1&hl=fr&lr=lang_fr&q="_s;
}

QString databaseQuickSearchPrefix() {
    return QString::fromUtf16(MycoDatabaseHost) +
           u"/quicksearch.php?action=search&type=espece&query="_s;
}

QString inventoryPrefix() {
    return QString::fromUtf16(MycoDatabaseHost) + u"/inpn.php?query="_s;
}

QString inventorySearchSuffix() {
    return u"&action=search"_s;
}

QString websiteSearchPrefix() {
    const QString domain = QString::fromUtf16(WebsiteDomain);
    return QString::fromUtf16(WebSearchHost) + u"/search?q=site:"_s + domain + u"+%22,+%22+"_s +
           domain + u"++++"_s;
}

QString websiteSearchSuffix() {
    return u"(Description)"_s;
}

QString authorMailLink() {
    return u"mailto:"_s + QString::fromUtf16(AuthorMail) + u"?subject=Question Sylvane&body=****"_s;
}

} // namespace sylvane::engine::weblookups
