#pragma once

#include <QByteArray>
#include <QString>

namespace sylvane::ui {

// The identification report's HTML laid out on A4 pages as a PDF document, in memory, so
// that it is written to disk like the HTML (beside the target, then renamed). Needs a
// QGuiApplication (fonts). Empty when Qt could not produce the document.
QByteArray reportPdf(const QString& html);

} // namespace sylvane::ui
