#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

// The identification report: what was chosen, what was found, and the sheets of the taxa
// found, as one HTML document (also the source of the PDF).
namespace sylvane::identify {

// The report details the sheets of at most this many taxa.
inline constexpr int MaxReportSheets = 50;

// One choice: the field and the value or values taken for it.
struct ReportChoice {
    QString field;
    QStringList values;
};

// One line of a sheet, "champ : valeur".
struct ReportLine {
    QString field;
    QString value;
};

struct ReportSheet {
    QString taxon;
    std::vector<ReportLine> lines; // the non-empty fields, in field order
};

struct IdentificationReport {
    QString tableTitle;
    QString tableFile;
    QDateTime madeAt;
    std::vector<ReportChoice> choices; // in the order they were made
    QStringList taxaFound;
    std::vector<ReportSheet> sheets; // of the first taxa found
    int sheetsLeftOut = 0;           // taxa found whose sheet is not in the report

    // Fills sheets for the first MaxReportSheets taxa of taxaFound, asking linesOf(i) for
    // the fields of taxaFound[i] (the lines with an empty value are left out), and counts
    // the others as left out.
    void addSheets(const std::function<std::vector<ReportLine>(int index)>& linesOf);
};

// The report as one self-contained UTF-8 HTML document in French. Every text from the
// table is escaped.
QString reportHtml(const IdentificationReport& report);

} // namespace sylvane::identify
