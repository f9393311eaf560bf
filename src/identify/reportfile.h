#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Where and how the identification report is saved.
namespace sylvane::identify {

enum class ReportFormat { Html, Pdf };

// The filters of the report's save dialog.
QStringList reportDialogFilters();

struct ReportTarget {
    QString path;
    ReportFormat format = ReportFormat::Html;
};

// The file and format that a save dialog's answer asks for. The extension decides (".pdf";
// ".html" or ".htm"; any case); a name without either gets the extension of the filter
// chosen (PDF when chosenFilter names "*.pdf", otherwise the web page).
ReportTarget reportTarget(const QString& chosenPath, const QString& chosenFilter = {});

// Writes bytes to path through a temporary file beside it, renamed over path only once
// every byte is written and synced: a failure leaves an existing file as it was. Only a
// regular file is replaced. On failure, errorText says which step failed and why.
bool writeReportFile(const QString& path, const QByteArray& bytes, QString* errorText);

} // namespace sylvane::identify
