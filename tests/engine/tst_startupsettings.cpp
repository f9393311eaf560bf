// The settings file written by the main window and read at the next start.
#include "bytefiles.h"
#include "engine/formtblfixture.h"
#include "keytable/currentfolder.h"

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

        testing::FormTblFixture w;
        w.start(app.path());
        w.state.CurrentFile = table;
        w.form.identification.multipleChoice.setValue(1);
        w.form.ini_sauve();
        QCOMPARE(w.state.DataFolder, folder);
        QCOMPARE(keytable::currentFolder(w.state), QDir(folder).canonicalPath());
        QCOMPARE(QDir::currentPath(), previous_);

        QFile saved(app.path() + u"/Sylvane.ini"_s);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        // Values with a comma go between double quotes.
        const QByteArray expected = "\r\n\"FICDEFAUT =" + table.toLatin1() +
                                    "\"\r\n\"REPDATA =" + folder.toLatin1() +
                                    "\"\r\nCHOIXMULT =1\r\n";
        QCOMPARE(saved.readAll(), expected); // Windows-1252: "é" is one byte

        testing::FormTblFixture again;
        again.start(app.path());
        QCOMPARE(again.state.CurrentFile, table);
        QCOMPARE(again.state.DataFolder, folder);
        QCOMPARE(again.form.identification.multipleChoice.value(), 1);
        QCOMPARE(again.form.identification.fieldList.count(), 1);
        QVERIFY(again.logged(u"[msgbox"_s).isEmpty());
    }

    void unwritableSettingsChangeNothing() {
        QTemporaryDir data;
        const QString table = data.path() + u"/t.txt"_s;
        writeBytes(table, "CHAMP=Espece\r\nA\r\n");
        testing::FormTblFixture w;
        w.start(data.path() + u"/absent/folder"_s);
        const QString before = w.state.DataFolder;
        w.state.CurrentFile = table;
        w.form.ini_sauve();
        QCOMPARE(w.state.DataFolder, before);
        QCOMPARE(w.logged(u"[msgbox"_s).size(), 1); // only the missing file
    }

    void fontSizeAndReadingErrors() {
        QTemporaryDir app;
        writeBytes(app.path() + u"/Sylvane.ini"_s, "FNT=12\r\nCHOIXMULT =1\r\n");
        testing::FormTblFixture w;
        w.start(app.path());
        QCOMPARE(w.form.results.textPanel.fontSize(), 12.0);
        QCOMPARE(w.form.identification.valueList.fontSize(), 12.0);
        QCOMPARE(w.form.identification.multipleChoice.value(), 1);

        // A size no window can take is a reading error: what follows is not read.
        writeBytes(app.path() + u"/Sylvane.ini"_s, "FNT=0\r\nCHOIXMULT =1\r\n");
        testing::FormTblFixture again;
        again.start(app.path());
        QCOMPARE(again.form.identification.valueList.fontSize(), 0.0);
        QCOMPARE(again.form.identification.multipleChoice.value(), 0);
    }

  private:
    QString previous_;
};

QTEST_GUILESS_MAIN(TestStartupSettings)
#include "tst_startupsettings.moc"
