// The identification report as a PDF: a whole document made from the report's HTML.
#include "identify/report.h"
#include "ui/reportpdf.h"

#include <QRegularExpression>
#include <QStringEncoder>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {
// The page objects of a PDF ("/Type /Page", not the "/Type /Pages" tree).
int pageCount(const QByteArray& pdf) {
    static const QRegularExpression page(u"/Type\\s*/Page(?![a-zA-Z])"_s);
    return static_cast<int>(QString::fromLatin1(pdf).count(page));
}
} // namespace

class TestReportPdf : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void document() {
        sylvane::identify::IdentificationReport report;
        report.tableTitle = u"Clé des bolets"_s;
        report.tableFile = u"/données/table.txt"_s;
        report.madeAt = QDateTime(QDate(2026, 3, 9), QTime(14, 5));
        report.choices = {{u"Chapeau"_s, {u"brun"_s, u"rosé"_s}}};
        for (int i = 1; i <= 60; ++i)
            report.taxaFound.push_back({u"Cèpe n° %1"_s.arg(i), QString()});
        report.addSheets([](int) {
            return std::vector<sylvane::identify::ReportLine>{{u"Pied"_s, u"ventru"_s}};
        });
        const QByteArray pdf = sylvane::ui::reportPdf(sylvane::identify::reportHtml(report));
        QVERIFY(pdf.startsWith("%PDF-"));
        QVERIFY(pdf.trimmed().endsWith("%%EOF"));
        // Sixty names and fifty sheets do not fit on one page.
        QVERIFY(pageCount(pdf) > 1);
        // The document's title is the page title of the HTML, accents intact.
        QStringEncoder utf16(QStringConverter::Utf16BE);
        const QByteArray title = utf16.encode(u"Rapport d'identification - Clé des bolets"_s);
        QVERIFY(pdf.contains(title));
    }

    void emptyReport() {
        const QByteArray pdf = sylvane::ui::reportPdf(
            sylvane::identify::reportHtml(sylvane::identify::IdentificationReport{}));
        QVERIFY(pdf.startsWith("%PDF-"));
        QCOMPARE(pageCount(pdf), 1);
    }
};

QTEST_MAIN(TestReportPdf)
#include "tst_reportpdf.moc"
