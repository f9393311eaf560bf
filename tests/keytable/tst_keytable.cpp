// The typed table: value pools, out-of-range reads, the row limit, rows appended after the
// load.
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
};

QTEST_GUILESS_MAIN(TestKeyTable)
#include "tst_keytable.moc"
