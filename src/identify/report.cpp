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
        sheets.push_back({taxaFound[static_cast<size_t>(i)].name, std::move(lines)});
    }
    sheetsLeftOut = static_cast<int>(taxaFound.size()) - detailed;
}

namespace {

QString escaped(const QString& text) {
    return text.toHtmlEscaped();
}

// A text the user typed over several lines keeps its line breaks.
QString escapedLines(const QString& text) {
    QString html = escaped(text);
    html.replace(u"\r\n"_s, u"\n"_s).replace(u'\n', u"<br>"_s);
    return html;
}

QString italic(const QString& taxon) {
    return u"<i>"_s + escaped(taxon) + u"</i>"_s;
}

QString item(const QString& field, const QString& value) {
    return u"<li>"_s + escaped(field) + u" : "_s + escaped(value) + u"</li>\n"_s;
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
.comments { border-left: 3px solid #c8a040; padding-left: 0.8em; }
)"_s;
}

QString heading(const IdentificationReport& report) {
    QString html = u"<h1>Rapport d'identification</h1>\n<p>"_s;
    if (!report.tableTitle.isEmpty())
        html += u"Table : <b>"_s + escaped(report.tableTitle) + u"</b><br>\n"_s;
    html += u"Fichier : "_s + escaped(report.tableFile) + u"<br>\n"_s;
    html += u"Date : le "_s + report.madeAt.toString(u"dd/MM/yyyy"_s) + u" à "_s +
            report.madeAt.toString(u"HH:mm"_s) + u"</p>\n"_s;
    if (report.tableComments.isEmpty())
        return html;
    html += u"<div class=\"comments\">\n"_s;
    for (const QString& comment : report.tableComments)
        html += u"<p>"_s + escaped(comment) + u"</p>\n"_s;
    return html + u"</div>\n"_s;
}

QString observation(const core::ObservationNotes& notes) {
    const std::pair<QString, QString> lines[] = {{u"Date"_s, notes.date},
                                                 {u"Lieu"_s, notes.place},
                                                 {u"Récolteur"_s, notes.collector},
                                                 {u"Remarques"_s, notes.remarks}};
    QString html;
    for (const auto& [label, text] : lines)
        if (!text.trimmed().isEmpty())
            html += u"<li>"_s + label + u" : "_s + escapedLines(text) + u"</li>\n"_s;
    if (html.isEmpty())
        return {};
    return u"<h2>Observation</h2>\n<ul>\n"_s + html + u"</ul>\n"_s;
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

QString options(const IdentificationReport& report) {
    if (report.options.isEmpty())
        return {};
    QString html = u"<h2>Options</h2>\n<ul>\n"_s;
    for (const QString& option : report.options)
        html += u"<li>"_s + escaped(option) + u"</li>\n"_s;
    return html + u"</ul>\n"_s;
}

QString taxaFound(const IdentificationReport& report) {
    const auto count = static_cast<int>(report.taxaFound.size());
    QString html = u"<h2>Espèces trouvées : "_s + QString::number(count) + u"</h2>\n"_s;
    if (count == 0)
        return html + u"<p>Aucune espèce trouvée.</p>\n"_s;
    html += u"<ul>\n"_s;
    for (const ReportTaxon& taxon : report.taxaFound) {
        html += u"<li>"_s + italic(taxon.name);
        if (!taxon.note.isEmpty())
            html += u" <span class=\"note\">("_s + escaped(taxon.note) + u")</span>"_s;
        html += u"</li>\n"_s;
    }
    return html + u"</ul>\n"_s;
}

QString sheets(const IdentificationReport& report) {
    if (report.sheets.empty() && report.sheetsLeftOut == 0)
        return {};
    QString html = u"<h2>Fiches</h2>\n"_s;
    for (const ReportSheet& sheet : report.sheets) {
        html += u"<h3>"_s + italic(sheet.taxon) + u"</h3>\n<ul>\n"_s;
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
           u"</style>\n</head>\n<body>\n"_s + heading(report) + observation(report.observation) +
           choices(report) + options(report) + taxaFound(report) + sheets(report) +
           u"</body>\n</html>\n"_s;
}

} // namespace sylvane::identify
