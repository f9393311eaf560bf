// The queries over the typed table: value lists in list order, taxa found, keyword
// search and its matching rule, the taxon sheet and the comparison.
#include "identify/queries.h"
#include "identify/rowgroups.h"
#include "keytable/smalltable.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace sylvane::identify;
using sylvane::keytable::KeyTable;
using sylvane::keytable::smallTable;

namespace {

QStringList groupTexts(const RowGroups& groups) {
    return QStringList(groups.texts().begin(), groups.texts().end());
}

QList<int> groupRows(const RowGroups& groups, int group) {
    const auto rows = groups.rows(group);
    return QList<int>(rows.begin(), rows.end());
}

} // namespace

class TestQueries : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void valueListsAreSortedAsTheListBoxSortsThem() {
        const KeyTable t = smallTable({u"Espece"_s, u"Couleur"_s},
                                      {u"A;été"_s, u"B;Ete"_s, u"C;ocre"_s, u"D;ete"_s, u"E;"_s,
                                       u"F;Été"_s, u"G;ete"_s, u"H;abricot"_s});
        const std::vector<int> all{2, 3, 4, 5, 6, 7, 8, 9};
        const RowGroups values(t, all, 2, false, RowGroups::Empty::Dropped);
        // Case and accents ignored first, then the exact texts: "Ete" < "ete" < "Été" < "été".
        QCOMPARE(groupTexts(values),
                 (QStringList{u"abricot"_s, u"Ete"_s, u"ete"_s, u"Été"_s, u"été"_s, u"ocre"_s}));
        QCOMPARE(groupRows(values, 2), (QList<int>{5, 8}));
        QCOMPARE(values.firstRow(2), 5);
        QCOMPARE(values.rowsText(2), u"5;8"_s);
        QCOMPARE(values.key(1), u"ete"_s);

        // Only lower-case accents fold: "été" joins "ete", "Été" shows as "Éte".
        const RowGroups folded(t, all, 2, true, RowGroups::Empty::Dropped);
        QCOMPARE(groupTexts(folded),
                 (QStringList{u"abricot"_s, u"Ete"_s, u"ete"_s, u"Éte"_s, u"ocre"_s}));
        QCOMPARE(groupRows(folded, 2), (QList<int>{2, 5, 8}));

        // The rows keep the order they are given in; the empty text only when asked.
        const std::vector<int> some{8, 6, 2};
        const RowGroups kept(t, some, 2, false, RowGroups::Empty::Kept);
        QCOMPARE(groupTexts(kept), (QStringList{QString(), u"ete"_s, u"été"_s}));
        QCOMPARE(groupRows(kept, 0), QList<int>{6});
        QCOMPARE(groupRows(kept, 5), QList<int>{});
        QCOMPARE(kept.text(-1), QString());
    }

    void taxaFoundKeepEveryRowUnderItsName() {
        const KeyTable t = smallTable({u"Espece"_s, u"Couleur"_s},
                                      {u"Russula;x"_s, u"amanita;x"_s, u";x"_s, u"Russula;y"_s});
        const std::vector<int> rows{5, 3, 2, 4};
        const RowGroups taxa = taxaFound(t, rows);
        QCOMPARE(groupTexts(taxa), (QStringList{QString(), u"amanita"_s, u"Russula"_s}));
        QCOMPARE(groupRows(taxa, 2), (QList<int>{5, 2}));
    }

    void keywordSearchNumbersTheTextsThatMatch() {
        const QStringList found =
            keywordSearch({u"brun"_s, u"ocre"_s, u"Brunâtre"_s}, KeywordMatcher(u"brun"_s, {}, {}));
        QCOMPARE(found, (QStringList{u"0 : brun"_s, u"2 : Brunâtre"_s}));
    }

    void matcherFoldsLowerCaseAccentsOnly() {
        const KeywordMatcher::Options both{.foldAccents = true, .ignoreCase = true};
        const KeywordMatcher::Options accentsOnly{.foldAccents = true, .ignoreCase = false};
        QVERIFY(KeywordMatcher(u"ecaille"_s, {}, both).matches(u"écailles"_s));
        QVERIFY(KeywordMatcher(u"écaille"_s, {}, both).matches(u"ECAILLE"_s));
        QVERIFY(!KeywordMatcher(u"écaille"_s, {}, accentsOnly).matches(u"ECAILLE"_s));
        QVERIFY(!KeywordMatcher(u"ecaille"_s, {}, both).matches(u"Écaille"_s));
        QVERIFY(!KeywordMatcher(u"ecaille"_s, {}, {.foldAccents = false}).matches(u"écaille"_s));
        QVERIFY(!KeywordMatcher(u"Rouge"_s, {}, accentsOnly).matches(u"rouge"_s));
        QVERIFY(KeywordMatcher(u"Rouge"_s, {}, both).matches(u"rouge"_s));

        const KeywordMatcher::Options et{.bothRequired = true};
        QVERIFY(KeywordMatcher(u"x"_s, u"brun"_s, both).matches(u"chapeau brun"_s));
        QVERIFY(!KeywordMatcher(u"chapeau"_s, {}, et).matches(u"chapeau brun"_s));
        QVERIFY(KeywordMatcher(u"chapeau"_s, u"brun"_s, et).matches(u"chapeau brun"_s));
        QVERIFY(!KeywordMatcher(u"chapeau"_s, u"rouge"_s, et).matches(u"chapeau brun"_s));
        // Blanks are keywords too.
        QVERIFY(KeywordMatcher(u"x"_s, u"  "_s, both).matches(u"a  b"_s));
        QVERIFY(!KeywordMatcher(u"x"_s, u"  "_s, both).matches(u"a b"_s));
    }

    void sheetLinesFollowTheOptions() {
        const KeyTable t = smallTable({u"Espece"_s, u"Chapeau"_s, u"Odeur"_s, QString()},
                                      {u"A;brun;;x"_s, u"B;;;"_s});
        QCOMPARE(sheetLines(t, 2, {}),
                 (QStringList{u"Chapeau : brun"_s, u"Odeur : non renseigné"_s, u" : x"_s}));
        QCOMPARE(sheetLines(t, 3, {.hideEmpty = true}),
                 (QStringList{QString(), QString(), QString()}));
        QCOMPARE(sheetLines(t, 3, {.hideEmpty = false, .dropEmptyLines = true}),
                 (QStringList{u"Chapeau : non renseigné"_s, u"Odeur : non renseigné"_s}));
    }

    void comparisonListsCommonThenDifferingFields() {
        const KeyTable t = smallTable({u"Espece"_s, u"Chapeau"_s, u"Odeur"_s, u"Pied"_s},
                                      {u"A;brun;anis;"_s, u"B;brun;;blanc"_s, u"C;brun;anis;"_s});
        const std::vector<int> rows{2, 3, 4};
        QCOMPARE(commonFields(t, 2, rows), std::vector<int>{2});
        QCOMPARE(commonFields(t, 2, std::vector<int>{2}), std::vector<int>{});
        const QStringList lines = comparisonLines(t, 2, rows);
        QCOMPARE(lines, (QStringList{u">   critères communs avec  A"_s, u"Chapeau  =   brun"_s,
                                     QString(), u">   critères différents de  A"_s, QString(),
                                     QString(), u"   Espece  =  B"_s, u"Odeur  =  "_s,
                                     u"Pied  =  blanc"_s, QString(), u"   Espece  =  C"_s}));
        int yields = 0;
        comparisonLines(t, 2, rows, [&] { ++yields; });
        QCOMPARE(yields, 3);
    }
};

QTEST_GUILESS_MAIN(TestQueries)
#include "tst_queries.moc"
