// Replacing a file: the target is always its old bytes or the complete new ones, and no
// temporary file is left behind, whatever step fails.
#include "bytefiles.h"
#include "core/safewrite.h"
#include "core/writefault.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;
using namespace sylvane::core;

using sylvane::testing::readBytes;
using sylvane::testing::writeBytes;

namespace {

QByteArray readOrAbsent(const QString& path) {
    return sylvane::testing::readBytes(path, "<absent>");
}

// Three and a half write calls' worth of bytes.
QByteArray bigContent() {
    QByteArray bytes;
    for (int i = 0; bytes.size() < WriteChunkBytes * 7 / 2; ++i)
        bytes += "ligne " + QByteArray::number(i) + ";valeur\r\n";
    return bytes;
}

} // namespace

class TestSafeWrite : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void writesNewAndReplacedFilesWhole() {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"t.txt"_s);
        QVERIFY(replaceFileContents(path, "un"));
        QCOMPARE(readOrAbsent(path), QByteArray("un"));
        const QByteArray big = bigContent();
        QVERIFY(replaceFileContents(path, big));
        QCOMPARE(readOrAbsent(path), big);
        QVERIFY(replaceFileContents(path, QByteArray()));
        QCOMPARE(readOrAbsent(path), QByteArray());
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList{u"t.txt"_s});
    }

    void keepsThePermissionsOfTheFileItReplaces() {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"t.txt"_s);
        writeBytes(path, "old");
        QVERIFY(::chmod(QFile::encodeName(path).constData(), 0640) == 0);
        QVERIFY(replaceFileContents(path, "new"));
        struct stat info {};
        QVERIFY(::stat(QFile::encodeName(path).constData(), &info) == 0);
        QCOMPARE(info.st_mode & 07777, mode_t(0640));
    }

    // A file made from another (the backup or the work file of a table) is as private as
    // that file, whatever the umask, and keeps its owner where the process may set it (as
    // root: a table of another user stays that user's).
    void aCopyTakesTheOwnerAndPermissionsOfItsModel() {
        QTemporaryDir dir;
        const QString model = dir.filePath(u"table.txt"_s);
        const QString copy = dir.filePath(u"table.bak"_s);
        writeBytes(model, "secret");
        writeBytes(copy, "an older, readable backup");
        QVERIFY(::chmod(QFile::encodeName(model).constData(), 0600) == 0);
        const bool root = ::geteuid() == 0;
        if (root)
            QVERIFY(::chown(QFile::encodeName(model).constData(), 65534, 65534) == 0);
        ReplaceOptions fromModel;
        fromModel.modelFile = model;
        const mode_t umask = ::umask(022);
        QVERIFY(replaceFileContents(copy, "secret", nullptr, fromModel));
        QVERIFY(replaceFileContents(dir.filePath(u"new.txt"_s), "x", nullptr, fromModel));
        ::umask(umask);
        for (const QString& path : {copy, dir.filePath(u"new.txt"_s)}) {
            struct stat info {};
            QVERIFY(::stat(QFile::encodeName(path).constData(), &info) == 0);
            QCOMPARE(info.st_mode & 0777, mode_t(0600));
            if (root)
                QCOMPARE(info.st_uid, uid_t(65534));
        }
        if (root) { // the table itself, replaced, stays its owner's
            QVERIFY(replaceFileContents(model, "new"));
            struct stat info {};
            QVERIFY(::stat(QFile::encodeName(model).constData(), &info) == 0);
            QCOMPARE(info.st_uid, uid_t(65534));
        }
    }

    // A file without any write permission was protected by the user: it is not replaced,
    // not even by root, who may write anything.
    void aReadOnlyFileIsNotReplaced() {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"rapport.html"_s);
        writeBytes(path, "kept");
        QVERIFY(::chmod(QFile::encodeName(path).constData(), 0444) == 0);
        WriteError error;
        QVERIFY(!replaceFileContents(path, "new", &error));
        QCOMPARE(error.step, WriteStep::Protected);
        QCOMPARE(error.text(), u"le fichier est protégé en écriture"_s);
        QCOMPARE(readOrAbsent(path), QByteArray("kept"));
    }

    // A file with a second name is rewritten in place when asked (both names see the new
    // bytes), and parted from the other name otherwise.
    void aHardLinkedFileIsRewrittenInPlaceWhenAsked() {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"table.txt"_s);
        const QString other = dir.filePath(u"autre_nom.txt"_s);
        writeBytes(path, "old bytes, longer than the new ones");
        QVERIFY(QFile::link(path, dir.filePath(u"lien"_s))); // a symbolic link changes nothing
        QVERIFY(::link(QFile::encodeName(path).constData(), QFile::encodeName(other).constData()) ==
                0);
        ReplaceOptions inPlace;
        inPlace.inPlaceWhenNeeded = true;
        QVERIFY(replaceFileContents(path, "new", nullptr, inPlace));
        QCOMPARE(readOrAbsent(other), QByteArray("new"));
        QVERIFY(replaceFileContents(path, "parted"));
        QCOMPARE(readOrAbsent(path), QByteArray("parted"));
        QCOMPARE(readOrAbsent(other), QByteArray("new"));
        QCOMPARE(
            QDir(dir.path())
                .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot),
            (QStringList{u"autre_nom.txt"_s, u"lien"_s, u"table.txt"_s}));
    }

    // Any name the system allows can be replaced: the temporary name is cut to fit the
    // limit, never inside a character; a NUL, which would name another file, is refused.
    void everyValidNameCanBeReplaced() {
        QTemporaryDir dir;
        for (const QString& name :
             {QString(251, u'a') + u".txt"_s, QString(125, u'é') + u".txt"_s + QString(1, u'x')}) {
            QCOMPARE(QFile::encodeName(name).size(), 255);
            const QString path = dir.filePath(name);
            QVERIFY(replaceFileContents(path, "one"));
            QVERIFY(replaceFileContents(path, "two"));
            QCOMPARE(readOrAbsent(path), QByteArray("two"));
        }
        WriteError error;
        QVERIFY(!replaceFileContents(dir.filePath(u"a"_s) + QChar(0) + u"b"_s, "x", &error));
        QCOMPARE(error.text(), u"création du fichier temporaire : nom de fichier invalide"_s);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 2);
    }

    // The temporary files an interrupted replacement left (killed, it holds no lock) go at
    // the next replacement of the same target; one still being written, and those of
    // other targets, stay.
    void orphansOfTheTargetAreRemoved() {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"t.txt"_s);
        for (const char* name : {".t.txt.abcd1234.tmp", ".t.txt.inuse999.tmp",
                                 ".u.txt.abcd1234.tmp", ".t.txt.short.tmp"})
            writeBytes(dir.filePath(QString::fromLatin1(name)), "orphan");
        QFile inUse(dir.filePath(u".t.txt.inuse999.tmp"_s));
        QVERIFY(inUse.open(QIODevice::ReadOnly));
        QVERIFY(::flock(inUse.handle(), LOCK_EX) == 0);
        QVERIFY(replaceFileContents(path, "x"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
                 (QStringList{u".t.txt.inuse999.tmp"_s, u".t.txt.short.tmp"_s,
                              u".u.txt.abcd1234.tmp"_s, u"t.txt"_s}));
    }

    // A link at the target's name is replaced; the file it points to is never written.
    void neverWritesThroughALink() {
        QTemporaryDir dir;
        const QString victim = dir.filePath(u"victim"_s);
        const QString link = dir.filePath(u"$$temp.txt"_s);
        writeBytes(victim, "keep me");
        QVERIFY(QFile::link(victim, link));
        QVERIFY(replaceFileContents(link, "work"));
        QCOMPARE(readOrAbsent(victim), QByteArray("keep me"));
        QVERIFY(!QFileInfo(link).isSymLink());
        QCOMPARE(readOrAbsent(link), QByteArray("work"));
    }

    void aFaultAtAnyStepLeavesTheOldBytes_data() {
        QTest::addColumn<int>("step");
        QTest::addColumn<int>("occurrence");
        QTest::addColumn<int>("systemError");
        QTest::addColumn<QString>("text");
        QTest::newRow("create") << int(WriteStep::Create) << 1 << EACCES
                                << u"création du fichier temporaire : accès refusé"_s;
        for (int k = 1; k <= 3; ++k)
            QTest::addRow("write %d", k) << int(WriteStep::Write) << k << ENOSPC
                                         << u"écriture : plus de place sur le disque"_s;
        QTest::newRow("flush") << int(WriteStep::Flush) << 1 << ENOSPC
                               << u"vidage du tampon : plus de place sur le disque"_s;
        QTest::newRow("fsync")
            << int(WriteStep::Sync) << 1 << EIO
            << u"synchronisation sur le disque : erreur d'entrée-sortie du disque"_s;
        QTest::newRow("size")
            << int(WriteStep::SizeCheck) << 1 << 0
            << u"vérification de la taille : le fichier écrit n'a pas la taille attendue"_s;
        QTest::newRow("close") << int(WriteStep::Close) << 1 << EDQUOT
                               << u"fermeture : quota du disque dépassé"_s;
        QTest::newRow("rename") << int(WriteStep::Rename) << 1 << EROFS
                                << u"remplacement du fichier : disque en lecture seule"_s;
    }
    void aFaultAtAnyStepLeavesTheOldBytes() {
        QFETCH(int, step);
        QFETCH(int, occurrence);
        QFETCH(int, systemError);
        QFETCH(QString, text);
        QTemporaryDir dir;
        const QString path = dir.filePath(u"table.txt"_s);
        writeBytes(path, "old bytes");
        WriteError error;
        {
            // Any value makes the size check fail; 0 would let it run.
            WriteFault fault(1, WriteStep(step), occurrence, systemError == 0 ? 1 : systemError);
            QVERIFY(!replaceFileContents(path, bigContent(), &error));
        }
        QCOMPARE(int(error.step), step);
        QCOMPARE(error.text(), text);
        QCOMPARE(readOrAbsent(path), QByteArray("old bytes"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList{u"table.txt"_s});
        // The seam is gone: the next replacement goes through.
        QVERIFY(replaceFileContents(path, "new"));
        QCOMPARE(readOrAbsent(path), QByteArray("new"));
    }

    // A real full disk: a 64 KiB tmpfs, which only root can mount.
    void aFullDiskLeavesTheOldBytes() {
        if (::geteuid() != 0)
            QSKIP("mounting a small tmpfs needs root");
        QTemporaryDir dir;
        const QString mountPoint = dir.filePath(u"small"_s);
        QVERIFY(QDir().mkpath(mountPoint));
        if (QProcess::execute(u"mount"_s, {u"-t"_s, u"tmpfs"_s, u"-o"_s, u"size=64k"_s, u"tmpfs"_s,
                                           mountPoint}) != 0)
            QSKIP("mount refused a tmpfs here (no privilege in this container)");
        const auto unmount = qScopeGuard([&] { QProcess::execute(u"umount"_s, {mountPoint}); });
        const QString path = mountPoint + u"/table.txt"_s;
        const QByteArray old(13 * 1024, 'a');
        QVERIFY(replaceFileContents(path, old));
        // Fill what is left, then try to replace the table with a bigger text.
        QFile filler(mountPoint + u"/filler"_s);
        QVERIFY(filler.open(QIODevice::WriteOnly));
        filler.write(QByteArray(64 * 1024, 'f')); // cut short by the full disk
        filler.close();
        WriteError error;
        QVERIFY(!replaceFileContents(path, QByteArray(40 * 1024, 'b'), &error));
        QVERIFY2(error.text().contains(u"plus de place sur le disque"_s), qPrintable(error.text()));
        QCOMPARE(readOrAbsent(path), old);
        QCOMPARE(QDir(mountPoint).entryList(QDir::Files | QDir::Hidden).size(), 2);
    }
};

QTEST_GUILESS_MAIN(TestSafeWrite)
#include "tst_safewrite.moc"
