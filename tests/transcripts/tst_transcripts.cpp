// Runs every folder of tests/transcripts/cases through the headless driver: the folder
// holds script.txt (and the key tables it names, relative to the folder), expected.txt
// is the transcript. An "app" subfolder, if any, is copied to a fresh folder that serves
// as the program's folder (Sylvane.ini). "edition" holds 2019-02 for the earlier build.
// SYLVANE_UPDATE_TRANSCRIPTS=1 writes the transcripts instead of comparing them.
#include "app/drive/driver.h"

#include <QDir>
#include <QDirIterator>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QString readUtf8(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

bool copyFolder(const QString& from, const QString& to) {
    QDir().mkpath(to);
    QDirIterator it(from, QDir::Files);
    while (it.hasNext()) {
        it.next();
        if (!QFile::copy(it.filePath(), to + u'/' + it.fileName()))
            return false;
    }
    return true;
}

} // namespace

class TestTranscripts : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void transcript_data() {
        QTest::addColumn<QString>("folder");
        QDir cases(QStringLiteral(SYLVANE_TRANSCRIPTS) + u"/cases"_s);
        for (const QString& name : cases.entryList(QDir::Dirs | QDir::NoDotAndDotDot))
            QTest::newRow(qPrintable(name)) << cases.filePath(name);
    }

    void transcript() {
        QFETCH(QString, folder);
        const QString previous = QDir::currentPath();
        QTemporaryDir appFolder;
        if (QDir(folder + u"/app"_s).exists())
            QVERIFY(copyFolder(folder + u"/app"_s, appFolder.path()));
        const QString edition = readUtf8(folder + u"/edition"_s).trimmed();
        QVERIFY(QDir::setCurrent(folder));
        const QString caseFolder = QDir::currentPath();

        QString transcript;
        {
            sylvane::drive::Driver driver(
                sylvane::core::editionFromName(edition.isEmpty() ? u"2023-01"_s : edition),
                appFolder.path(), [&](const QString& line) {
                    // Folders that change from run to run are shown by name.
                    QString shown = line;
                    shown.replace(appFolder.path(), u"$APP"_s);
                    shown.replace(caseFolder, u"$CASE"_s);
                    transcript += shown + u'\n';
                });
            QString script = readUtf8(folder + u"/script.txt"_s);
            QTextStream stream(&script);
            driver.runScript(stream);
        }
        QDir::setCurrent(previous);

        const QString expectedPath = folder + u"/expected.txt"_s;
        if (qEnvironmentVariableIntValue("SYLVANE_UPDATE_TRANSCRIPTS") == 1) {
            QFile f(expectedPath);
            QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
            f.write(transcript.toUtf8());
            return;
        }
        const QStringList got = transcript.split(u'\n');
        const QStringList want = readUtf8(expectedPath).split(u'\n');
        for (qsizetype i = 0; i < std::min(got.size(), want.size()); ++i)
            if (got[i] != want[i])
                QFAIL(qPrintable(
                    u"line %1 differs\n  got:  %2\n  want: %3"_s.arg(i + 1).arg(got[i], want[i])));
        QCOMPARE(got.size(), want.size());
    }
};

QTEST_GUILESS_MAIN(TestTranscripts)
#include "tst_transcripts.moc"
