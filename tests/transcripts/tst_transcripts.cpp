// Runs every folder of tests/transcripts/cases through the headless driver: the folder
// holds script.txt (and the key tables it names, relative to the folder), expected.txt
// is the transcript. An "app" subfolder, if any, is copied to a fresh folder that serves
// as the program's folder (Sylvane.ini). "edition" holds 2019-02 for the earlier build.
// A transcript that differs fails with the unified diff of the whole case.
// SYLVANE_UPDATE_TRANSCRIPTS=case1,case2 writes the transcripts of the cases named
// instead of comparing them; the other cases are compared as usual.
#include "app/drive/driver.h"
#include "bytefiles.h"

#include <QDir>
#include <QDirIterator>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QTest>

using namespace Qt::StringLiterals;
using sylvane::testing::readBytes;

namespace {

QString readUtf8(const QString& path) {
    return QString::fromUtf8(readBytes(path));
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

QString casesFolder() {
    return QStringLiteral(SYLVANE_TRANSCRIPTS) + u"/cases"_s;
}

QStringList caseNames() {
    return QDir(casesFolder()).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
}

// The cases SYLVANE_UPDATE_TRANSCRIPTS names, comma separated.
QStringList casesToUpdate() {
    QStringList names;
    for (const QString& name : qEnvironmentVariable("SYLVANE_UPDATE_TRANSCRIPTS").split(u','))
        if (!name.trimmed().isEmpty())
            names << name.trimmed();
    return names;
}

// Puts the process back in the folder it was in, however the case ends.
class CurrentFolderGuard {
  public:
    CurrentFolderGuard() : previous_(QDir::currentPath()) {}
    ~CurrentFolderGuard() { QDir::setCurrent(previous_); }
    CurrentFolderGuard(const CurrentFolderGuard&) = delete;
    CurrentFolderGuard& operator=(const CurrentFolderGuard&) = delete;

  private:
    QString previous_;
};

QString firstDifference(const QString& want, const QString& got) {
    const QStringList wantLines = want.split(u'\n');
    const QStringList gotLines = got.split(u'\n');
    qsizetype i = 0;
    while (i < wantLines.size() && i < gotLines.size() && wantLines[i] == gotLines[i])
        ++i;
    const auto line = [](const QStringList& lines, qsizetype at) {
        return at < lines.size() ? lines[at] : u"(end of transcript)"_s;
    };
    return u"line %1 differs\n  want: %2\n  got:  %3"_s.arg(i + 1).arg(line(wantLines, i),
                                                                       line(gotLines, i));
}

// How the transcript produced differs from the expected file: the unified diff of the
// whole case when diff is installed, else the first line that differs.
QString describeDifference(const QString& expectedPath, const QByteArray& got) {
    const QString diff = QStandardPaths::findExecutable(u"diff"_s);
    QTemporaryFile gotFile;
    if (!diff.isEmpty() && gotFile.open() && gotFile.write(got) == got.size() && gotFile.flush()) {
        QProcess process;
        process.start(diff, {u"-u"_s, u"--label"_s, u"expected.txt"_s, u"--label"_s, u"got"_s,
                             expectedPath, gotFile.fileName()});
        // Exit code 1: the files differ and the diff was printed.
        if (process.waitForFinished() && process.exitStatus() == QProcess::NormalExit &&
            process.exitCode() == 1)
            return QString::fromUtf8(process.readAllStandardOutput());
    }
    return firstDifference(readUtf8(expectedPath), QString::fromUtf8(got));
}

} // namespace

class TestTranscripts : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void initTestCase() {
        QStringList unknown;
        for (const QString& name : casesToUpdate())
            if (!caseNames().contains(name))
                unknown << name;
        if (!unknown.isEmpty())
            QFAIL(qPrintable(
                u"SYLVANE_UPDATE_TRANSCRIPTS names no case folder: %1 "
                u"(name the cases to rewrite, comma separated)"_s.arg(unknown.join(u", "_s))));
    }

    void transcript_data() {
        QTest::addColumn<QString>("folder");
        QDir cases(casesFolder());
        for (const QString& name : caseNames())
            QTest::newRow(qPrintable(name)) << cases.filePath(name);
    }

    void transcript() {
        QFETCH(QString, folder);
        QTemporaryDir appFolder;
        if (QDir(folder + u"/app"_s).exists())
            QVERIFY(copyFolder(folder + u"/app"_s, appFolder.path()));
        const QString edition = readUtf8(folder + u"/edition"_s).trimmed();

        QString transcript;
        {
            const CurrentFolderGuard guard;
            QVERIFY(QDir::setCurrent(folder));
            const QString caseFolder = QDir::currentPath();
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

        const QString expectedPath = folder + u"/expected.txt"_s;
        const QByteArray got = transcript.toUtf8();
        if (casesToUpdate().contains(QDir(folder).dirName())) {
            sylvane::testing::writeBytes(expectedPath, got);
            return;
        }
        if (got != readBytes(expectedPath))
            QFAIL(qPrintable(describeDifference(expectedPath, got)));
    }
};

QTEST_GUILESS_MAIN(TestTranscripts)
#include "tst_transcripts.moc"
