#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

// Where and how the identification report is saved.
namespace sylvane::identify {

enum class ReportFormat { Html, Pdf };

// The filters of the report's save dialog.
QStringList reportDialogFilters();

// The name the save dialog proposes for a report made that day:
// "identification-2023-01-15.html".
QString proposedReportName(const QDate& day);

struct ReportTarget {
    QString path;
    ReportFormat format = ReportFormat::Html;
};

// The file and format that a save dialog's answer asks for. The extension decides (".pdf";
// ".html" or ".htm"; any case); a name without either gets the extension of the filter
// chosen (PDF when chosenFilter names "*.pdf", otherwise the web page).
ReportTarget reportTarget(const QString& chosenPath, const QString& chosenFilter = {});

} // namespace sylvane::identify
