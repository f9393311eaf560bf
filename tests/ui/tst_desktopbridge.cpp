// The pieces that turn the program's requests into desktop terms: file dialog filters,
// the editor command, the command line, twips and key codes.
#include "ui/qtplatform.h"
#include "ui/startoptions.h"
#include "ui/twips.h"
#include "ui/vbinput.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace sylvane::ui;

class TestDesktopBridge : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void filters() {
        QCOMPARE(
            fileDialogFilters(
                u"*.txt,*.cle,*.csv,*.csvm|*.txt;*.cle;*.csv;*.csvm|*.csvm,*.csv|*.csvm;*.csv|Tous les fichiers (*.*)|*.*|"_s),
            (QStringList{u"*.txt,*.cle,*.csv,*.csvm (*.txt *.cle *.csv *.csvm)"_s,
                         u"*.csvm,*.csv (*.csvm *.csv)"_s, u"Tous les fichiers (*.*) (*)"_s}));
        QCOMPARE(fileDialogFilters(u"Textes|*.txt"_s), QStringList{u"Textes (*.txt)"_s});
        QCOMPARE(fileDialogFilters(QString()), QStringList());
    }

    void editor() {
        const QString path = u"/data/clés; rm -rf ~/a b.txt"_s;
        QCOMPARE(editorCommand(u"gedit"_s, u"vi"_s, path), (QStringList{u"gedit"_s, path}));
        QCOMPARE(editorCommand(QString(), u"code --wait"_s, path),
                 (QStringList{u"code"_s, u"--wait"_s, path}));
        QCOMPARE(editorCommand(u"  "_s, u"\"/opt/my editor/ed\""_s, path),
                 (QStringList{u"/opt/my editor/ed"_s, path}));
        QVERIFY(editorCommand(QString(), QString(), path).isEmpty());
    }

    void startOptions() {
        StartOptions o = parseStartOptions({u"\"/d/a b.txt\""_s}, u"/opt/sylvane"_s, {}, {});
        QCOMPARE(o.commandLine, u"\"/d/a b.txt\""_s); // Form_Load removes the quotes
        QCOMPARE(o.appFolder, u"/opt/sylvane"_s);
        QVERIFY(!o.developer);
        QVERIFY(o.error.isEmpty());

        o = parseStartOptions({u"--dev"_s, u"--app-folder"_s, u"/tmp/app/"_s, u"t.txt"_s},
                              u"/opt"_s, u"/env"_s, {});
        QCOMPARE(o.appFolder, u"/tmp/app"_s);
        QVERIFY(o.developer);
        QCOMPARE(o.commandLine, u"t.txt"_s);

        o = parseStartOptions({}, u"/opt"_s, u"/env/app"_s, u"1"_s);
        QCOMPARE(o.appFolder, u"/env/app"_s);
        QVERIFY(o.developer);
        QVERIFY(o.commandLine.isEmpty());
        QVERIFY(!parseStartOptions({}, u"/opt"_s, {}, u"0"_s).developer);

        o = parseStartOptions({u"--"_s, u"--odd name.txt"_s}, u"/opt"_s, {}, {});
        QCOMPARE(o.commandLine, u"--odd name.txt"_s);
        QVERIFY(!parseStartOptions({u"--what"_s}, u"/opt"_s, {}, {}).error.isEmpty());
        QVERIFY(!parseStartOptions({u"a"_s, u"b"_s}, u"/opt"_s, {}, {}).error.isEmpty());
        QVERIFY(!parseStartOptions({u"--app-folder"_s}, u"/opt"_s, {}, {}).error.isEmpty());
    }

    void units() {
        QCOMPARE(twipsToPixels(1440, 96), 96);
        QCOMPARE(twipsToPixels(15, 96), 1);
        QCOMPARE(twipsToPixels(16155, 96), 1077);
        QCOMPARE(twipsToPixels(1440, 144), 144);
        // Adjacent rectangles stay adjacent after rounding.
        const QRect a = twipsRect(100, 100, 3200, 250, 96);
        const QRect b = twipsRect(3300, 100, 100, 250, 96);
        QCOMPARE(a.right() + 1, b.left());
        QCOMPARE(colourFromBgr(255), QColor(255, 0, 0));
        QCOMPARE(colourFromBgr(65535), QColor(255, 255, 0));
        QCOMPARE(colourFromBgr(16711680), QColor(0, 0, 255));
        QCOMPARE(vbKeyCode(Qt::Key_Shift), 16);
        QCOMPARE(vbKeyCode(Qt::Key_Return), 13);
        QCOMPARE(vbKeyCode(Qt::Key_Down), 40);
        QCOMPARE(vbKeyCode(Qt::Key_A), 65);
        QCOMPARE(vbKeyCode(Qt::Key_F1), 112);
        QCOMPARE(vbMouseButton(Qt::RightButton), 2);
    }
};

QTEST_MAIN(TestDesktopBridge)
#include "tst_desktopbridge.moc"
