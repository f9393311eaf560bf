#include "bytefiles.h"
#include "core/safewrite.h"
#include "core/textfile.h"
#include "core/writefault.h"
#include "keytable/filetools.h"
#include "keytable/programstate.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace sylvane;
using keytable::OptimiseOutcome;

using sylvane::testing::readBytes;
using sylvane::testing::writeBytes;

namespace {

// A table whose data lines carry blanks to remove; the last line ends without CR LF.
const QByteArray untidyTable = "TITRE=Essai  ;  titre \r\n"
                               "CHAMP=Espece ; Chapeau\r\n"
                               "Amanita  muscaria ; rouge ;present .\r\n"
                               "\r\n"
                               "a\tb ;  c";

const QByteArray tidyTable = "TITRE=Essai  ;  titre \r\n"
                             "CHAMP=Espece ; Chapeau\r\n"
                             "Amanita muscaria;rouge;present.\r\n"
                             "\r\n"
                             "a b;c\r\n";

// An untidy table of several write calls, and what the optimisation makes of it.
QByteArray bigUntidyTable() {
    QByteArray bytes = "TITRE=Grand\r\nCHAMP=Espece;Chapeau\r\n";
    for (int i = 0; bytes.size() < core::WriteChunkBytes * 5 / 2; ++i)
        bytes += "Espece  " + QByteArray::number(i) + " ; rouge\r\n";
    return bytes;
}
QByteArray tidied(const QByteArray& untidy) {
    QByteArray bytes = untidy;
    return bytes.replace("  ", " ").replace(" ; ", ";");
}

} // namespace

class TestFileTools : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void dataLinesLoseTheirExtraBlanks() {
        QCOMPARE(keytable::optimiseDataLine(u"Amanita  muscaria ; rouge ;present ."_s),
                 u"Amanita muscaria;rouge;present."_s);
        QCOMPARE(keytable::optimiseDataLine(u"a\tb"_s), u"a b"_s);
        QCOMPARE(keytable::optimiseDataLine(u"   x , y   "_s), u"x, y"_s);
        QCOMPARE(keytable::optimiseDataLine(u"a \t ;\t\tb"_s), u"a;b"_s);
        QCOMPARE(keytable::optimiseDataLine(u"    "_s), QString());
    }

    void headerIsKeptAndAFileWithoutFieldLineIsCopiedWhole() {
        const QStringList lines{u"TITRE = a  b "_s, u"COM=x ; y"_s, u"suite  ; z"_s,
                                u" champ = a ; b"_s, u" v ;  w "_s};
        const keytable::OptimisedText out = keytable::optimiseLines(lines);
        QCOMPARE(out.lines.mid(0, 4), lines.mid(0, 4));
        QCOMPARE(out.lines[4], u"v;w"_s);
        QCOMPARE(out.dataLines, 1);

        const QStringList noField{u"TITRE=t"_s, u"a ; b"_s};
        const keytable::OptimisedText copy = keytable::optimiseLines(noField);
        QCOMPARE(copy.lines, noField);
        QCOMPARE(copy.dataLines, 0);
    }

    void fieldLineKeyFollowsTheLineAbove() {
        // A line without "=" keeps the key of the line above: it is not a field line
        // even when it reads "champ".
        QCOMPARE(keytable::findFieldLine({u"COM=x"_s, u"champ"_s, u"CHAMP=a;b"_s}).value(), 2);
        QVERIFY(!keytable::findFieldLine({u"TITRE=x"_s, u"a;b"_s}).has_value());
    }

    void checkCountsEveryLineAndReportsPast32767() {
        QStringList lines{u"TITRE=t"_s, u""_s, u"CHAMP=a;b;c;d"_s};
        for (int i = 0; i < 33000; ++i)
            lines.append(u"1;2;3;4"_s);
        lines[8] = u"1;2;3;4;5"_s; // line 9
        lines[9] = QString();      // line 10: an empty line holds no value
        lines[10] = u"   "_s;      // line 11: a line of blanks holds one
        lines[32999] = u"1;2"_s;   // line 33000
        const keytable::FieldCountReport report = keytable::checkFieldCounts(lines, 4, u";"_s);
        QVERIFY(report.fieldLineFound);
        QCOMPARE(report.mismatches.size(), 4u);
        QCOMPARE(report.mismatches[0].lineNumber, 9);
        QCOMPARE(report.mismatches[0].values, 5);
        QCOMPARE(report.mismatches[1].lineNumber, 10);
        QCOMPARE(report.mismatches[1].values, 0);
        QCOMPARE(report.mismatches[2].values, 1);
        QCOMPARE(report.mismatches[3].lineNumber, 33000);
        QCOMPARE(report.mismatches[3].values, 2);

        QVERIFY(!keytable::checkFieldCounts({u"TITRE=t"_s}, 4, u";"_s).fieldLineFound);
    }

    void answeringYesKeepsTheFormerFileAsBackup() {
        QTemporaryDir dir;
        const QString table = dir.filePath(u"a.txt"_s);
        writeBytes(table, untidyTable);
        writeBytes(dir.filePath(u"a.bak"_s), "an older backup");
        keytable::ProgramState state;
        state.OptimisedLineCount = 99;
        QString asked;
        const auto result =
            keytable::OptimiseFile(state, table, dir.path(), [&asked](const QString& path) {
                asked = path;
                return true;
            });
        QCOMPARE(result.outcome, OptimiseOutcome::Replaced);
        QCOMPARE(asked, table);
        QCOMPARE(readBytes(dir.filePath(u"a.bak"_s)), untidyTable);
        QCOMPARE(readBytes(table), tidyTable);
        QCOMPARE(readBytes(dir.filePath(u"$$temp.txt"_s)), tidyTable);
        QCOMPARE(keytable::shownLineCount(state), 3);
    }

    void answeringNoLeavesTheFileAndMakesNoBackup() {
        QTemporaryDir dir;
        const QString table = dir.filePath(u"a.txt"_s);
        writeBytes(table, untidyTable);
        keytable::ProgramState state;
        const auto result =
            keytable::OptimiseFile(state, table, dir.path(), [](const QString&) { return false; });
        QCOMPARE(result.outcome, OptimiseOutcome::Declined);
        QCOMPARE(readBytes(table), untidyTable);
        QVERIFY(!QFile::exists(dir.filePath(u"a.bak"_s)));
        QCOMPARE(readBytes(dir.filePath(u"$$temp.txt"_s)), tidyTable);
        QCOMPARE(keytable::shownLineCount(state), 3);
    }

    void missingFileOrEmptyPathDoesNothing() {
        QTemporaryDir dir;
        keytable::ProgramState state;
        bool asked = false;
        const auto ask = [&asked](const QString&) { return asked = true; };
        QCOMPARE(keytable::OptimiseFile(state, QString(), dir.path(), ask).outcome,
                 OptimiseOutcome::NothingToDo);
        QCOMPARE(
            keytable::OptimiseFile(state, dir.filePath(u"absent.txt"_s), dir.path(), ask).outcome,
            OptimiseOutcome::NothingToDo);
        QVERIFY(!asked);
        QVERIFY(!QFile::exists(dir.filePath(u"$$temp.txt"_s)));
    }

    void backupStaysBesideTheFile() {
        QCOMPARE(keytable::optimiseBackupFile(u"C:\\Cles\\a.txt"_s).value(), u"C:\\Cles\\a.bak"_s);
        QCOMPARE(keytable::optimiseBackupFile(u"/home/u/.local/cles/x.v2.txt"_s).value(),
                 u"/home/u/.local/cles/x.bak"_s);
        QVERIFY(!keytable::optimiseBackupFile(u"/home/u/.local/cles/sans_point"_s));
    }

    void failuresLeaveTheFileAsItWas_data() {
        QTest::addColumn<QString>("tableName");
        QTest::addColumn<QString>("workFolder");
        QTest::addColumn<int>("outcome");
        // A path without ".": the backup cannot be named.
        QTest::newRow("no dot") << u"table"_s << QString() << int(OptimiseOutcome::NoBackupName);
        // The backup's name is taken by a folder: it cannot be written.
        QTest::newRow("backup blocked")
            << u"b.txt"_s << QString() << int(OptimiseOutcome::BackupFailed);
        // The work folder is a file: the work file cannot be written.
        QTest::newRow("work file blocked")
            << u"c.txt"_s << u"plain.file/sub"_s << int(OptimiseOutcome::WorkFileFailed);
    }

    void failuresLeaveTheFileAsItWas() {
        QFETCH(QString, tableName);
        QFETCH(QString, workFolder);
        QFETCH(int, outcome);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(u"b.bak"_s));
        writeBytes(dir.filePath(u"plain.file"_s), "x");
        const QString table = dir.filePath(tableName);
        writeBytes(table, untidyTable);
        keytable::ProgramState state;
        state.OptimisedLineCount = 42;
        const auto result = keytable::OptimiseFile(
            state, table, dir.filePath(workFolder.isEmpty() ? u"."_s : workFolder),
            [](const QString&) { return true; });
        QCOMPARE(int(result.outcome), outcome);
        QVERIFY(!result.workFile.isEmpty());
        QCOMPARE(readBytes(table), untidyTable);
        if (result.outcome == OptimiseOutcome::WorkFileFailed) {
            QVERIFY(!result.errorText.isEmpty());
            QCOMPARE(keytable::shownLineCount(state), 42);
        } else {
            QCOMPARE(readBytes(result.workFile), tidyTable);
        }
    }

    // Whatever step of whichever write fails, the table and its backup are each their
    // old bytes or the complete new ones, and the outcome says which write failed.
    void aFaultAnywhereNeverLosesTheTable_data() {
        QTest::addColumn<int>("replacement");
        QTest::addColumn<int>("step");
        QTest::addColumn<int>("occurrence");
        const char* const names[] = {"work file", "backup", "table"};
        for (int replacement = 1; replacement <= 3; ++replacement)
            for (const WriteFault::Point& point : WriteFault::everyStep())
                QTest::addRow("%s, step %d.%d", names[replacement - 1], int(point.step),
                              point.occurrence)
                    << replacement << int(point.step) << point.occurrence;
    }
    void aFaultAnywhereNeverLosesTheTable() {
        QFETCH(int, replacement);
        QFETCH(int, step);
        QFETCH(int, occurrence);
        QTemporaryDir dir;
        const QString table = dir.filePath(u"grand.txt"_s);
        const QString backup = dir.filePath(u"grand.bak"_s);
        const QByteArray untidy = bigUntidyTable();
        writeBytes(table, untidy);
        writeBytes(backup, "an older backup");
        keytable::ProgramState state;
        keytable::OptimiseResult result;
        {
            WriteFault fault(replacement, core::WriteStep(step), occurrence);
            result = keytable::OptimiseFile(state, table, dir.path(),
                                            [](const QString&) { return true; });
        }
        const OptimiseOutcome expected[] = {OptimiseOutcome::WorkFileFailed,
                                            OptimiseOutcome::BackupFailed,
                                            OptimiseOutcome::ReplaceFailed};
        QCOMPARE(result.outcome, expected[replacement - 1]);
        QVERIFY2(result.errorText.endsWith(u" : plus de place sur le disque"_s) ||
                     core::WriteStep(step) == core::WriteStep::SizeCheck,
                 qPrintable(result.errorText));
        QCOMPARE(readBytes(table), untidy);
        QCOMPARE(readBytes(backup), replacement <= 2 ? QByteArray("an older backup") : untidy);
        const QStringList left =
            QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System);
        QCOMPARE(left.filter(u".tmp"_s), QStringList());
        // With the fault gone, the same optimisation goes through.
        QCOMPARE(
            keytable::OptimiseFile(state, table, dir.path(), [](const QString&) { return true; })
                .outcome,
            OptimiseOutcome::Replaced);
        QCOMPARE(readBytes(table), tidied(untidy));
        QCOMPARE(readBytes(backup), untidy);
    }

    // The backup of "x.bak" would be the table itself: it is "x.bak.bak".
    void aBakTableGetsABakBakBackup() {
        QTemporaryDir dir;
        const QString table = dir.filePath(u"x.bak"_s);
        writeBytes(table, untidyTable);
        keytable::ProgramState state;
        const auto result =
            keytable::OptimiseFile(state, table, dir.path(), [](const QString&) { return true; });
        QCOMPARE(result.outcome, OptimiseOutcome::Replaced);
        QCOMPARE(result.backupFile, dir.filePath(u"x.bak.bak"_s));
        QCOMPARE(readBytes(dir.filePath(u"x.bak.bak"_s)), untidyTable);
        QCOMPARE(readBytes(table), tidyTable);
    }

    // A "$$temp.txt" link left in the folder: the link is replaced, its target untouched.
    void theWorkFileNeverWritesThroughALink() {
        QTemporaryDir dir;
        const QString victim = dir.filePath(u"victim.txt"_s);
        writeBytes(victim, "precious");
        QVERIFY(QFile::link(victim, dir.filePath(u"$$temp.txt"_s)));
        const QString table = dir.filePath(u"a.txt"_s);
        writeBytes(table, untidyTable);
        keytable::ProgramState state;
        keytable::OptimiseFile(state, table, dir.path(), [](const QString&) { return false; });
        QCOMPARE(readBytes(victim), QByteArray("precious"));
        QCOMPARE(readBytes(dir.filePath(u"$$temp.txt"_s)), tidyTable);
    }

    // A UTF-8 table is optimised as UTF-8 and written back as UTF-8, its mark kept.
    void aTableIsWrittenBackInItsOwnEncoding() {
        QTemporaryDir dir;
        const QString table = dir.filePath(u"u.txt"_s);
        writeBytes(table, "\xef\xbb\xbfTITRE=C\xc3\xa8pes\r\nCHAMP=Esp\xc3\xa8"
                          "ce\r\n"
                          "Bolet  \xc3\xa0 pied ;  brun\r\n");
        keytable::ProgramState state;
        keytable::OptimiseFile(state, table, dir.path(), [](const QString&) { return true; });
        QCOMPARE(readBytes(table), QByteArray("\xef\xbb\xbfTITRE=C\xc3\xa8pes\r\nCHAMP=Esp\xc3\xa8"
                                              "ce\r\n"
                                              "Bolet \xc3\xa0 pied;brun\r\n"));
    }

    void specialOrHugeFilesAreRefusedWithAReason() {
        QTemporaryDir dir;
        keytable::ProgramState state;
        const auto ask = [](const QString&) { return true; };
        const auto refused = keytable::OptimiseFile(state, u"/dev/zero"_s, dir.path(), ask);
        QCOMPARE(refused.outcome, OptimiseOutcome::Refused);
        QVERIFY(refused.errorText.contains(u"pas un fichier ordinaire"_s));
        const QString big = dir.filePath(u"big.txt"_s);
        QFile f(big);
        QVERIFY(f.open(QIODevice::WriteOnly) && f.resize(core::MaxTextFileBytes + 1));
        QVERIFY(keytable::OptimiseFile(state, big, dir.path(), ask).errorText.contains(u"64 Mo"_s));
        QVERIFY(!QFile::exists(dir.filePath(u"$$temp.txt"_s)));
    }

    void replacementWritesTheTargetWholeOrNotAtAll() {
        QTemporaryDir dir;
        const QString to = dir.filePath(u"to"_s);
        static const char raw[] = "\x80\x81 \xe9\r\nfin\n"; // written byte for byte
        const QByteArray bytes(raw, sizeof raw - 1);
        writeBytes(to, "old");
        QVERIFY(core::replaceFileContents(to, bytes));
        QCOMPARE(readBytes(to), bytes);
        core::WriteError error;
        QVERIFY(!core::replaceFileContents(dir.filePath(u"absent/to"_s), "x", &error));
        QCOMPARE(int(error.step), int(core::WriteStep::Create));
        QCOMPARE(error.text(), u"création du fichier temporaire : dossier introuvable"_s);
        QCOMPARE(readBytes(to), bytes);
    }
};

QTEST_GUILESS_MAIN(TestFileTools)
#include "tst_filetools.moc"
