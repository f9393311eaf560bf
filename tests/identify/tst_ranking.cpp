// The separating power of the fields on small tables worked by hand, and the order of the
// field list built from it.
#include "identify/faketable.h"
#include "identify/ranking.h"

#include <QTest>

#include <numeric>

using namespace Qt::StringLiterals;
using sylvane::identify::FieldRank;
using sylvane::testing::FakeTable;

Q_DECLARE_METATYPE(FieldRank)

namespace {

std::vector<int> allRows(const FakeTable& table) {
    std::vector<int> rows(static_cast<size_t>(table.rowCount()));
    std::iota(rows.begin(), rows.end(), 1);
    return rows;
}

// The driver's text of field 2's expected count, over the given rows (all when empty).
QString expectedOfField2(const FakeTable& table, bool keepEmpty, std::vector<int> rows = {}) {
    if (rows.empty())
        rows = allRows(table);
    const std::vector<int> fields{2};
    const auto ranks = sylvane::identify::rankFields(table, rows, fields, keepEmpty);
    return sylvane::identify::rankDriverText(ranks.at(0));
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
        QTest::addColumn<bool>("keepEmpty");
        QTest::addColumn<QString>("expected");
        // n_x = n_y = 2: (4 + 4) / 4.
        QTest::newRow("two values split four taxa 2/2") << QList<QStringList>{{u"A"_s, u"x"_s},
                                                                              {u"B"_s, u"x"_s},
                                                                              {u"C"_s, u"y"_s},
                                                                              {u"D"_s, u"y"_s}}
                                                        << false << u"2.00"_s;
        QTest::newRow("one value shared by all goes last")
            << QList<QStringList>{{u"A"_s, u"x"_s}, {u"B"_s, u"x"_s}, {u"C"_s, u"x"_s}} << false
            << u"-"_s;
        QTest::newRow("no value at all goes last")
            << QList<QStringList>{{u"A"_s}, {u"B"_s, QString()}} << true << u"-"_s;
        // A's two rows with x make one taxon: n_x = n_y = 1.
        QTest::newRow("a taxon's rows count once")
            << QList<QStringList>{{u"A"_s, u"x"_s}, {u"A"_s, u"x"_s}, {u"B"_s, u"y"_s}} << false
            << u"1.00"_s;
        // A carries both values: n_x = 2, n_y = 1: (4 + 1) / 3.
        QTest::newRow("a taxon counts for each of its values")
            << QList<QStringList>{{u"A"_s, u"x"_s}, {u"A"_s, u"y"_s}, {u"B"_s, u"x"_s}} << false
            << u"1.67"_s;
        // Names are exact texts: "a" and "A" are two taxa. n_x = 2, n_y = 1.
        QTest::newRow("names merge on the exact text")
            << QList<QStringList>{{u"A"_s, u"x"_s}, {u"a"_s, u"x"_s}, {u"B"_s, u"y"_s}} << false
            << u"1.67"_s;
        // The unnamed rows' value w is not a value: n_x = n_y = 1.
        QTest::newRow("rows without a name are left out") << QList<QStringList>{{QString(), u"w"_s},
                                                                                {QString(), u"w"_s},
                                                                                {u"A"_s, u"x"_s},
                                                                                {u"B"_s, u"y"_s}}
                                                          << false << u"1.00"_s;
        // C is eliminated by both choices: n_x = 1, n_y = 2: (1 + 4) / 3.
        QTest::newRow("an empty cell without keeping: the taxon counts nowhere")
            << QList<QStringList>{{u"A"_s, u"x"_s}, {u"B"_s, u"y"_s}, {u"C"_s}, {u"D"_s, u"y"_s}}
            << false << u"1.67"_s;
        // C is kept by both choices: n_x = 2, n_y = 3: (4 + 9) / 5.
        QTest::newRow("an empty cell kept: the taxon counts in every value")
            << QList<QStringList>{{u"A"_s, u"x"_s}, {u"B"_s, u"y"_s}, {u"C"_s}, {u"D"_s, u"y"_s}}
            << true << u"2.60"_s;
        // A has x in one row and nothing in another: any choice keeps it, once. n_x = 1
        // (A), n_y = 2 (B, A): (1 + 4) / 3. Without keeping, n_x = n_y = 1.
        QTest::newRow("a taxon with a value and an empty row, kept")
            << QList<QStringList>{{u"A"_s, u"x"_s}, {u"A"_s}, {u"B"_s, u"y"_s}} << true
            << u"1.67"_s;
        QTest::newRow("a taxon with a value and an empty row, not kept")
            << QList<QStringList>{{u"A"_s, u"x"_s}, {u"A"_s}, {u"B"_s, u"y"_s}} << false
            << u"1.00"_s;
        // Everyone kept by a single value still cannot be split.
        QTest::newRow("a single value with empty cells kept goes last")
            << QList<QStringList>{{u"A"_s, u"x"_s}, {u"B"_s}, {u"C"_s}} << true << u"-"_s;
    }
    void expected() {
        QFETCH(QList<QStringList>, rows);
        QFETCH(bool, keepEmpty);
        QFETCH(QString, expected);
        QCOMPARE(expectedOfField2(FakeTable(rows), keepEmpty), expected);
    }

    // Only the rows found count: the same table splits differently once rows are gone.
    void onlyFoundRows() {
        const FakeTable table({{u"A"_s, u"x"_s},
                               {u"B"_s, u"x"_s},
                               {u"C"_s, u"y"_s},
                               {u"D"_s, u"z"_s},
                               {u"E"_s, u"z"_s}});
        // n = 2, 1, 2: (4 + 1 + 4) / 5.
        QCOMPARE(expectedOfField2(table, false), u"1.80"_s);
        QCOMPARE(expectedOfField2(table, false, {1, 2, 3}), u"1.67"_s);
        QCOMPARE(expectedOfField2(table, false, {4, 5}), u"-"_s);
    }

    void tallies() {
        const FakeTable table({{u"A"_s, u"x"_s}, {u"B"_s, u"y"_s}, {u"C"_s}, {u"D"_s, u"y"_s}});
        const std::vector<int> fields{2};
        const auto kept = sylvane::identify::tallyFields(table, allRows(table), fields, true);
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
        auto ranks = sylvane::identify::rankFields(table, allRows(table), fields, false);
        QCOMPARE(orderOf(ranks), (QList<int>{4, 3, 5, 2, 6}));
        // Ties and the fields that go last keep the order they were given in.
        const QList<int> reversed{6, 5, 4, 3, 2}; // the field list's item data
        ranks = sylvane::identify::rankFields(table, allRows(table), reversed, false);
        QCOMPARE(orderOf(ranks), (QList<int>{4, 5, 3, 6, 2}));
        // Nothing found: nothing separates, the order stays.
        ranks = sylvane::identify::rankFields(table, std::vector<int>{}, fields, true);
        QCOMPARE(orderOf(ranks), (QList<int>{2, 3, 4, 5, 6}));
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
