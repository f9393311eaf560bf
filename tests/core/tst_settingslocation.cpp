// Where Sylvane.ini is read and saved: a build, a portable copy, an installed program, a
// folder given on the command line.
#include "core/settingslocation.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace sylvane;

namespace {
void touch(const QString& path) {
    QVERIFY(QDir().mkpath(QFileInfo(path).path()));
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
}

core::SettingsPlaces places(bool writable, const QString& installed) {
    core::SettingsPlaces p;
    p.programFolder = u"/prog/bin"_s;
    p.programFolderWritable = writable;
    p.installedFolder = installed;
    p.userFolder = u"/home/u/.config/Sylvane"_s;
    return p;
}
} // namespace

class TestSettingsLocation : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void chosenFolderAndDefaults_data() {
        QTest::addColumn<bool>("writable");
        QTest::addColumn<QString>("installed");
        QTest::addColumn<QString>("given");
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("defaults");
        const QString share = u"/usr/share/sylvane"_s;
        const QString user = u"/home/u/.config/Sylvane"_s;
        QTest::newRow("build or portable copy")
            << true << QString() << QString() << u"/prog/bin"_s << QString();
        QTest::newRow("installed")
            << false << share << QString() << user << share + u"/Sylvane.ini"_s;
        // root may write /usr/bin, but an installation is shared by every user.
        QTest::newRow("installed, writable")
            << true << share << QString() << user << share + u"/Sylvane.ini"_s;
        QTest::newRow("read-only copy, not installed")
            << false << QString() << QString() << user << QString();
        QTest::newRow("folder given, installed")
            << false << share << u"/given"_s << u"/given"_s << QString();
        QTest::newRow("folder given, build")
            << true << QString() << u"/given"_s << u"/given"_s << QString();
    }
    void chosenFolderAndDefaults() {
        QFETCH(bool, writable);
        QFETCH(QString, installed);
        QFETCH(QString, given);
        core::SettingsPlaces p = places(writable, installed);
        p.givenFolder = given;
        const core::SettingsLocation where = core::chooseSettingsLocation(p);
        QTEST(where.folder, "folder");
        QTEST(where.defaultFile, "defaults");
    }

    void anInstallationIsRecognisedByItsDefaults() {
        QTemporaryDir root;
        const QString bin = root.filePath(u"usr/bin"_s);
        QVERIFY(QDir().mkpath(bin));
        const QString user = root.filePath(u"home/.config/Sylvane"_s);

        core::SettingsPlaces p =
            core::findSettingsPlaces(QString(), bin, u"../share/sylvane"_s, user);
        QVERIFY(p.installedFolder.isEmpty()); // no defaults installed: a copy of its own
        QVERIFY(p.programFolderWritable);
        QCOMPARE(p.userFolder, user);

        touch(root.filePath(u"usr/share/sylvane/Sylvane.ini"_s));
        p = core::findSettingsPlaces(u"/given"_s, bin, u"../share/sylvane"_s, user);
        QCOMPARE(p.installedFolder, root.filePath(u"usr/share/sylvane"_s));
        QCOMPARE(p.givenFolder, u"/given"_s);
        QCOMPARE(core::chooseSettingsLocation(p).folder, u"/given"_s);
        p.givenFolder.clear();
        QCOMPARE(core::chooseSettingsLocation(p).folder, user);
        QCOMPARE(core::chooseSettingsLocation(p).defaultFile,
                 root.filePath(u"usr/share/sylvane/Sylvane.ini"_s));

        // A folder named Sylvane.ini is no settings file.
        QTemporaryDir other;
        QVERIFY(QDir().mkpath(other.filePath(u"share/sylvane/Sylvane.ini"_s)));
        QVERIFY(QDir().mkpath(other.filePath(u"bin"_s)));
        p = core::findSettingsPlaces(QString(), other.filePath(u"bin"_s), u"../share/sylvane"_s,
                                     user);
        QVERIFY(p.installedFolder.isEmpty());
    }

    void theUsersCopyIsReadBeforeTheDefaults() {
        QTemporaryDir dir;
        const QString own = dir.filePath(u"user/Sylvane.ini"_s);
        const QString defaults = dir.filePath(u"share/Sylvane.ini"_s);
        // Neither exists: the own file, whose absence is reported.
        QCOMPARE(core::settingsFileToRead(own, defaults), own);
        touch(defaults);
        QCOMPARE(core::settingsFileToRead(own, defaults), defaults);
        QCOMPARE(core::settingsFileToRead(own, QString()), own);
        touch(own);
        QCOMPARE(core::settingsFileToRead(own, defaults), own);
    }
};

QTEST_GUILESS_MAIN(TestSettingsLocation)
#include "tst_settingslocation.moc"
