// The settings file written by the main window and read at the next start.
#include "bytefiles.h"
#include "core/recordingplatform.h"
#include "engine/formtbl.h"
#include "keytable/currentfolder.h"
#include "keytable/programstate.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace sylvane;

using sylvane::testing::readBytes;
using sylvane::testing::writeBytes;

class TestStartupSettings : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void init() { previous_ = QDir::currentPath(); }
    void cleanup() { QDir::setCurrent(previous_); }

    void saveThenStartAgain() {
        QTemporaryDir app;
        QTemporaryDir data;
        // A folder and a file name with an accent and a comma.
        const QString folder = data.path() + u"/clés, bois/"_s;
        QVERIFY(QDir().mkpath(folder));
        const QString table = folder + u"amanites, été.txt"_s;
        writeBytes(table, "TITRE=T\r\nCHAMP=Espece;Chapeau\r\nAmanita;rouge\r\n");

        keytable::ProgramState state;
        core::RecordingPlatform platform;
        state.AppFolder = app.path();
        engine::FormTbl form(state, platform);
        form.Form_Load(QString());
        state.CurrentFile = table;
        form.identification.multipleChoice.setValue(1);
        form.ini_sauve();
        QCOMPARE(state.DataFolder, folder);
        QCOMPARE(keytable::currentFolder(state), QDir(folder).canonicalPath());
        QCOMPARE(QDir::currentPath(), previous_);

        QFile saved(app.path() + u"/Sylvane.ini"_s);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        // Values with a comma go between double quotes.
        const QByteArray expected = "\r\n\"FICDEFAUT =" + table.toLatin1() +
                                    "\"\r\n\"REPDATA =" + folder.toLatin1() +
                                    "\"\r\nCHOIXMULT =1\r\n";
        QCOMPARE(saved.readAll(), expected); // Windows-1252: "é" is one byte

        keytable::ProgramState again;
        core::RecordingPlatform platform2;
        again.AppFolder = app.path();
        engine::FormTbl form2(again, platform2);
        form2.Form_Load(QString());
        QCOMPARE(again.CurrentFile, table);
        QCOMPARE(again.DataFolder, folder);
        QCOMPARE(form2.identification.multipleChoice.value(), 1);
        QCOMPARE(form2.identification.fieldList.count(), 1);
        QVERIFY(platform2.log().filter(u"[msgbox"_s).isEmpty());
    }

    void unwritableSettingsChangeNothing() {
        QTemporaryDir data;
        const QString table = data.path() + u"/t.txt"_s;
        writeBytes(table, "CHAMP=Espece\r\nA\r\n");
        keytable::ProgramState state;
        core::RecordingPlatform platform;
        state.AppFolder = data.path() + u"/absent/folder"_s;
        engine::FormTbl form(state, platform);
        form.Form_Load(QString());
        const QString before = state.DataFolder;
        state.CurrentFile = table;
        form.ini_sauve();
        QCOMPARE(state.DataFolder, before);
        QCOMPARE(platform.log().filter(u"[msgbox"_s).size(), 1); // only the missing file
    }

    void fontSizeAndReadingErrors() {
        QTemporaryDir app;
        writeBytes(app.path() + u"/Sylvane.ini"_s, "FNT=12\r\nCHOIXMULT =1\r\n");
        keytable::ProgramState state;
        core::RecordingPlatform platform;
        state.AppFolder = app.path();
        engine::FormTbl form(state, platform);
        form.Form_Load(QString());
        QCOMPARE(form.results.textPanel.fontSize(), 12.0);
        QCOMPARE(form.identification.valueList.fontSize(), 12.0);
        QCOMPARE(form.identification.multipleChoice.value(), 1);

        // A size no window can take is a reading error: what follows is not read.
        writeBytes(app.path() + u"/Sylvane.ini"_s, "FNT=0\r\nCHOIXMULT =1\r\n");
        keytable::ProgramState state2;
        engine::FormTbl form2(state2, platform);
        state2.AppFolder = app.path();
        form2.Form_Load(QString());
        QCOMPARE(form2.identification.valueList.fontSize(), 0.0);
        QCOMPARE(form2.identification.multipleChoice.value(), 0);
    }

  private:
    QString previous_;
};

QTEST_GUILESS_MAIN(TestStartupSettings)
#include "tst_startupsettings.moc"
