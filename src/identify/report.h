#pragma once

#include "core/platform.h"

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

// A taxon found, with why it stands there when the values chosen do not say it alone.
struct ReportTaxon {
    QString name;
    QString note; // "non renseigné : Odeur", or ""
    bool operator==(const ReportTaxon&) const = default;
};

struct ReportSheet {
    QString taxon;
    std::vector<ReportLine> lines; // the non-empty fields, in field order
};

struct IdentificationReport {
    QString tableTitle;
    QString tableFile;
    QStringList tableComments; // the table's comment lines, its warnings among them
    QDateTime madeAt;
    core::ObservationNotes observation; // what the user noted, printed when not empty
    std::vector<ReportChoice> choices;  // the choices in force, in the order they were made
    QStringList options;                // the options that changed the result, explained
    std::vector<ReportTaxon> taxaFound;
    std::vector<ReportSheet> sheets; // of the first taxa found
    int sheetsLeftOut = 0;           // taxa found whose sheet is not in the report

    // Fills sheets for the first MaxReportSheets taxa of taxaFound, asking linesOf(i) for
    // the fields of taxaFound[i] (the lines with an empty value are left out), and counts
    // the others as left out.
    void addSheets(const std::function<std::vector<ReportLine>(int index)>& linesOf);
};

// The report as one self-contained UTF-8 HTML document in French, taxon names in italics.
// Every text from the table or the user is escaped.
QString reportHtml(const IdentificationReport& report);

} // namespace sylvane::identify
