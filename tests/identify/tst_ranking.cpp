// The separating power of the fields on small tables worked by hand, the fields that name
// the taxa, and the order of the field list built from them.
#include "identify/faketable.h"
#include "identify/identification.h"
#include "identify/namefields.h"
#include "identify/ranking.h"
#include "keytable/smalltable.h"

#include <QTest>

#include <numeric>

using namespace Qt::StringLiterals;
using sylvane::identify::FieldRank;
using sylvane::keytable::KeyTable;
using sylvane::testing::FakeTable;

Q_DECLARE_METATYPE(FieldRank)

namespace {

std::vector<int> allRows(const FakeTable& table) {
    std::vector<int> rows(static_cast<size_t>(table.rowCount()));
    std::iota(rows.begin(), rows.end(), 1);
    return rows;
}

// The driver's text of field 2's expected count, over the given rows (all when empty).
QString expectedOfField2(const FakeTable& table, std::vector<int> rows = {}) {
    if (rows.empty())
        rows = allRows(table);
    const std::vector<int> fields{2};
    const auto ranks = sylvane::identify::rankFields(table, rows, fields);
    return sylvane::identify::rankDriverText(ranks.at(0));
}

// The driver's texts of a session's field list, "field=text", in its order.
QStringList rankTexts(const sylvane::identify::Identification& session) {
    QStringList texts;
    for (const FieldRank& rank : session.fieldRanks())
        texts << u"%1=%2"_s.arg(rank.field).arg(sylvane::identify::rankDriverText(rank));
    return texts;
}

// Ten taxa T0..T9 (T8 on two rows). Field 2 names each taxon; 3 gives all but T9 a value
// of its own (T9 shares T8's second value); 4 leaves T8 and T9 sharing one; 5 describes
// two taxa, each its own way; 6 puts five taxa in each of two genera.
QStringList tenTaxa() {
    QStringList lines;
    for (int t = 0; t < 8; ++t)
        lines << u"T%1;n%1;u%1;h%1;%2;%3"_s.arg(t)
                     .arg(t < 2 ? QString(QChar(u'a' + t)) : QString())
                     .arg(t < 5 ? u"G1"_s : u"G2"_s);
    lines << u"T8;n8;u8;s;;G2"_s << u"T8;n8;s;s;;G2"_s << u"T9;n9;s;s;;G2"_s;
    return lines;
}

QList<int> orderOf(const std::vector<FieldRank>& ranks) {
    QList<int> fields;
    for (const FieldRank& rank : ranks)
        fields << rank.field;
    return fields;
}

} // namespace

class TestRanking : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void expected_data() {
        QTest::addColumn<QList<QStringList>>("rows");
        QTest::addColumn<QString>("expected");
        // n_x = n_y = 2: (4 + 4) / 4.
        QTest::newRow("two values split four taxa 2/2") << QList<QStringList>{{u"A"_s, u"x"_s},
                                                                              {u"B"_s, u"x"_s},
                                                                              {u"C"_s, u"y"_s},
                                                                              {u"D"_s, u"y"_s}}
                                                        << u"2.00"_s;
        QTest::newRow("one value shared by all goes last")
            << QList<QStringList>{{u"A"_s, u"x"_s}, {u"B"_s, u"x"_s}, {u"C"_s, u"x"_s}} << u"-"_s;
        QTest::newRow("no value at all goes last")
            << QList<QStringList>{{u"A"_s}, {u"B"_s, QString()}} << u"-"_s;
        // A's two rows with x make one taxon: n_x = n_y = 1.
        QTest::newRow("a taxon's rows count once")
            << QList<QStringList>{{u"A"_s, u"x"_s}, {u"A"_s, u"x"_s}, {u"B"_s, u"y"_s}}
            << u"1.00"_s;
        // A carries both values: n_x = 2, n_y = 1: (4 + 1) / 3.
        QTest::newRow("a taxon counts for each of its values")
            << QList<QStringList>{{u"A"_s, u"x"_s}, {u"A"_s, u"y"_s}, {u"B"_s, u"x"_s}}
            << u"1.67"_s;
        // Names are exact texts: "a" and "A" are two taxa. n_x = 2, n_y = 1.
        QTest::newRow("names merge on the exact text")
            << QList<QStringList>{{u"A"_s, u"x"_s}, {u"a"_s, u"x"_s}, {u"B"_s, u"y"_s}}
            << u"1.67"_s;
        // The unnamed rows' value w is not a value: n_x = n_y = 1.
        QTest::newRow("rows without a name are left out") << QList<QStringList>{{QString(), u"w"_s},
                                                                                {QString(), u"w"_s},
                                                                                {u"A"_s, u"x"_s},
                                                                                {u"B"_s, u"y"_s}}
                                                          << u"1.00"_s;
        // No choice rules C out: n_x = 2, n_y = 3: (4 + 9) / 5.
        QTest::newRow("a taxon without a value counts in every value")
            << QList<QStringList>{{u"A"_s, u"x"_s}, {u"B"_s, u"y"_s}, {u"C"_s}, {u"D"_s, u"y"_s}}
            << u"2.60"_s;
        // A has x in one row and nothing in another: any choice keeps it, once. n_x = 1
        // (A), n_y = 2 (B, A): (1 + 4) / 3.
        QTest::newRow("a taxon with a value and an empty row")
            << QList<QStringList>{{u"A"_s, u"x"_s}, {u"A"_s}, {u"B"_s, u"y"_s}} << u"1.67"_s;
        // Everyone kept by a single value still cannot be split.
        QTest::newRow("a single value with empty cells goes last")
            << QList<QStringList>{{u"A"_s, u"x"_s}, {u"B"_s}, {u"C"_s}} << u"-"_s;
    }
    void expected() {
        QFETCH(QList<QStringList>, rows);
        QFETCH(QString, expected);
        QCOMPARE(expectedOfField2(FakeTable(rows)), expected);
    }

    // Only the rows found count: the same table splits differently once rows are gone.
    void onlyFoundRows() {
        const FakeTable table({{u"A"_s, u"x"_s},
                               {u"B"_s, u"x"_s},
                               {u"C"_s, u"y"_s},
                               {u"D"_s, u"z"_s},
                               {u"E"_s, u"z"_s}});
        // n = 2, 1, 2: (4 + 1 + 4) / 5.
        QCOMPARE(expectedOfField2(table), u"1.80"_s);
        QCOMPARE(expectedOfField2(table, {1, 2, 3}), u"1.67"_s);
        QCOMPARE(expectedOfField2(table, {4, 5}), u"-"_s);
    }

    void tallies() {
        const FakeTable table({{u"A"_s, u"x"_s}, {u"B"_s, u"y"_s}, {u"C"_s}, {u"D"_s, u"y"_s}});
        const std::vector<int> fields{2};
        const auto kept = sylvane::identify::tallyFields(table, allRows(table), fields);
        QCOMPARE(kept.at(0).field, 2);
        QCOMPARE(kept.at(0).valueCount, 2);
        QCOMPARE(kept.at(0).taxaSum, 5);
        QCOMPARE(kept.at(0).squaresSum, 13);
    }

    void order() {
        // Field 2: one value (last). 3: E = 2. 4: E = 1. 5: E = 2. 6: empty (last).
        const FakeTable table({{u"A"_s, u"x"_s, u"p"_s, u"1"_s, u"k"_s},
                               {u"B"_s, u"x"_s, u"p"_s, u"2"_s, u"k"_s},
                               {u"C"_s, u"x"_s, u"q"_s, u"3"_s, u"m"_s},
                               {u"D"_s, u"x"_s, u"q"_s, u"4"_s, u"m"_s, QString()}});
        const std::vector<int> fields{2, 3, 4, 5, 6};
        auto ranks = sylvane::identify::rankFields(table, allRows(table), fields);
        QCOMPARE(orderOf(ranks), (QList<int>{4, 3, 5, 2, 6}));
        // Ties and the fields that go last keep the order they were given in.
        const QList<int> reversed{6, 5, 4, 3, 2}; // the field list's item data
        ranks = sylvane::identify::rankFields(table, allRows(table), reversed);
        QCOMPARE(orderOf(ranks), (QList<int>{4, 5, 3, 6, 2}));
        // Nothing found: nothing separates, the order stays.
        ranks = sylvane::identify::rankFields(table, std::vector<int>{}, fields);
        QCOMPARE(orderOf(ranks), (QList<int>{2, 3, 4, 5, 6}));
    }

    // The values are counted as the value list shows them: with the accents folded, rosé
    // and rose are one value.
    void accentsFoldedAsTheValueList() {
        const KeyTable table = sylvane::keytable::smallTable(
            {u"Espèce"_s, u"Chapeau"_s}, {u"A;rosé"_s, u"B;rose"_s, u"C;blanc"_s, u"D;Rosé"_s});
        sylvane::identify::Identification session(table);
        // Four values, one taxon each: 4 / 4. Folded: rose {A, B}, blanc, Rose (the case
        // stays): (4 + 1 + 1) / 4.
        session.setFieldOrder(true, false);
        QCOMPARE(rankTexts(session), QStringList{u"2=1.00"_s});
        session.setFieldOrder(true, true);
        QCOMPARE(rankTexts(session), QStringList{u"2=1.50"_s});
    }

    // A field is a name field when 90 % of the taxa it describes carry a value of their
    // own, in a table of at least 10 named taxa.
    void nameFields() {
        const QStringList names{u"Espèce"_s, u"nom"_s, u"neuf"_s, u"huit"_s, u"rare"_s, u"genre"_s};
        const KeyTable table = sylvane::keytable::smallTable(names, tenTaxa());
        const sylvane::identify::NameFields ten(table);
        QList<int> found;
        for (int field = 1; field <= 6; ++field)
            if (ten.contains(field))
                found << field;
        // nom 10/10, neuf 9/10 (T9's only value is T8's too), rare 2/2; huit 8/10 and
        // genre 0/10 are not.
        QCOMPARE(found, (QList<int>{2, 3, 5}));

        // Nine named taxa: too few to tell names apart from descriptions.
        QStringList nine = tenTaxa();
        nine.removeLast();
        const sylvane::identify::NameFields fewer(sylvane::keytable::smallTable(names, nine));
        for (int field = 1; field <= 6; ++field)
            QVERIFY(!fewer.contains(field));

        // The name fields go after the fields that separate, in field order, before those
        // that do not separate. huit: 8 taxa alone, s kept by T8 and T9: (8 + 4) / 10; genre:
        // (25 + 25) / 10.
        sylvane::identify::Identification session(table);
        session.setFieldOrder(true, false);
        QCOMPARE(rankTexts(session),
                 (QStringList{u"4=1.20"_s, u"6=5.00"_s, u"2=nom"_s, u"3=nom"_s, u"5=nom"_s}));
        // Once one taxon is left, nothing separates; the name fields stay named.
        QVERIFY(session.chooseField(0, false));
        QVERIFY(session.chooseValue(0)); // h0
        QCOMPARE(rankTexts(session), (QStringList{u"2=nom"_s, u"3=nom"_s, u"5=nom"_s, u"6=-"_s}));
    }

    void texts_data() {
        QTest::addColumn<FieldRank>("rank");
        QTest::addColumn<QString>("listText");
        QTest::addColumn<QString>("driverText");
        QTest::newRow("thirteen thirds") << FieldRank{7, true, 13.0 / 3} << u"≈ 4,3"_s << u"4.33"_s;
        QTest::newRow("whole") << FieldRank{7, true, 2.0} << u"≈ 2,0"_s << u"2.00"_s;
        QTest::newRow("many taxa")
            << FieldRank{7, true, 12345.678} << u"≈ 12345,7"_s << u"12345.68"_s;
        QTest::newRow("goes last") << FieldRank{7, false, 0.0} << QString() << u"-"_s;
        QTest::newRow("names the taxa") << FieldRank{7, true, 1.0, true} << u"nom"_s << u"nom"_s;
    }
    void texts() {
        QFETCH(FieldRank, rank);
        QFETCH(QString, listText);
        QFETCH(QString, driverText);
        QCOMPARE(sylvane::identify::rankListText(rank), listText);
        QCOMPARE(sylvane::identify::rankDriverText(rank), driverText);
    }
};

QTEST_GUILESS_MAIN(TestRanking)
#include "tst_ranking.moc"
