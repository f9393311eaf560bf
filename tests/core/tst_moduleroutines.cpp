#include "core/moduleroutines.h"
#include "core/vbtext.h"

#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace sylvane::core;

class TestModuleRoutines : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void pathRoutines() {
        QCOMPARE(ExtensionOf(u"essai.txt"_s), u"txt"_s);
        QCOMPARE(ExtensionOf(u"C:\\Cles.2023\\essai.txt"_s), u"2023\\essai.txt"_s);
        QCOMPARE(ExtensionOf(u"essai"_s), u"essai"_s);
        QCOMPARE(StripExtension(u"C:\\Cles\\a.txt"_s).value(), u"C:\\Cles\\a"_s);
        QVERIFY(!StripExtension(u"/tmp/sans_point"_s).has_value());
        QCOMPARE(FolderOf(u"C:\\Cles\\a.txt"_s), u"C:\\Cles\\"_s);
        QCOMPARE(FolderOf(u"C:\\Cles\\"_s), u"C:\\Cles\\"_s);
        QCOMPARE(FolderOf(u"a.txt"_s), QString());
        QCOMPARE(FolderOf(u"/home/u/cles/a.txt"_s), u"/home/u/cles/"_s);
    }

    void fileExistsOnlyForReadableFiles() {
        QTemporaryDir dir;
        QVERIFY(!FileExists(QString()));
        QVERIFY(!FileExists(dir.path()));
        QVERIFY(!FileExists(dir.filePath(u"absent.txt"_s)));
        QFile f(dir.filePath(u"a.txt"_s));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.close();
        QVERIFY(FileExists(f.fileName()));
    }

    void foldAccentsKeepsCapitalsAndOtherLetters() {
        QCOMPARE(FoldAccents(u"Épée brûlée"_s), u"Épee brulee"_s);
        QCOMPARE(FoldAccents(u"ñandú"_s), u"ñandu"_s);
        QCOMPARE(FoldAccents(u"àáâãäçèéêëìíîïòóôõöùúûü"_s), u"aaaaaceeeeiiiiooooouuuu"_s);
        QCOMPARE(FoldAccents(u"åæðñ÷øýþÿß"_s), u"åæðñ÷øýþÿß"_s);
    }

    void containsTextIsASubstringTest() {
        QVERIFY(ContainsText(1, u";12"_s));
        QVERIFY(!ContainsText(3, u";12"_s));
    }

    void replaceAllCollapsesAndTrims() {
        QString t = u"a    b "_s;
        ReplaceAll(u"  "_s, u" "_s, t);
        QCOMPARE(t, u"a b"_s);
        t = u" x ; y"_s;
        ReplaceAll(u" ;"_s, u";"_s, t);
        QCOMPARE(t, u"x; y"_s);
        t = u"x  ;  ;y"_s; // each replacement can form a new match on its left
        ReplaceAll(u" ;"_s, u";"_s, t);
        QCOMPARE(t, u"x;;y"_s);
    }

    void replaceAllAlwaysEnds() {
        QString t = u"aaa"_s;
        ReplaceAll(u"a"_s, u"aa"_s, t); // replacement holds find: one pass
        QCOMPARE(t, u"aaaaaa"_s);
        t = u"  abc  "_s;
        ReplaceAll(QString(), u"x"_s, t); // empty find: trimmed only
        QCOMPARE(t, u"abc"_s);
        QString big(1'000'000, u' ');
        big.prepend(u'a');
        big.append(u'b');
        ReplaceAll(u"  "_s, u" "_s, big);
        QCOMPARE(big, u"a b"_s);
    }

    void splitFieldListCountsAndStores() {
        std::array<QString, 51> names;
        names[3] = u"old"_s;
        QString list = u"Espece ; Chapeau;"_s;
        int count = 0;
        QVERIFY(SplitFieldList(list, count, names));
        QCOMPARE(count, 3);
        QCOMPARE(names[1], u"Espece"_s);
        QCOMPARE(names[2], u"Chapeau"_s);
        QCOMPARE(names[3], u"old"_s);

        std::vector<double> rows(30001, 0.0);
        QString rowList = u"4;9;17"_s;
        int n = 0;
        QVERIFY(SplitFieldList(rowList, n, rows));
        QCOMPARE(n, 3);
        QCOMPARE(rows[1], 4.0);
        QCOMPARE(rows[3], 17.0);
        QCOMPARE(rowList, u"17"_s);

        QString empty;
        n = 0;
        SplitFieldList(empty, n, rows);
        QCOMPARE(n, 1);
    }

    void splitFieldListNeverWritesPastItsTarget() {
        std::array<QString, 51> names;
        QStringList pieces;
        for (int i = 1; i <= 60; ++i)
            pieces << QString::number(i);
        QString list = pieces.join(u';');
        int count = 0;
        QVERIFY(!SplitFieldList(list, count, names));
        QCOMPARE(count, 60);
        QCOMPARE(names[50], u"50"_s);
    }

    void vbNumbers() {
        QCOMPARE(leadingNumericValue(u"3a"_s), 3.0);
        QCOMPARE(leadingNumericValue(u"  -2.5x"_s), -2.5);
        QCOMPARE(leadingNumericValue(u"abc"_s), 0.0);
        QCOMPARE(leadingNumericValue(u"1e3"_s), 1000.0);
        QCOMPARE(roundHalfEven(2.5), 2.0);
        QCOMPARE(roundHalfEven(3.5), 4.0);
        QCOMPARE(numberText(30000.0), u"30000"_s);
        QCOMPARE(numberText(0.25), u"0.25"_s);
        QCOMPARE(trimBlanks(u" \ta "_s), u"\ta"_s);
    }
};

QTEST_GUILESS_MAIN(TestModuleRoutines)
#include "tst_moduleroutines.moc"
