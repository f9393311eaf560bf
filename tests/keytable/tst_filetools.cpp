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

#include <sys/stat.h>
#include <unistd.h>

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
                             "a b;c";

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

// A folder holding the untidy table a.txt and an older backup a.bak.
struct TableWithBackup {
    QTemporaryDir dir;
    QString table = dir.filePath(u"a.txt"_s);
    TableWithBackup() {
        writeBytes(table, untidyTable);
        writeBytes(dir.filePath(u"a.bak"_s), "an older backup");
    }
};

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
        const QByteArray header = "TITRE = a  b \r\nCOM=x ; y\r\nsuite  ; z\r\n champ = a ; b\r\n";
        const keytable::OptimisedText out = keytable::optimiseText(header + " v ;  w \r\n");
        QCOMPARE(out.bytes, header + "v;w\r\n");
        QCOMPARE(out.dataLines, 1);

        const QByteArray noField = "TITRE=t\r\na ; b\r\n";
        const keytable::OptimisedText copy = keytable::optimiseText(noField);
        QCOMPARE(copy.bytes, noField);
        QCOMPARE(copy.dataLines, 0);
    }

    // Nothing but the blanks of the data lines changes: not the line ends, whatever they
    // are, nor bytes that do not decode, nor an odd last byte, nor the byte-order mark.
    void onlyTheBlanksOfDataLinesChange_data() {
        QTest::addColumn<QByteArray>("original");
        QTest::addColumn<QByteArray>("optimised");
        QTest::addColumn<int>("dataLines");
        QTest::newRow("CR alone") << QByteArray("CHAMP=a;b\rx ; y\r\r z \r")
                                  << QByteArray("CHAMP=a;b\rx;y\r\rz\r") << 3;
        QTest::newRow("LF alone, no end at the end")
            << QByteArray("CHAMP=a;b\nx ; y\n z ") << QByteArray("CHAMP=a;b\nx;y\nz") << 2;
        QTest::newRow("LF CR") << QByteArray("CHAMP=a;b\n\rx ; y\n\r\n\r")
                               << QByteArray("CHAMP=a;b\n\rx;y\n\r\n\r") << 2;
        QTest::newRow("mixed") << QByteArray("CHAMP=a;b\r\nx ; y\ru ; v\nw ; z\r\n")
                               << QByteArray("CHAMP=a;b\r\nx;y\ru;v\nw;z\r\n") << 3;
        QTest::newRow("UTF-8 mark, bytes that do not decode")
            << QByteArray("\xef\xbb\xbf"
                          "CHAMP=a;b\r\n\xe9t\xe9  ; \xc3\r\n")
            << QByteArray("\xef\xbb\xbf"
                          "CHAMP=a;b\r\n\xe9t\xe9;\xc3\r\n")
            << 1;
        QTest::newRow("UTF-16 with an odd last byte")
            << QByteArray("\xff\xfe"
                          "C\0H\0A\0M\0P\0=\0a\0\n\0x\0 \0;\0 \0\x00\xd8\n\0\x41",
                          2 + 2 * 14 + 1)
            << QByteArray("\xff\xfe"
                          "C\0H\0A\0M\0P\0=\0a\0\n\0x\0;\0\x00\xd8\n\0\x41",
                          2 + 2 * 12 + 1)
            << 1;
        QTest::newRow("UTF-16 big-endian")
            << QByteArray("\xfe\xff\0C\0H\0A\0M\0P\0=\0\r\0x\0 \0 \0y", 2 + 2 * 11)
            << QByteArray("\xfe\xff\0C\0H\0A\0M\0P\0=\0\r\0x\0 \0y", 2 + 2 * 10) << 1;
    }
    void onlyTheBlanksOfDataLinesChange() {
        QFETCH(QByteArray, original);
        QFETCH(QByteArray, optimised);
        QFETCH(int, dataLines);
        const keytable::OptimisedText out = keytable::optimiseText(original);
        QCOMPARE(out.bytes, optimised);
        QCOMPARE(out.dataLines, dataLines);
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
        const TableWithBackup folder;
        const QTemporaryDir& dir = folder.dir;
        const QString& table = folder.table;
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
        // A folder takes the work file's name beside the table: it cannot be written.
        QTest::newRow("work file blocked")
            << u"sub/c.txt"_s << u"plain.file/sub"_s << int(OptimiseOutcome::WorkFileFailed);
    }

    void failuresLeaveTheFileAsItWas() {
        QFETCH(QString, tableName);
        QFETCH(QString, workFolder);
        QFETCH(int, outcome);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(u"b.bak"_s));
        QVERIFY(QDir(dir.path()).mkpath(u"sub/$$temp.txt"_s));
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

    // An edit made to the table while the question waits, or between its backup and its
    // replacement, is never overwritten: the optimisation stops and says the file changed.
    void editsMadeMeanwhileAreKept_data() {
        QTest::addColumn<bool>("duringTheQuestion");
        QTest::newRow("during the question") << true;
        QTest::newRow("before the replacement") << false;
    }
    void editsMadeMeanwhileAreKept() {
        QFETCH(bool, duringTheQuestion);
        const TableWithBackup folder;
        const QTemporaryDir& dir = folder.dir;
        const QString& table = folder.table;
        const QByteArray edited = untidyTable + "\r\nBoletus  edulis ; brun";
        const auto edit = [&] {
            // Same size within the same second would still be caught by the bytes.
            writeBytes(table, edited);
        };
        int creates = 0;
        core::setWriteFaultHook([&](core::WriteStep step, int) {
            // The third replacement is the table's, after the work file and the backup.
            if (!duringTheQuestion && step == core::WriteStep::Create && ++creates == 3)
                edit();
            return 0;
        });
        const auto cleanup = qScopeGuard([] { core::setWriteFaultHook({}); });
        keytable::ProgramState state;
        const auto result = keytable::OptimiseFile(state, table, dir.path(), [&](const QString&) {
            if (duringTheQuestion)
                edit();
            return true;
        });
        QCOMPARE(result.outcome, OptimiseOutcome::Changed);
        QCOMPARE(readBytes(table), edited);
        if (duringTheQuestion)
            QCOMPARE(readBytes(dir.filePath(u"a.bak"_s)), QByteArray("an older backup"));
    }

    // The backup and the work file are no more readable than the table, whatever the
    // umask; a table with another name (hard link) keeps it, rewritten in place.
    void theTableKeepsItsPermissionsAndItsOtherNames() {
        QTemporaryDir dir;
        const QString table = dir.filePath(u"a.txt"_s);
        writeBytes(table, untidyTable);
        QVERIFY(::chmod(QFile::encodeName(table).constData(), 0600) == 0);
        const QString other = dir.filePath(u"autre.txt"_s);
        QVERIFY(::link(QFile::encodeName(table).constData(),
                       QFile::encodeName(other).constData()) == 0);
        keytable::ProgramState state;
        const mode_t umask = ::umask(022);
        const auto result =
            keytable::OptimiseFile(state, table, dir.path(), [](const QString&) { return true; });
        ::umask(umask);
        QCOMPARE(result.outcome, OptimiseOutcome::Replaced);
        QCOMPARE(readBytes(other), tidyTable);
        QCOMPARE(readBytes(dir.filePath(u"a.bak"_s)), untidyTable);
        for (const QString& name : {u"a.txt"_s, u"a.bak"_s, u"$$temp.txt"_s}) {
            struct stat info {};
            QVERIFY(::stat(QFile::encodeName(dir.filePath(name)).constData(), &info) == 0);
            QCOMPARE(info.st_mode & 0777, mode_t(0600));
        }
    }

    // A read-only table, or a read-only backup, is not replaced and the user is not asked;
    // the optimised text is in the work file all the same.
    void aReadOnlyTableOrBackupIsNotAsked_data() {
        QTest::addColumn<QString>("readOnly");
        QTest::newRow("table") << u"a.txt"_s;
        QTest::newRow("backup") << u"a.bak"_s;
    }
    void aReadOnlyTableOrBackupIsNotAsked() {
        QFETCH(QString, readOnly);
        const TableWithBackup folder;
        const QTemporaryDir& dir = folder.dir;
        const QString& table = folder.table;
        QVERIFY(::chmod(QFile::encodeName(dir.filePath(readOnly)).constData(), 0444) == 0);
        keytable::ProgramState state;
        bool asked = false;
        const auto result = keytable::OptimiseFile(state, table, dir.path(),
                                                   [&](const QString&) { return asked = true; });
        QCOMPARE(result.outcome, OptimiseOutcome::Protected);
        QCOMPARE(result.protectedFile, dir.filePath(readOnly));
        QVERIFY(!asked);
        QCOMPARE(readBytes(table), untidyTable);
        QCOMPARE(readBytes(dir.filePath(u"a.bak"_s)), QByteArray("an older backup"));
        QCOMPARE(readBytes(dir.filePath(u"$$temp.txt"_s)), tidyTable);
    }

    // The work file goes beside the table, wherever the program stands; when that folder
    // refuses a new file, to the spare folder (the user's temporary folder).
    void theWorkFileGoesBesideTheTableOrToTheSpareFolder() {
        QTemporaryDir dir;
        QTemporaryDir spare;
        const QString table = dir.filePath(u"a.txt"_s);
        writeBytes(table, untidyTable);
        keytable::ProgramState state;
        const auto no = [](const QString&) { return false; };
        QCOMPARE(keytable::OptimiseFile(state, table, spare.path(), no).workFile,
                 dir.filePath(u"$$temp.txt"_s));
        QVERIFY(QFile::remove(dir.filePath(u"$$temp.txt"_s)));
        keytable::OptimiseResult result;
        {
            WriteFault folderRefused(1, core::WriteStep::Create, 1, EACCES);
            result = keytable::OptimiseFile(state, table, spare.path(), no);
        }
        QCOMPARE(result.outcome, OptimiseOutcome::Declined);
        QCOMPARE(result.workFile, spare.filePath(u"$$temp.txt"_s));
        QCOMPARE(readBytes(result.workFile), tidyTable);
        QVERIFY(!QFile::exists(dir.filePath(u"$$temp.txt"_s)));
    }

    // Optimising the work file itself: nothing is written before the answer.
    void theWorkFileItselfIsWrittenOnlyOnYes() {
        QTemporaryDir dir;
        const QString table = dir.filePath(u"$$temp.txt"_s);
        writeBytes(table, untidyTable);
        keytable::ProgramState state;
        QCOMPARE(
            keytable::OptimiseFile(state, table, dir.path(), [](const QString&) { return false; })
                .outcome,
            OptimiseOutcome::Declined);
        QCOMPARE(readBytes(table), untidyTable);
        QCOMPARE(
            keytable::OptimiseFile(state, table, dir.path(), [](const QString&) { return true; })
                .outcome,
            OptimiseOutcome::Replaced);
        QCOMPARE(readBytes(table), tidyTable);
        QCOMPARE(readBytes(dir.filePath(u"$$temp.bak"_s)), untidyTable);
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
