// The typed table: value pools and their limit, out-of-range reads, the row limit, rows
// appended after the load.
#include "keytable/keytable.h"
#include "keytable/smalltable.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace sylvane::keytable;

class TestKeyTable : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void equalTextsShareOneIdAndEmptyIsZero() {
        const KeyTable t = smallTable({u"Espece"_s, u"Couleur"_s},
                                      {u"A;brun"_s, u"B;"_s, u"C;brun"_s, u"D;Brun"_s});
        QCOMPARE(t.rowCount(), 5);
        QCOMPARE(t.cellId(2, 2), t.cellId(4, 2));
        QCOMPARE(t.cellId(3, 2), ValueId(0));
        QVERIFY(t.cellId(5, 2) != t.cellId(2, 2)); // case makes another text
        QCOMPARE(t.poolSize(2), 3);                // "", "brun", "Brun"
        QCOMPARE(t.text(2, t.cellId(5, 2)), u"Brun"_s);
        QCOMPARE(t.cell(4, 1), u"C"_s);
        QCOMPARE(t.fileLine(3), 3);
        QCOMPARE(t.fieldName(2), u"Couleur"_s);
        QCOMPARE(t.fieldCount(), 2);
        QCOMPARE(t.declaredFieldCount(), 2);
    }

    void readsOutsideTheTableAreEmpty() {
        const KeyTable t = smallTable({u"Espece"_s}, {u"A"_s});
        QCOMPARE(t.cell(0, 1), QString());
        QCOMPARE(t.cell(1, 1), QString()); // a header row
        QCOMPARE(t.cell(3, 1), QString());
        QCOMPARE(t.cell(2, 0), QString());
        QCOMPARE(t.cell(2, 51), QString());
        QCOMPARE(t.cell(-1, -1), QString());
        QCOMPARE(t.text(1, 999), QString());
        QCOMPARE(t.poolSize(0), 0);
        QCOMPARE(t.fieldName(0), QString());
        QCOMPARE(t.fileLine(9), 0);
    }

    void rowsStopAtTheLimitAndValuesPastTheLastFieldAreDropped() {
        KeyTable t;
        t.setFieldNames({u"Espece"_s});
        const QString value = u"x"_s;
        for (int row = 1; row <= sylvane::core::MaxRows; ++row)
            QVERIFY(t.appendRow(row, std::vector<QStringView>{value}));
        QVERIFY(!t.appendRow(0, std::vector<QStringView>{value}));
        QCOMPARE(t.rowCount(), sylvane::core::MaxRows);

        std::vector<QStringView> tooMany(60, QStringView(value));
        KeyTable wide;
        QVERIFY(wide.appendRow(1, tooMany));
        QCOMPARE(wide.cell(1, 50), u"x"_s);
        QCOMPARE(wide.poolSize(51), 0);
    }

    // A column holds at most MaxDistinctTexts texts: one more new text is refused, never
    // given an id that another text or the empty one has; known texts still go in.
    void aFullColumnRefusesNewTexts() {
        KeyTable t;
        t.setFieldNames({u"Espece"_s, u"Couleur"_s});
        for (int i = 1; i <= KeyTable::MaxDistinctTexts; ++i)
            QVERIFY(t.setCell(2, 1, QString::number(i))); // each text stays in the pool
        QCOMPARE(t.poolSize(1), KeyTable::MaxDistinctTexts + 1);
        QCOMPARE(t.cell(2, 1), QString::number(KeyTable::MaxDistinctTexts));

        QVERIFY(!t.setCell(3, 1, u"nouveau"_s));
        QCOMPARE(t.rowCount(), 2);
        const QString known = u"7"_s, fresh = u"nouveau"_s, other = u"rouge"_s;
        QVERIFY(!t.appendRow(3, std::vector<QStringView>{fresh, other}));
        QCOMPARE(t.rowCount(), 2);
        QVERIFY(t.appendRow(3, std::vector<QStringView>{known, other}));
        QCOMPARE(t.cell(3, 1), u"7"_s);
        QCOMPARE(t.cell(3, 2), u"rouge"_s);
        QVERIFY(t.setCell(2, 1, u"1"_s));
        QCOMPARE(t.cellId(2, 1), ValueId(1));
    }

    void rowsAppendedAfterTheLoadStillShareTheirTexts() {
        KeyTable t = smallTable({u"Espece"_s}, {u"A"_s, u"B"_s});
        const QString a = u"A"_s;
        t.appendRow(4, std::vector<QStringView>{a});
        QCOMPARE(t.cellId(4, 1), t.cellId(2, 1));
        QCOMPARE(t.poolSize(1), 3);

        // A cell written past the last row appends empty rows up to it.
        QVERIFY(t.setCell(7, 2, u"B"_s));
        QCOMPARE(t.rowCount(), 7);
        QCOMPARE(t.cell(6, 2), QString());
        QCOMPARE(t.cell(7, 2), u"B"_s);
        QVERIFY(t.setCell(2, 1, u"B"_s));
        QCOMPARE(t.cellId(2, 1), t.cellId(3, 1));
        QVERIFY(!t.setCell(sylvane::core::MaxRows + 1, 1, u"x"_s));
        QVERIFY(!t.setCell(1, 0, u"x"_s));
        QCOMPARE(t.rowCount(), 7);
    }

    // Texts that differ only past a four-unit chunk, in a unit's high byte, by a trailing
    // NUL or by length must get ids of their own, however full the lookup grows, and be
    // found again once the load's lookup is dropped.
    void thePoolLookupTellsNearTextsApartAtEverySize() {
        const QStringList near{u"abcd"_s,      u"abce"_s,       u"abcdabcd"_s, u"abcdabce"_s,
                               u"abcdabcda"_s, u"abcdabcd\0"_s, u"\u0161"_s,   u"\u0061"_s,
                               u"\u6100"_s,    u"a\u0000"_s,    u"ab"_s,       u"ba"_s};
        KeyTable t;
        t.setFieldNames({u"Espece"_s});
        t.reserveRows(sylvane::core::MaxRows);
        std::vector<QString> texts;
        for (const QString& text : near)
            texts.push_back(text);
        for (int i = 0; texts.size() < sylvane::core::MaxRows; ++i)
            texts.push_back(u"Taxon %1"_s.arg(i / 2)); // each text twice, in a row
        for (const QString& text : texts)
            QVERIFY(t.appendRow(t.rowCount() + 1, std::vector<QStringView>{text}));
        t.finishLoad();

        QCOMPARE(t.poolSize(1), 1 + near.size() + (sylvane::core::MaxRows - near.size()) / 2);
        for (int row = 1; row <= t.rowCount(); ++row)
            QCOMPARE(t.cell(row, 1), texts[static_cast<std::size_t>(row - 1)]);
        for (int a = 1; a <= near.size(); ++a)
            for (int b = a + 1; b <= near.size(); ++b)
                QVERIFY(t.cellId(a, 1) != t.cellId(b, 1));
        QCOMPARE(t.cellId(near.size() + 1, 1), t.cellId(near.size() + 2, 1));

        // Written after the load, a known text takes its old id and a new one the next.
        QVERIFY(t.setCell(1, 1, u"Taxon 77"_s));
        QCOMPARE(t.cell(1, 1), u"Taxon 77"_s);
        QCOMPARE(t.cellId(1, 1), t.cellId(near.size() + 155, 1));
        QVERIFY(t.setCell(2, 1, u"abcdabcd\0"_s));
        QCOMPARE(t.cellId(2, 1), t.cellId(6, 1));
        const int before = t.poolSize(1);
        QVERIFY(t.setCell(3, 1, u"Taxon"_s));
        QCOMPARE(t.poolSize(1), before + 1);
        QCOMPARE(t.cell(3, 1), u"Taxon"_s);
    }
};

QTEST_GUILESS_MAIN(TestKeyTable)
#include "tst_keytable.moc"
