// An installed program's settings: read from the installed defaults until the user saves
// a copy of their own, which "Sauver options" writes into the user's folder, creating it.
#include "core/programstate.h"
#include "core/recordingplatform.h"
#include "engine/formtbl.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace sylvane;

namespace {
void writeBytes(const QString& path, const QByteArray& bytes) {
    QVERIFY(QDir().mkpath(QFileInfo(path).path()));
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray readBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A window started the way an installed program starts it.
struct Started {
    core::ProgramState state;
    core::RecordingPlatform platform;
    engine::FormTbl form{state, platform};

    Started(const QString& userFolder, const QString& defaults) {
        state.AppFolder = userFolder;
        state.DefaultSettingsFile = defaults;
        form.Form_Load(QString());
    }
    QStringList messages() const { return platform.log().filter(u"[msgbox"_s); }
};
} // namespace

class TestUserSettings : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void init() { previous_ = QDir::currentPath(); }
    void cleanup() { QDir::setCurrent(previous_); }

    void defaultsUntilTheUserSavesACopy() {
        QTemporaryDir root;
        const QString share = root.filePath(u"share/sylvane"_s);
        const QString sample = share + u"/exemple.txt"_s;
        writeBytes(sample, "TITRE=T\r\nCHAMP=Espece;Chapeau\r\nAmanita;rouge\r\n");
        const QString defaults = share + u"/Sylvane.ini"_s;
        const QByteArray defaultLines =
            "\r\nFICDEFAUT =" + sample.toUtf8() + "\r\nREPDATA =" + share.toUtf8() + "/\r\n";
        writeBytes(defaults, defaultLines);
        const QString user = root.filePath(u"home/.config/Sylvane"_s);

        Started first(user, defaults);
        QVERIFY2(first.messages().isEmpty(), qPrintable(first.messages().join(u'\n')));
        QCOMPARE(first.state.CurrentFile, sample);
        QCOMPARE(first.state.DataFolder, share + u'/');
        QCOMPARE(first.state.SettingsFile, user + u"/Sylvane.ini"_s);
        QVERIFY(!QFileInfo::exists(user)); // reading writes nothing

        const QString other = root.filePath(u"mes clés/bois.txt"_s);
        writeBytes(other, "TITRE=B\r\nCHAMP=Espece\r\nBoletus\r\n");
        first.state.CurrentFile = other;
        first.form.CheckChoix.setValue(1);
        first.form.inisauve.onClick();
        const QString otherFolder = root.filePath(u"mes clés/"_s);
        QCOMPARE(first.state.DataFolder, otherFolder);
        QCOMPARE(readBytes(user + u"/Sylvane.ini"_s), "\r\nFICDEFAUT =" + other.toLatin1() +
                                                          "\r\nREPDATA =" + otherFolder.toLatin1() +
                                                          "\r\nCHOIXMULT =1\r\n");
        QCOMPARE(readBytes(defaults), defaultLines); // the installed defaults stay as they were

        // The next start reads the user's copy.
        Started second(user, defaults);
        QVERIFY(second.messages().isEmpty());
        QCOMPARE(second.state.CurrentFile, other);
        QCOMPARE(second.form.CheckChoix.value(), 1);
    }

    void aFailedSaveKeepsTheDataFolder() {
        QTemporaryDir root;
        const QString share = root.filePath(u"share"_s);
        const QString sample = share + u"/exemple.txt"_s;
        writeBytes(sample, "CHAMP=Espece\r\nA\r\n");
        const QString defaults = share + u"/Sylvane.ini"_s;
        writeBytes(defaults, "FICDEFAUT =" + sample.toUtf8() + "\r\n");
        // The user's folder cannot be made: a file stands where a folder should be.
        writeBytes(root.filePath(u"home/.config"_s), "not a folder");
        const QString user = root.filePath(u"home/.config/Sylvane"_s);

        Started started(user, defaults);
        started.state.CurrentFile = root.filePath(u"ailleurs/t.txt"_s);
        started.form.inisauve.onClick();
        QCOMPARE(started.state.DataFolder, share + u'/');
        QVERIFY(started.messages().isEmpty()); // a failed save says nothing
        QCOMPARE(readBytes(defaults), "FICDEFAUT =" + sample.toUtf8() + "\r\n");
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
