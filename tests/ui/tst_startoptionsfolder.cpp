// Whether the settings folder was asked for: only then does it override the choice
// between the program's folder and the user's.
#include "ui/startoptions.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace sylvane::ui;

class TestStartOptionsFolder : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void folderGivenByOptionOrEnvironment() {
        StartOptions o = parseStartOptions({u"t.txt"_s}, u"/usr/bin"_s, {}, {});
        QVERIFY(!o.appFolderGiven);
        QCOMPARE(o.appFolder, u"/usr/bin"_s);

        o = parseStartOptions({u"--app-folder"_s, u"/cfg/"_s}, u"/usr/bin"_s, {}, {});
        QVERIFY(o.appFolderGiven);
        QCOMPARE(o.appFolder, u"/cfg"_s);

        o = parseStartOptions({}, u"/usr/bin"_s, u"/env"_s, {});
        QVERIFY(o.appFolderGiven);
        QCOMPARE(o.appFolder, u"/env"_s);

        // After "--", "--app-folder" is the key table, not the option.
        o = parseStartOptions({u"--"_s, u"--app-folder"_s}, u"/usr/bin"_s, {}, {});
        QVERIFY(!o.appFolderGiven);
        QCOMPARE(o.commandLine, u"--app-folder"_s);
    }
};

QTEST_GUILESS_MAIN(TestStartOptionsFolder)
#include "tst_startoptionsfolder.moc"
