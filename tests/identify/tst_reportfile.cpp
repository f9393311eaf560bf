// The report file: which file and format the save dialog's answer gives.
#include "identify/reportfile.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace sylvane::identify;

class TestReportFile : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void target_data() {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("pdf");
        const QStringList filters = reportDialogFilters();
        QCOMPARE(filters, (QStringList{u"PDF (*.pdf)"_s, u"Page web (*.html)"_s}));
        QTest::newRow("pdf") << u"/d/r.pdf"_s << QString() << u"/d/r.pdf"_s << true;
        QTest::newRow("extension in capitals")
            << u"/d/r.PDF"_s << filters[1] << u"/d/r.PDF"_s << true;
        QTest::newRow("the extension wins over the filter")
            << u"/d/r.htm"_s << filters[0] << u"/d/r.htm"_s << false;
        QTest::newRow("no extension, pdf filter")
            << u"/d/rapport"_s << filters[0] << u"/d/rapport.pdf"_s << true;
        QTest::newRow("no extension, no filter")
            << u"/d/rapport"_s << QString() << u"/d/rapport.html"_s << false;
        QTest::newRow("another extension is kept")
            << u"/d.v2/rapport.txt"_s << filters[1] << u"/d.v2/rapport.txt.html"_s << false;
    }
    void target() {
        QFETCH(QString, chosen);
        QFETCH(QString, filter);
        QFETCH(QString, path);
        QFETCH(bool, pdf);
        const ReportTarget target = reportTarget(chosen, filter);
        QCOMPARE(target.path, path);
        QCOMPARE(target.format == ReportFormat::Pdf, pdf);
    }
};

QTEST_GUILESS_MAIN(TestReportFile)
#include "tst_reportfile.moc"
