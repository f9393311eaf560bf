#include "core/textfile.h"

#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace sylvane::core;

class TestTextFile : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void everyByteRoundTrips() {
        QByteArray all;
        for (int b = 0; b < 256; ++b)
            all.append(static_cast<char>(b));
        const QString text = decodeWindows1252(all);
        QCOMPARE(text.size(), 256);
        QCOMPARE(text[0x80], QChar(0x20AC));
        QCOMPARE(text[0xE9], QChar(u'é'));
        QCOMPARE(text[0x9C], QChar(0x0153));
        for (int undefinedByte : {0x81, 0x8D, 0x8F, 0x90, 0x9D})
            QCOMPARE(text[undefinedByte].unicode(), char16_t(undefinedByte));
        QCOMPARE(encodeWindows1252(text), all);
        QCOMPARE(encodeWindows1252(u"€ 中"_s), QByteArray("\x80 ?"));
    }

    void linesEndAtCrLfLoneCrAndLoneLf() {
        QCOMPARE(splitLines(u"a\r\nb\rc\nd"_s), (QStringList{u"a"_s, u"b"_s, u"c"_s, u"d"_s}));
        QCOMPARE(splitLines(u"a\r\n\r\nb\r\n"_s), (QStringList{u"a"_s, QString(), u"b"_s}));
        QCOMPARE(splitLines(u"\n\n"_s), (QStringList{QString(), QString()}));
        QCOMPARE(splitLines(QString()), QStringList());
        QCOMPARE(decodeWindows1252Lines("a\r\nb\rc\nd\xe9\r\n\r\n"),
                 (QStringList{u"a"_s, u"b"_s, u"c"_s, u"dé"_s, QString()}));
    }

    void writtenFilesUseCrLfAndWindows1252() {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"t.txt"_s);
        QVERIFY(writeTextFile(path, {u"sporée"_s, QString()}));
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("spor\xe9"
                                         "e\r\n\r\n"));
        TextFileReader reader;
        QVERIFY(reader.open(path));
        QCOMPARE(reader.readLine(), u"sporée"_s);
        QCOMPARE(reader.readLine(), QString());
        QVERIFY(reader.atEnd());
        QVERIFY(writeTextFile(path, {u"x"_s}));
        QVERIFY(reader.open(path));
        QCOMPARE(reader.lines(), QStringList{u"x"_s});
        QVERIFY(!writeTextFile(dir.filePath(u"no/such/dir/f.txt"_s), {u"x"_s}));
        QVERIFY(!reader.open(dir.filePath(u"absent"_s)));
    }
};

QTEST_GUILESS_MAIN(TestTextFile)
#include "tst_textfile.moc"
