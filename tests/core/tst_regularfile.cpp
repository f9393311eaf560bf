// Only regular files are read, never past the size limit, and messages stay screen-sized.
#include "core/boundedtext.h"
#include "core/moduleroutines.h"
#include "core/regularfile.h"
#include "core/textfile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

using namespace Qt::StringLiterals;
using namespace sylvane::core;

Q_DECLARE_METATYPE(sylvane::core::FileCheck)

class TestRegularFile : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    // A FIFO with no writer would block an ordinary open for ever; a device can be read
    // without end. Neither is opened as a file.
    void specialFilesAreNotFiles() {
        QTemporaryDir dir;
        const QString fifo = dir.filePath(u"fifo"_s);
        QVERIFY(::mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0);
        const QString socketPath = dir.filePath(u"sock"_s);
        const int sock = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        qstrncpy(address.sun_path, QFile::encodeName(socketPath).constData(),
                 sizeof address.sun_path);
        QVERIFY(::bind(sock, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0);
        for (const QString& path : {fifo, socketPath, u"/dev/zero"_s, dir.path()}) {
            QCOMPARE(checkReadableFile(path), FileCheck::NotRegular);
            QVERIFY(!FileExists(path));
            TextFileReader reader;
            QVERIFY(!reader.open(path));
            QCOMPARE(reader.check(), FileCheck::NotRegular);
            QCOMPARE(notRegularFileNote(path), u" (ce n'est pas un fichier ordinaire)"_s);
        }
        ::close(sock);
        QCOMPARE(checkReadableFile(dir.filePath(u"absent"_s)), FileCheck::Missing);
        QCOMPARE(notRegularFileNote(dir.filePath(u"absent"_s)), QString());
        QCOMPARE(checkReadableFile(QString()), FileCheck::Missing);
        // A NUL ends the name the system sees: "a<NUL>x" is not the file "a".
        QFile a(dir.filePath(u"a"_s));
        QVERIFY(a.open(QIODevice::WriteOnly));
        QCOMPARE(checkReadableFile(a.fileName() + QChar(0) + u"x"_s), FileCheck::Missing);
    }

    void aFileAboveTheLimitIsNotRead() {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"big.txt"_s);
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("0123456789");
        f.close();
        QByteArray bytes;
        QCOMPARE(readRegularFile(path, bytes, 10), FileCheck::Readable);
        QCOMPARE(bytes, QByteArray("0123456789"));
        QCOMPARE(readRegularFile(path, bytes, 9), FileCheck::TooLarge);
        QVERIFY(bytes.isEmpty());
        // The real limit, on a sparse file: refused before a byte is read.
        QVERIFY(f.resize(MaxTextFileBytes + 1));
        TextFileReader reader;
        QVERIFY(!reader.open(path));
        QCOMPARE(reader.check(), FileCheck::TooLarge);
        QVERIFY(FileExists(path)); // it exists: the loader says why it is not read
        QVERIFY(tooLargeFileMessage(path).contains(u"64 Mo"_s));
    }

    void quotedLinesAndScreenSizedTexts() {
        const QString line(5'000'000, u'x');
        QCOMPARE(quotedLine(line), QString(200, u'x') + u"..."_s);
        QCOMPARE(quotedLine(u"court"_s), u"court"_s);
        QCOMPARE(boundedForScreen(line).size(), MessageLineLength + 3);
        QCOMPARE(boundedForScreen(u"a\r\nb"_s), u"a\r\nb"_s);
        QString many;
        for (int i = 0; i < 100'000; ++i)
            many += u"ligne\n"_s;
        const QString bounded = boundedForScreen(many, 10, 3);
        QCOMPARE(bounded, u"ligne\nligne\nligne\n..."_s);
        QCOMPARE(boundedForScreen(u"abcdef\nxy"_s, 3), u"abc...\nxy"_s);
    }
};

QTEST_GUILESS_MAIN(TestRegularFile)
#include "tst_regularfile.moc"
