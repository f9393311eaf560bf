#include "identify/reportfile.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace sylvane::identify {

QStringList reportDialogFilters() {
    return {u"PDF (*.pdf)"_s, u"Page web (*.html)"_s};
}

QString proposedReportName(const QDate& day) {
    return u"identification-"_s + day.toString(u"yyyy-MM-dd"_s) + u".html"_s;
}

ReportTarget reportTarget(const QString& chosenPath, const QString& chosenFilter) {
    const QString suffix = QFileInfo(chosenPath).suffix().toLower();
    if (suffix == u"pdf"_s)
        return {chosenPath, ReportFormat::Pdf};
    if (suffix == u"html"_s || suffix == u"htm"_s)
        return {chosenPath, ReportFormat::Html};
    if (chosenFilter.contains(u"*.pdf"_s))
        return {chosenPath + u".pdf"_s, ReportFormat::Pdf};
    return {chosenPath + u".html"_s, ReportFormat::Html};
}

} // namespace sylvane::identify
