// The program's own current folder: settings, opens and saves move it, relative names
// are found in it, and the process's current directory never changes.
#include "bytefiles.h"
#include "engine/formtblfixture.h"
#include "keytable/currentfolder.h"
#include "keytable/programstate.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace sylvane;

using sylvane::testing::readBytes;
using sylvane::testing::writeBytes;

class TestCurrentFolder : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void init() { previous_ = QDir::currentPath(); }
    void cleanup() { QDir::setCurrent(previous_); }

    void namesAreResolvedAndMovedLikeADirectoryChange() {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkpath(u"a/b"_s));
        writeBytes(dir.filePath(u"a/fichier"_s), "x");
        QVERIFY(QDir::setCurrent(dir.path()));
        const QString start = QDir::currentPath();

        keytable::ProgramState state;
        QCOMPARE(keytable::currentFolder(state), start); // empty: the process's folder
        QCOMPARE(keytable::resolvedPath(state, u"t.txt"_s), start + u"/t.txt"_s);
        QCOMPARE(keytable::resolvedPath(state, u"/abs/t.txt"_s), u"/abs/t.txt"_s);
        QCOMPARE(keytable::resolvedPath(state, QString()), QString());

        // Each move starts from where the folder is, and keeps it whole.
        QVERIFY(keytable::moveCurrentFolder(state, u"a"_s));
        QVERIFY(keytable::moveCurrentFolder(state, u"./b/"_s));
        QCOMPARE(state.CurrentFolder, start + u"/a/b"_s);
        QVERIFY(keytable::moveCurrentFolder(state, u".."_s));
        QCOMPARE(keytable::resolvedPath(state, u"fichier"_s), start + u"/a/fichier"_s);

        // What cannot be entered leaves the folder where it is.
        for (const QString& refused : {QString(), u"absent"_s, u"fichier"_s, u"C:\\Cles\\"_s})
            QVERIFY2(!keytable::moveCurrentFolder(state, refused), qPrintable(refused));
        QCOMPARE(state.CurrentFolder, start + u"/a"_s);
        QCOMPARE(QDir::currentPath(), start);
    }

    void settingsOpensAndSavesKeepTheProcessFolder() {
        QTemporaryDir elsewhere, app, data;
        const QByteArray table = "TITRE=Bois\r\nCHAMP=Espece;Chapeau\r\nAmanita ;rouge\r\n";
        writeBytes(data.filePath(u"bois.txt"_s), table);
        writeBytes(data.filePath(u"sous/autre.txt"_s), "TITRE=Autre\r\nCHAMP=Espece\r\nA\r\n");
        writeBytes(data.filePath(u"Sylvane.pdf"_s), "%PDF");
        writeBytes(data.filePath(u"fiche.txt"_s), "fiche");
        writeBytes(app.filePath(u"Sylvane.ini"_s),
                   "FICDEFAUT =" + data.filePath(u"bois.txt"_s).toUtf8() + "\r\n");
        QVERIFY(QDir::setCurrent(elsewhere.path()));
        const QString start = QDir::currentPath();
        const QString dataFolder = QDir(data.path()).canonicalPath();

        testing::FormTblFixture w;
        w.start(app.path());
        QCOMPARE(w.form.caption(), u"Sylvane : Bois"_s);
        QCOMPARE(keytable::currentFolder(w.state), dataFolder);
        w.platform.clearLog();

        // The manual, a "%" document and the work file are those of the data folder.
        w.form.menus.documentation.onClick();
        w.form.lookups.openDocument(u"fiche.txt"_s);
        w.platform.queueDialogResult(u"bois.txt"_s);
        w.platform.queueAnswer(core::MessageAnswer::Yes);
        w.form.menus.optimiseFile.onClick();
        QCOMPARE(
            w.platform.log(),
            (QStringList{u"[open] "_s + dataFolder + u"/Sylvane.pdf"_s,
                         u"[open] "_s + dataFolder + u"/fiche.txt"_s,
                         u"[msgbox ] Désirez vous remplacer le fichier bois.txt ?  -> yes"_s}));
        QVERIFY(QFile::exists(data.filePath(u"$$temp.txt"_s)));
        QCOMPARE(readBytes(data.filePath(u"bois.bak"_s)), table);
        QVERIFY(!QFile::exists(elsewhere.filePath(u"$$temp.txt"_s)));
        w.platform.clearLog();

        // A relative name from the open dialog is loaded from the data folder, and the
        // editor is given the file that was loaded.
        w.platform.queueDialogResult(u"sous/autre.txt"_s);
        w.form.menus.open.onClick();
        QCOMPARE(w.form.caption(), u"Sylvane : Autre"_s);
        w.form.lookups.editFile.onClick();
        QCOMPARE(w.platform.log().filter(u"[editor]"_s),
                 QStringList{u"[editor] "_s + dataFolder + u"/sous/autre.txt"_s});

        // Saving writes the settings in the program's folder, whatever folder is current.
        w.form.ini_sauve();
        QVERIFY(readBytes(app.filePath(u"Sylvane.ini"_s)).contains("FICDEFAUT =sous/autre.txt"));
        QVERIFY(!QFile::exists(data.filePath(u"Sylvane.ini"_s)));
        QCOMPARE(QDir::currentPath(), start);
    }

  private:
    QString previous_;
};

QTEST_GUILESS_MAIN(TestCurrentFolder)
#include "tst_currentfolder.moc"
