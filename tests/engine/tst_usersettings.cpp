// An installed program's settings: read from the installed defaults until the user saves
// a copy of their own, which "Sauver options" writes into the user's folder, creating it.
#include "bytefiles.h"
#include "engine/formtblfixture.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace sylvane;

using sylvane::testing::readBytes;
using sylvane::testing::writeBytes;

namespace {

// An installed data folder: a sample table and the default settings naming it.
struct Installation {
    QTemporaryDir root;
    QString share = root.filePath(u"share/sylvane"_s);
    QString sample = share + u"/exemple.txt"_s;
    QString defaults = share + u"/Sylvane.ini"_s;
    QByteArray defaultLines =
        "\r\nFICDEFAUT =" + sample.toUtf8() + "\r\nREPDATA =" + share.toUtf8() + "/\r\n";

    Installation() {
        writeBytes(sample, "TITRE=T\r\nCHAMP=Espece;Chapeau\r\nAmanita;rouge\r\n");
        writeBytes(defaults, defaultLines);
    }
};

// A window started the way an installed program starts it.
struct Started : testing::FormTblFixture {
    Started(const QString& userFolder, const QString& defaults) {
        state.DefaultSettingsFile = defaults;
        start(userFolder);
    }
    QStringList messages() const { return logged(u"[msgbox"_s); }
};
} // namespace

class TestUserSettings : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void init() { previous_ = QDir::currentPath(); }
    void cleanup() { QDir::setCurrent(previous_); }

    void defaultsUntilTheUserSavesACopy() {
        Installation installed;
        const QString user = installed.root.filePath(u"home/.config/Sylvane"_s);

        Started first(user, installed.defaults);
        QVERIFY2(first.messages().isEmpty(), qPrintable(first.messages().join(u'\n')));
        QCOMPARE(first.state.CurrentFile, installed.sample);
        QCOMPARE(first.state.DataFolder, installed.share + u'/');
        QCOMPARE(first.state.SettingsFile, user + u"/Sylvane.ini"_s);
        QVERIFY(!QFileInfo::exists(user)); // reading writes nothing

        const QString other = installed.root.filePath(u"mes clés/bois.txt"_s);
        writeBytes(other, "TITRE=B\r\nCHAMP=Espece\r\nBoletus\r\n");
        first.state.CurrentFile = other;
        first.form.identification.multipleChoice.setValue(1);
        first.form.menus.saveOptions.onClick();
        const QString otherFolder = installed.root.filePath(u"mes clés/"_s);
        QCOMPARE(first.state.DataFolder, otherFolder);
        QCOMPARE(readBytes(user + u"/Sylvane.ini"_s), "\r\nFICDEFAUT =" + other.toLatin1() +
                                                          "\r\nREPDATA =" + otherFolder.toLatin1() +
                                                          "\r\nCHOIXMULT =1\r\n");
        // The installed defaults stay as they were.
        QCOMPARE(readBytes(installed.defaults), installed.defaultLines);

        // The next start reads the user's copy.
        Started second(user, installed.defaults);
        QVERIFY(second.messages().isEmpty());
        QCOMPARE(second.state.CurrentFile, other);
        QCOMPARE(second.form.identification.multipleChoice.value(), 1);
    }

    void aFailedSaveKeepsTheDataFolder() {
        Installation installed;
        // The user's folder cannot be made: a file stands where a folder should be.
        writeBytes(installed.root.filePath(u"home/.config"_s), "not a folder");
        const QString user = installed.root.filePath(u"home/.config/Sylvane"_s);

        Started started(user, installed.defaults);
        started.state.CurrentFile = installed.root.filePath(u"ailleurs/t.txt"_s);
        started.form.menus.saveOptions.onClick();
        QCOMPARE(started.state.DataFolder, installed.share + u'/');
        QVERIFY(started.messages().isEmpty()); // a failed save says nothing
        QCOMPARE(readBytes(installed.defaults), installed.defaultLines);
        QVERIFY(!QFileInfo::exists(user + u"/Sylvane.ini"_s));
    }

    void neitherCopyNamesTheUsersFile() {
        QTemporaryDir root;
        const QString user = root.filePath(u"user"_s);
        Started started(user, root.filePath(u"share/Sylvane.ini"_s));
        QCOMPARE(started.messages(), QStringList{u"[msgbox Sylvane] le fichier "_s + user +
                                                 u"/Sylvane.ini n'existe pas -> ok"_s});
    }

  private:
    QString previous_;
};

QTEST_GUILESS_MAIN(TestUserSettings)
#include "tst_usersettings.moc"
