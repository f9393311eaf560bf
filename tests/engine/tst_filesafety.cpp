// What the main window does with files that fail or are not files: settings saves that
// fail at any step, paths the code page cannot hold, FIFOs and devices named as tables,
// settings or documents, and the optimisation's message when a write fails.
#include "bytefiles.h"
#include "core/safewrite.h"
#include "core/writefault.h"
#include "engine/formtblfixture.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using namespace Qt::StringLiterals;
using namespace sylvane;

using sylvane::testing::readBytes;
using sylvane::testing::writeBytes;

namespace {

QByteArray readOrAbsent(const QString& path) {
    return sylvane::testing::readBytes(path, "<absent>");
}

void makeFifo(const QString& path) {
    QVERIFY(::mkfifo(QFile::encodeName(path).constData(), 0600) == 0);
}

// The main window started on an application folder.
struct Started : testing::FormTblFixture {
    explicit Started(const QString& appFolder, const QString& commandLine = QString()) {
        start(appFolder, commandLine);
    }
};

const QByteArray table = "TITRE=T\r\nCHAMP=Espece;Chapeau\r\nAmanita;rouge\r\n";

} // namespace

class TestFileSafety : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void init() { previous_ = QDir::currentPath(); }
    void cleanup() { QDir::setCurrent(previous_); }

    // A failed save leaves the settings file as it was, says nothing and keeps the data
    // folder.
    void aSettingsSaveFailingAtAnyStepKeepsTheOldFile_data() {
        QTest::addColumn<int>("step");
        for (const WriteFault::Point& point : WriteFault::everyStep())
            if (point.step != core::WriteStep::Write) // the settings fit in one write
                QTest::addRow("step %d", int(point.step)) << int(point.step);
    }
    void aSettingsSaveFailingAtAnyStepKeepsTheOldFile() {
        QFETCH(int, step);
        QTemporaryDir app;
        QTemporaryDir data;
        const QString settings = app.filePath(u"Sylvane.ini"_s);
        const QByteArray old = "\r\nFICDEFAUT =/ancien/a.txt\r\nCHOIXMULT =0\r\n";
        writeBytes(settings, old);
        Started s(app.path());
        const QString before = s.state.DataFolder;
        s.state.CurrentFile = data.filePath(u"t.txt"_s);
        {
            WriteFault fault(1, core::WriteStep(step));
            s.form.ini_sauve();
        }
        QCOMPARE(readOrAbsent(settings), old);
        QCOMPARE(s.state.DataFolder, before);
        QCOMPARE(s.logged(u"[msgbox"_s), QStringList());
        QCOMPARE(QDir(app.path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{u"Sylvane.ini"_s});
    }

    // A path Windows-1252 cannot hold, and a path whose comma is followed by a settings
    // key, both come back whole at the next start.
    void defaultTablesSurviveASaveAndANewStart_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("line");
        QTest::newRow("outside windows-1252")
            << u"Clé 日本 Łódź.txt"_s
            << QByteArray("Cl\xc3\xa9 \xe6\x97\xa5\xe6\x9c\xac \xc5\x81\xc3\xb3\x64\xc5\xba.txt");
        QTest::newRow("comma and key") << u"a, FNT=3.txt"_s << QByteArray("a, FNT=3.txt\"");
        // Its Windows-1252 bytes would read as UTF-8 ("é.txt"): it is written in UTF-8.
        QTest::newRow("code page bytes that read as UTF-8")
            << u"Ã©.txt"_s << QByteArray("\xc3\x83\xc2\xa9.txt");
        // Quoted, the quote inside would end the quotes and REPDATA start an item.
        QTest::newRow("quote, comma and key")
            << u"a\",REPDATA =b.txt"_s << QByteArray("\r\nFICDEFAUT =/");
    }
    void defaultTablesSurviveASaveAndANewStart() {
        QFETCH(QString, name);
        QFETCH(QByteArray, line);
        QTemporaryDir app;
        QTemporaryDir data;
        writeBytes(app.filePath(u"Sylvane.ini"_s), QByteArray());
        const QString path = data.filePath(name);
        writeBytes(path, table);
        {
            Started s(app.path(), u'"' + path + u'"');
            s.form.ini_sauve();
        }
        QVERIFY2(readOrAbsent(app.filePath(u"Sylvane.ini"_s)).contains(line),
                 readOrAbsent(app.filePath(u"Sylvane.ini"_s)).constData());
        Started again(app.path());
        QCOMPARE(again.state.CurrentFile, path);
        QVERIFY(again.form.identification.valueList.fontSize() !=
                3.0); // "FNT=3" stayed in the path
        QCOMPARE(again.state.KeyTable.rowCount(), 3);
    }

    // A path the settings file cannot hold as it is is not saved: a message says why, and
    // the file stays as it was.
    void aPathTheSettingsCannotHoldIsNotSaved() {
        QTemporaryDir app;
        QTemporaryDir data;
        const QByteArray old = "\r\nFICDEFAUT =/ancien/a.txt\r\n";
        writeBytes(app.filePath(u"Sylvane.ini"_s), old);
        const QString path = data.filePath(u"fin blanc.txt "_s);
        writeBytes(path, table);
        Started s(app.path(), path);
        s.platform.clearLog();
        s.form.ini_sauve();
        QCOMPARE(
            s.logged(u"[msgbox"_s),
            QStringList{
                u"[msgbox Sylvane] Les options n'ont pas été sauvées : le chemin "_s + path +
                u" ne peut pas être écrit tel quel dans "_s + app.filePath(u"Sylvane.ini"_s) +
                u" (il contient une fin de ligne ou un caractère nul, commence ou finit par un blanc, ou mêle guillemets et virgules). -> ok"_s});
        QCOMPARE(readOrAbsent(app.filePath(u"Sylvane.ini"_s)), old);
    }

    // A settings file, a default table or a document that is a FIFO or a device: the
    // program goes on at once, as for a missing file, and says it is not a file.
    void specialFilesAreTreatedAsMissing() {
        QTemporaryDir app;
        makeFifo(app.filePath(u"Sylvane.ini"_s));
        Started fifoSettings(app.path());
        QCOMPARE(fifoSettings.logged(u"[msgbox"_s),
                 QStringList{u"[msgbox Sylvane] le fichier "_s + app.filePath(u"Sylvane.ini"_s) +
                             u" n'existe pas (ce n'est pas un fichier ordinaire) -> ok"_s});

        QTemporaryDir app2;
        writeBytes(app2.filePath(u"Sylvane.ini"_s), "FICDEFAUT =/dev/zero\r\n");
        Started zeroDefault(app2.path());
        QCOMPARE(zeroDefault.state.CurrentFile, QString());
        QCOMPARE(zeroDefault.state.KeyTable.rowCount(), 0);

        const QString fifo = app2.filePath(u"doc.pdf"_s);
        makeFifo(fifo);
        zeroDefault.platform.clearLog();
        zeroDefault.form.lookups.openDocument(fifo);
        QCOMPARE(zeroDefault.logged(u"[open]"_s), QStringList());
        const QStringList flashes = zeroDefault.logged(u"[flash"_s);
        QCOMPARE(flashes.size(), 1);
        QVERIFY2(flashes.front().endsWith(u" non trouvé (ce n'est pas un fichier ordinaire)"_s),
                 qPrintable(flashes.front()));
    }

    // The optimisation's message names the step that failed and the system's reason.
    void theOptimisationSaysWhatFailed() {
        QTemporaryDir app;
        QTemporaryDir data;
        const QString path = data.filePath(u"a.txt"_s);
        writeBytes(path, "CHAMP=a;b\r\nx ;  y\r\n");
        Started s(app.path());
        QDir::setCurrent(data.path());
        s.platform.queueDialogResult(path);
        s.platform.queueAnswer(core::MessageAnswer::Yes);
        s.platform.clearLog();
        {
            WriteFault fault(3, core::WriteStep::Flush, 1, ENOSPC);
            s.form.fileTools.MnuOptim_Click();
        }
        const QStringList boxes = s.logged(u"[msgbox Sylvane]"_s);
        QCOMPARE(boxes.size(), 1);
        QVERIFY2(
            boxes.front().contains(
                u"n'a pas pu être remplacé (vidage du tampon : plus de place sur le disque)"_s),
            qPrintable(boxes.front()));
        QCOMPARE(readOrAbsent(path), QByteArray("CHAMP=a;b\r\nx ;  y\r\n"));
    }

    // The optimisation says why it replaced nothing: the table was edited while its
    // question waited, or it is read-only. The program's current folder refuses the work
    // file (an installed copy stands in its read-only data folder): it goes beside the
    // table.
    void theOptimisationSaysWhyItReplacedNothing_data() {
        QTest::addColumn<bool>("readOnly");
        QTest::addColumn<QString>("message");
        QTest::newRow("edited during the question")
            << false
            << u" a été modifié depuis sa lecture : il n'a pas été remplacé, ses modifications sont gardées. Relancez l'optimisation pour traiter sa nouvelle version. -> ok"_s;
        QTest::newRow("read-only")
            << true
            << u" est protégé en écriture : il n'a pas été remplacé. Le texte optimisé est dans %1/$$temp.txt. -> ok"_s;
    }
    void theOptimisationSaysWhyItReplacedNothing() {
        QFETCH(bool, readOnly);
        QFETCH(QString, message);
        QTemporaryDir app;
        QTemporaryDir data;
        QVERIFY(QDir(app.path()).mkdir(u"$$temp.txt"_s));
        const QString path = data.filePath(u"a.txt"_s);
        const QByteArray untidy = "CHAMP=a;b\r\nx ;  y\r\n";
        writeBytes(path, untidy);
        if (readOnly)
            QVERIFY(::chmod(QFile::encodeName(path).constData(), 0444) == 0);
        Started s(app.path());
        s.state.CurrentFolder = app.path();
        const QByteArray edited = untidy + "z ; w\r\n";
        s.onLine = [&](const QString& line) {
            if (line.contains(u"Désirez vous remplacer"_s))
                writeBytes(path, edited);
        };
        s.platform.queueDialogResult(path);
        s.platform.queueAnswer(core::MessageAnswer::Yes);
        s.platform.clearLog();
        s.form.fileTools.MnuOptim_Click();
        QCOMPARE(s.logged(u"[msgbox Sylvane]"_s),
                 QStringList{u"[msgbox Sylvane] Le fichier "_s + path +
                             QString(message).replace(u"%1"_s, data.path())});
        QCOMPARE(readOrAbsent(path), readOnly ? untidy : edited);
        QCOMPARE(readOrAbsent(data.filePath(u"$$temp.txt"_s)), QByteArray("CHAMP=a;b\r\nx;y\r\n"));
    }

  private:
    QString previous_;
};

QTEST_GUILESS_MAIN(TestFileSafety)
#include "tst_filesafety.moc"
