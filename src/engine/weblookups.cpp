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

QString imageSearchButtonSuffix() {
    return u"&btnG=Recherche+d%27images"_s;
}

QString webSearchPrefix() {
    return QString::fromUtf16(WebSearchHost) + u"/search?q="_s;
}

QString pdfSearchSuffix() {
    return u" filetype : pdf"_s;
}

QString websiteDescriptionSearch(const QString& name) {
    return webSearchPrefix() + u"site:"_s + QString::fromUtf16(WebsiteDomain) + u' ' + name +
           u" (Description)"_s;
}

QString societyKeywordSearchAddress() {
    return u"http://"_s + QString::fromUtf16(WebsiteDomain) + u'/' +
           QString::fromUtf16(SocietyKeywordSearchPage);
}

QString authorMailLink() {
    return u"mailto:"_s + QString::fromUtf16(AuthorMail) + u"?subject=Question Sylvane&body=****"_s;
}

} // namespace sylvane::engine::weblookups
