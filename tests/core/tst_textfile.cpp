#include "core/textfile.h"

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace sylvane::core;

namespace {

// The lines of a text, one character at a time: a line ends at CR or LF, and the other
// one of the two right after it belongs to the same line end.
QStringList linesByTheRule(const QString& text) {
    QStringList lines;
    QString line;
    const auto isEnd = [](QChar c) { return c == u'\r' || c == u'\n'; };
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (!isEnd(text[i])) {
            line += text[i];
            continue;
        }
        lines << line;
        line.clear();
        if (i + 1 < text.size() && isEnd(text[i + 1]) && text[i + 1] != text[i])
            ++i;
    }
    if (!line.isEmpty())
        lines << line;
    return lines;
}

} // namespace

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

    void linesEndAtCrLfLfCrLoneCrAndLoneLf() {
        QCOMPARE(splitLines(u"a\r\nb\rc\nd"_s), (QStringList{u"a"_s, u"b"_s, u"c"_s, u"d"_s}));
        QCOMPARE(splitLines(u"a\n\rb\n\r\n\rc"_s),
                 (QStringList{u"a"_s, u"b"_s, QString(), u"c"_s}));
        QCOMPARE(splitLines(u"a\r\n\r\nb\r\n"_s), (QStringList{u"a"_s, QString(), u"b"_s}));
        QCOMPARE(splitLines(u"\n\n"_s), (QStringList{QString(), QString()}));
        QCOMPARE(splitLines(QString()), QStringList());
        QCOMPARE(decodeWindows1252Lines("a\r\nb\rc\nd\xe9\r\n\r\n"),
                 (QStringList{u"a"_s, u"b"_s, u"c"_s, u"dé"_s, QString()}));
    }

    // Every reader splits as the rule says, in every encoding: the cursor serves the lines
    // decodeLines and splitLines give, whatever the line ends (random mixes of them
    // included), the code page's 0x80-0x9F bytes, a long line followed by shorter ones (the
    // reused buffer must not show the old tail); and it never counts fewer lines than are
    // left.
    void everyReaderSplitsLinesAsTheRuleSays() {
        QStringList samples{
            u"TITRE=une très longue ligne de tête\r\nab\rc\n\nd\u20ac\u0153;\u0081\r\n\r\n"_s,
            u"x"_s, u"\n\r"_s, QString(), u"a\r\r\nb\n\rc"_s};
        QRandomGenerator random(23);
        for (int i = 0; i < 300; ++i) {
            QString text;
            for (int n = random.bounded(40); n > 0; --n)
                text += u"ab\r\n\r\n\u00e9\u20ac"_s[random.bounded(8)];
            samples << text;
        }
        for (const QString& text : samples)
            for (const TextEncoding encoding :
                 {TextEncoding::Windows1252, TextEncoding::Utf8WithBom, TextEncoding::Utf16LE,
                  TextEncoding::Utf16BE}) {
                const QByteArray bytes = encodeLines({text}, encoding)
                                             .chopped(encoding == TextEncoding::Utf16LE ||
                                                              encoding == TextEncoding::Utf16BE
                                                          ? 4
                                                          : 2);
                const QStringList expected = decodeLines(bytes, encoding);
                LineCursor cursor(bytes, encoding);
                QVERIFY(cursor.lineCountBound() >= expected.size());
                QStringList served;
                QStringView line;
                while (cursor.next(line)) {
                    served << line.toString();
                    QVERIFY(cursor.lineCountBound() >= expected.size() - served.size());
                }
                QCOMPARE(served, expected);
                QCOMPARE(served, splitLines(text));
                QCOMPARE(served, linesByTheRule(text));
            }
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
