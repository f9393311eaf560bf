// The report file: which file and format the save dialog's answer gives, and the writing
// beside the target then the rename.
#include "identify/reportfile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace sylvane::identify;

namespace {

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

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

    void writesUtf8() {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"rapport.html"_s);
        const QByteArray bytes = u"<p>Cèpe &amp; bolet</p>"_s.toUtf8();
        QString error;
        QVERIFY2(writeReportFile(path, bytes, &error), qPrintable(error));
        QCOMPARE(readFile(path), bytes);
        QVERIFY(readFile(path).contains("Cèpe &amp; bolet"));
    }

    // An existing report is replaced whole, and nothing is left beside it.
    void replacesExistingFile() {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"rapport.html"_s);
        QVERIFY(writeFile(path, "ancien rapport, plus long que le nouveau"));
        QString error;
        QVERIFY2(writeReportFile(path, "nouveau", &error), qPrintable(error));
        QCOMPARE(readFile(path), QByteArray("nouveau"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{u"rapport.html"_s});
    }

    void failures_data() {
        QTest::addColumn<QString>("relativePath");
        QTest::addColumn<QString>("message");
        QTest::newRow("a folder")
            << u"dossier"_s
            << u"Le rapport ne peut pas remplacer « %1 » : ce n'est pas un fichier ordinaire"_s;
        QTest::newRow("missing folder")
            << u"absent/rapport.pdf"_s
            << u"Le rapport ne peut pas être écrit à côté de « %1 » : "_s;
        QTest::newRow("under a file") << u"ancien.html/rapport.pdf"_s
                                      << u"Le rapport ne peut pas être écrit à côté de « %1 » : "_s;
    }
    // A failure says what failed and leaves what was there.
    void failures() {
        QFETCH(QString, relativePath);
        QFETCH(QString, message);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(u"dossier"_s));
        QVERIFY(writeFile(dir.filePath(u"ancien.html"_s), "ancien"));
        const QString path = dir.filePath(relativePath);
        QString error;
        QVERIFY(!writeReportFile(path, "nouveau", &error));
        QVERIFY2(error.startsWith(message.arg(path)), qPrintable(error));
        QVERIFY(QFileInfo(dir.filePath(u"dossier"_s)).isDir());
        QCOMPARE(readFile(dir.filePath(u"ancien.html"_s)), QByteArray("ancien"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 (QStringList{u"ancien.html"_s, u"dossier"_s}));
    }
};

QTEST_GUILESS_MAIN(TestReportFile)
#include "tst_reportfile.moc"
