#include "identify/report.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace sylvane::identify {

void IdentificationReport::addSheets(
    const std::function<std::vector<ReportLine>(int index)>& linesOf) {
    const int detailed = std::min<int>(static_cast<int>(taxaFound.size()), MaxReportSheets);
    for (int i = 0; i < detailed; ++i) {
        std::vector<ReportLine> lines = linesOf(i);
        std::erase_if(lines, [](const ReportLine& line) { return line.value.isEmpty(); });
        sheets.push_back({taxaFound[i], std::move(lines)});
    }
    sheetsLeftOut = static_cast<int>(taxaFound.size()) - detailed;
}

namespace {

QString item(const QString& field, const QString& value) {
    return u"<li>"_s + field.toHtmlEscaped() + u" : "_s + value.toHtmlEscaped() + u"</li>\n"_s;
}

// The ending of a French plural: "" for 0 or 1, "s" above.
QString plural(int count) {
    return count > 1 ? u"s"_s : QString();
}

QString styleSheet() {
    return uR"(body { font-family: sans-serif; margin: 2em; color: #222; }
h1 { font-size: 150%; color: #2e5b2e; }
h2 { font-size: 120%; color: #2e5b2e; border-bottom: 1px solid #9ab89a; }
h3 { font-size: 105%; margin-bottom: 0.2em; }
ul, ol { margin-top: 0.2em; }
.note { font-style: italic; }
)"_s;
}

QString heading(const IdentificationReport& report) {
    QString html = u"<h1>Rapport d'identification</h1>\n<p>"_s;
    if (!report.tableTitle.isEmpty())
        html += u"Table : <b>"_s + report.tableTitle.toHtmlEscaped() + u"</b><br>\n"_s;
    html += u"Fichier : "_s + report.tableFile.toHtmlEscaped() + u"<br>\n"_s;
    html += u"Date : le "_s + report.madeAt.toString(u"dd/MM/yyyy"_s) + u" à "_s +
            report.madeAt.toString(u"HH:mm"_s) + u"</p>\n"_s;
    return html;
}

QString choices(const IdentificationReport& report) {
    QString html = u"<h2>Choix</h2>\n"_s;
    if (report.choices.empty())
        return html + u"<p>Aucun choix.</p>\n"_s;
    html += u"<ol>\n"_s;
    for (const ReportChoice& choice : report.choices)
        html += item(choice.field, choice.values.join(u" ou "_s));
    return html + u"</ol>\n"_s;
}

QString taxaFound(const IdentificationReport& report) {
    const auto count = static_cast<int>(report.taxaFound.size());
    QString html = u"<h2>Taxons trouvés : "_s + QString::number(count) + u"</h2>\n"_s;
    if (count == 0)
        return html + u"<p>Aucun taxon trouvé.</p>\n"_s;
    html += u"<ul>\n"_s;
    for (const QString& taxon : report.taxaFound)
        html += u"<li>"_s + taxon.toHtmlEscaped() + u"</li>\n"_s;
    return html + u"</ul>\n"_s;
}

QString sheets(const IdentificationReport& report) {
    if (report.sheets.empty() && report.sheetsLeftOut == 0)
        return {};
    QString html = u"<h2>Fiches</h2>\n"_s;
    for (const ReportSheet& sheet : report.sheets) {
        html += u"<h3>"_s + sheet.taxon.toHtmlEscaped() + u"</h3>\n<ul>\n"_s;
        for (const ReportLine& line : sheet.lines)
            html += item(line.field, line.value);
        html += u"</ul>\n"_s;
    }
    if (report.sheetsLeftOut > 0)
        html += u"<p class=\"note\">"_s + QString::number(report.sheetsLeftOut) +
                u" fiche%1 non reproduite%1"_s.arg(plural(report.sheetsLeftOut)) +
                u" : le rapport donne au plus "_s + QString::number(MaxReportSheets) +
                u" fiches.</p>\n"_s;
    return html;
}

} // namespace

QString reportHtml(const IdentificationReport& report) {
    QString title = u"Rapport d'identification"_s;
    if (!report.tableTitle.isEmpty())
        title += u" - "_s + report.tableTitle;
    return u"<!DOCTYPE html>\n<html lang=\"fr\">\n<head>\n<meta charset=\"utf-8\">\n<title>"_s +
           title.toHtmlEscaped() + u"</title>\n<style>\n"_s + styleSheet() +
           u"</style>\n</head>\n<body>\n"_s + heading(report) + choices(report) +
           taxaFound(report) + sheets(report) + u"</body>\n</html>\n"_s;
}

} // namespace sylvane::identify
