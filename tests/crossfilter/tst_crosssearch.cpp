// The cross search on tables filled in memory: report format, grouping of taxon rows,
// value tests, counting, and the elapsed-time text.
#include "crossfilter/crosssearch.h"
#include "keytable/programstate.h"

#include <QTest>

#include <vector>

using namespace Qt::StringLiterals;
using namespace sylvane;
using crossfilter::FilterMode;
using crossfilter::FilterRecord;
using crossfilter::ValueMatch;

namespace {

// A table whose row r holds the r-th list: the taxon name, then fields 2, 3...
keytable::ProgramState table(const std::vector<QStringList>& rows) {
    keytable::ProgramState state;
    int r = 0;
    for (const QStringList& cells : rows) {
        ++r;
        for (int f = 0; f < cells.size(); ++f)
            state.KeyTable.setCell(r, f + 1, cells[f]);
    }
    return state;
}

FilterRecord filter(const QString& value1, const QString& value2, FilterMode mode,
                    ValueMatch match1 = ValueMatch::Exact, std::optional<int> field1 = 2,
                    std::optional<int> field2 = 3) {
    return {value1, value2, mode, match1, ValueMatch::Exact, field1, field2};
}

crossfilter::CrossSearchReport search(const keytable::ProgramState& state,
                                      const std::vector<FilterRecord>& filters,
                                      bool counting = false, const QString& separator = u";"_s) {
    crossfilter::FilterTable table;
    for (std::size_t i = 0; i < filters.size(); ++i)
        table[i + 1] = filters[i];
    const crossfilter::LinkWordTable words = crossfilter::defaultLinkWords();
    return crossfilter::runCrossSearch(
        {state, table, static_cast<int>(filters.size()), words, separator, counting});
}

const QString header1 = u"espèces ;nb sp /filtres : ;"_s;

} // namespace

class TestCrossSearch : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    // Two filters over taxon A (rows 1-2) and B (rows 3-5): filter 1 passes rows 1 and 4,
    // filter 2 rows 4 and 5.
    void reportOfTwoFilters() {
        const auto state = table({{u"A"_s, u"amer"_s, u"jaune"_s, u"x"_s},
                                  {u"A"_s, u"doux"_s, u"vert"_s, u"x"_s},
                                  {u"B"_s, u"doux"_s, u"vert"_s, u"x"_s},
                                  {u"B"_s, u"amer"_s, u"jaune"_s, u"rouge"_s},
                                  {u"B"_s, u"doux"_s, u"vert"_s, u"rouge"_s}});
        const auto report =
            search(state, {filter(u"amer"_s, u"jaune"_s, FilterMode::Both),
                           filter(u"rouge"_s, {}, FilterMode::Single, ValueMatch::Exact, 4)});
        QCOMPARE(report.text, header1 + u"amer<ET>jaune;rouge ;\r\n"_s +
                                  u"5 éch. 2 Taxons / ss-tot  ;4;2;2;\r\n"_s +
                                  u"A;1;+;;\r\nB;3;+;++;\r\n"_s);
        QCOMPARE(report.lastRow, 5);
        QCOMPARE(report.taxaWritten, 2);

        // Counting lists every taxon with its passes plus its rows; the marks stay.
        const auto counted = search(state, {filter(u"amer"_s, u"jaune"_s, FilterMode::Both)}, true);
        QVERIFY(counted.text.endsWith(u"A;3;+;\r\nB;4;+;\r\n"_s));
    }

    void noFilter() {
        const auto state = table({{u"A"_s}, {u"B"_s}, {u"B"_s}});
        QCOMPARE(search(state, {}).text, header1 + u"\r\n3 éch. 0 Taxons / ss-tot  ;0;\r\n"_s);
        QCOMPARE(search(state, {}, true).text,
                 header1 + u"\r\n3 éch. 2 Taxons / ss-tot  ;0;\r\nA;1;\r\nB;2;\r\n"_s);
    }

    // Consecutive rows whose trimmed names are equal form one group; a taxon whose rows
    // are apart is written for each run; letter case separates taxa.
    void groupingOfRows() {
        const auto state = table({{u"A"_s, u"x"_s},
                                  {u" A "_s, u"x"_s},
                                  {u"B"_s, u"x"_s},
                                  {u"A"_s, u"x"_s},
                                  {u"a"_s, u"x"_s}});
        const auto report = search(state, {filter(u"x"_s, {}, FilterMode::Single)});
        QVERIFY(report.text.endsWith(u"A;2;++;\r\nB;1;+;\r\nA;1;+;\r\na;1;+;\r\n"_s));
        QCOMPARE(report.taxaWritten, 4);
    }

    // Rows without a name before the first named row add to it; a group without a name at
    // the end is written under an empty name.
    void rowsWithoutName() {
        const auto state = table({{{}, u"x"_s}, {{}, {}}, {u"A"_s, u"x"_s}, {{}, u"x"_s}});
        QVERIFY(search(state, {filter(u"x"_s, {}, FilterMode::Single)})
                    .text.endsWith(u"A;2;++;\r\n;1;+;\r\n"_s));
        QVERIFY(search(state, {}, true).text.endsWith(u"A;3;\r\n;1;\r\n"_s));
    }

    void valueTests_data() {
        QTest::addColumn<FilterRecord>("tested");
        QTest::addColumn<QString>("marks"); // one character per row: + passes, - fails
        // Cells of field 2: Amanite, amanite, "Amanite ", Amanita; field 3: oui, non...
        QTest::newRow("exact") << filter(u"Amanite"_s, {}, FilterMode::Single) << u"+---"_s;
        QTest::newRow("containment ignores case")
            << filter(u"ama"_s, {}, FilterMode::Single, ValueMatch::Contains) << u"++++"_s;
        QTest::newRow("exact text is not trimmed")
            << filter(u"Amanite "_s, {}, FilterMode::Single) << u"--+-"_s;
        QTest::newRow("ET") << filter(u"Amanite"_s, u"oui"_s, FilterMode::Both) << u"+---"_s;
        QTest::newRow("OU") << filter(u"Amanite"_s, u"oui"_s, FilterMode::Either) << u"+-+-"_s;
        QTest::newRow("blank value with ET never passes")
            << filter(u"  "_s, u"oui"_s, FilterMode::Both) << u"----"_s;
        QTest::newRow("blank value with OU: the other decides")
            << filter(u"  "_s, u"oui"_s, FilterMode::Either) << u"+-+-"_s;
        QTest::newRow("single value, the first missing")
            << filter({}, u"non"_s, FilterMode::Single) << u"-+-+"_s;
        QTest::newRow("single mode with both values: exactly one passes")
            << filter(u"Amanite"_s, u"oui"_s, FilterMode::Single) << u"--+-"_s;
        QTest::newRow("field 0 holds nothing")
            << filter(u"ama"_s, {}, FilterMode::Single, ValueMatch::Contains, 0) << u"----"_s;
        QTest::newRow("field beyond the table holds nothing")
            << filter(u"ama"_s, {}, FilterMode::Single, ValueMatch::Contains, 99999999)
            << u"----"_s;
    }

    void valueTests() {
        QFETCH(FilterRecord, tested);
        QFETCH(QString, marks);
        const auto state = table({{u"T1"_s, u"Amanite"_s, u"oui"_s},
                                  {u"T2"_s, u"amanite"_s, u"non"_s},
                                  {u"T3"_s, u"Amanite "_s, u"oui"_s},
                                  {u"T4"_s, u"Amanita"_s, u"non"_s}});
        const QString text = search(state, {tested}).text;
        for (int row = 1; row <= 4; ++row) {
            const QString line = u"T%1;1;+;\r\n"_s.arg(row);
            QCOMPARE(text.contains(line), marks[row - 1] == u'+');
        }
    }

    void separatorIsWrittenAsIs() {
        const auto state = table({{u"Bolet, cèpe"_s, u"forêt, lisière"_s}});
        QCOMPARE(search(state, {filter(u"forêt, lisière"_s, {}, FilterMode::Single)}, false, u","_s)
                     .text,
                 u"espèces ,nb sp /filtres : ,forêt, lisière ,\r\n"
                 u"1 éch. 1 Taxons / ss-tot  ,1,1,\r\nBolet, cèpe,1,+,\r\n"_s);
    }

    // A taxon of 30000 rows passing two filters counts 60000 passes.
    void countersAreWide() {
        keytable::ProgramState state;
        for (int row = 1; row <= core::MaxRows; ++row) {
            state.KeyTable.setCell(row, 1, u"A"_s);
            state.KeyTable.setCell(row, 2, u"x"_s);
        }
        const auto report = search(state, {filter(u"x"_s, {}, FilterMode::Single),
                                           filter(u"x"_s, {}, FilterMode::Single)});
        QVERIFY(report.text.contains(u"\r\nA;60000;"_s));
        QVERIFY(report.text.contains(u";60000;30000;30000;\r\n"_s));
    }

    void elapsedTime() {
        const QLocale french(QLocale::French, QLocale::France);
        const QLocale c = QLocale::c();
        QCOMPARE(crossfilter::elapsedTimeText(1239, french), u"1,23 sec"_s);
        QCOMPARE(crossfilter::elapsedTimeText(0, c), u"0 sec"_s);
        QCOMPARE(crossfilter::elapsedTimeText(9, c), u"0 sec"_s);
        QCOMPARE(crossfilter::elapsedTimeText(1234567, c), u"1234.56 sec"_s);
        QCOMPARE(crossfilter::elapsedTimeText(1234567, QLocale(QLocale::English)),
                 u"1234.56 sec"_s);
    }
};

QTEST_GUILESS_MAIN(TestCrossSearch)
#include "tst_crosssearch.moc"
