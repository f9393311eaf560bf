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
