#include "ui/reportpdf.h"

#include <QBuffer>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextDocument>

using namespace Qt::StringLiterals;

namespace sylvane::ui {

QByteArray reportPdf(const QString& html) {
    QTextDocument document;
    document.setHtml(html);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly))
        return {};
    {
        QPdfWriter writer(&buffer);
        writer.setTitle(document.metaInformation(QTextDocument::DocumentTitle));
        writer.setCreator(u"Sylvane"_s);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                         QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter));
        document.print(&writer);
    } // the writer finishes the document when it goes
    return bytes.startsWith("%PDF") ? bytes : QByteArray();
}

} // namespace sylvane::ui
