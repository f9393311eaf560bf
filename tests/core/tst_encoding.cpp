// Which encoding a text file is read in, and that it is written back the same way.
#include "core/encoding.h"
#include "core/textfile.h"

#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace sylvane::core;

Q_DECLARE_METATYPE(sylvane::core::TextEncoding)

class TestEncoding : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void detection_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<TextEncoding>("encoding");
        QTest::newRow("ascii stays 1252") << QByteArray("TITRE=a\r\n") << TextEncoding::Windows1252;
        QTest::newRow("empty") << QByteArray() << TextEncoding::Windows1252;
        QTest::newRow("1252 accents") << QByteArray("spor\xe9"
                                                    "e \xe0 lamelles")
                                      << TextEncoding::Windows1252;
        QTest::newRow("utf-8 accents") << QByteArray("spor\xc3\xa9"
                                                     "e")
                                       << TextEncoding::Utf8;
        QTest::newRow("utf-8 bom")
            << QByteArray("\xef\xbb\xbfTITRE=a") << TextEncoding::Utf8WithBom;
        QTest::newRow("utf-16 le") << QByteArray("\xff\xfeT\0", 4) << TextEncoding::Utf16LE;
        QTest::newRow("utf-16 be") << QByteArray("\xfe\xff\0T", 4) << TextEncoding::Utf16BE;
        // Near misses of UTF-8 are Windows-1252: a cut sequence, an overlong form, an
        // encoded surrogate, a code point above U+10FFFF.
        QTest::newRow("cut sequence") << QByteArray("caf\xc3") << TextEncoding::Windows1252;
        QTest::newRow("overlong") << QByteArray("\xc0\xaf") << TextEncoding::Windows1252;
        QTest::newRow("overlong 3") << QByteArray("\xe0\x80\xaf") << TextEncoding::Windows1252;
        QTest::newRow("surrogate") << QByteArray("\xed\xa0\x80") << TextEncoding::Windows1252;
        QTest::newRow("too high") << QByteArray("\xf4\x90\x80\x80") << TextEncoding::Windows1252;
        QTest::newRow("4-byte ok") << QByteArray("\xf0\x9f\x8d\x84") << TextEncoding::Utf8;
        QTest::newRow("1252 pair that looks like utf-8")
            << QByteArray("\xc3\xa9 puis \xe9") << TextEncoding::Windows1252;
    }
    void detection() {
        QFETCH(QByteArray, bytes);
        QFETCH(TextEncoding, encoding);
        QCOMPARE(detectEncoding(bytes), encoding);
    }

    // The byte-order mark never reaches the text: a title on the first line stays a title.
    void linesLeaveTheMarkOut() {
        QCOMPARE(
            decodeLines("\xef\xbb\xbfTITRE=C\xc3\xa8pes\r\nCHAMP=a", TextEncoding::Utf8WithBom),
            (QStringList{u"TITRE=Cèpes"_s, u"CHAMP=a"_s}));
        const QString text = u"TITRE=Cèpes 🍄\r\nCHAMP=a;b\nx;y"_s;
        const QStringList lines{u"TITRE=Cèpes 🍄"_s, u"CHAMP=a;b"_s, u"x;y"_s};
        QCOMPARE(decodeLines("\xff\xfe" + QStringEncoder(QStringEncoder::Utf16LE)(text),
                             TextEncoding::Utf16LE),
                 lines);
        QCOMPARE(decodeLines("\xfe\xff" + QStringEncoder(QStringEncoder::Utf16BE)(text),
                             TextEncoding::Utf16BE),
                 lines);
    }

    void everyEncodingRoundTripsThroughAFile_data() {
        QTest::addColumn<TextEncoding>("encoding");
        QTest::newRow("utf-8") << TextEncoding::Utf8;
        QTest::newRow("utf-8 bom") << TextEncoding::Utf8WithBom;
        QTest::newRow("utf-16 le") << TextEncoding::Utf16LE;
        QTest::newRow("utf-16 be") << TextEncoding::Utf16BE;
    }
    void everyEncodingRoundTripsThroughAFile() {
        QFETCH(TextEncoding, encoding);
        QTemporaryDir dir;
        const QString path = dir.filePath(u"t.txt"_s);
        const QStringList lines{u"TITRE=Bolets d'été"_s, u"CHAMP=Espèce;Œil"_s, QString()};
        QVERIFY(writeTextFile(path, lines, nullptr, encoding));
        TextFileReader reader;
        QVERIFY(reader.open(path));
        QCOMPARE(reader.encoding(), encoding);
        QCOMPARE(reader.lines(), lines);
    }

    void windows1252Encoding() {
        QCOMPARE(encodeLines({u"é"_s}, TextEncoding::Windows1252), QByteArray("\xe9\r\n"));
    }
};

QTEST_GUILESS_MAIN(TestEncoding)
#include "tst_encoding.moc"
