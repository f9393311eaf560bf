#include "engine/formtblfixture.h"
#include "engine/userinput.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace sylvane;
using engine::FormTbl;
using engine::ListEntry;

namespace {

// A main window over a small table put straight into the shared state: the field line,
// then one row per record from row 2 on (row 1 stands for the header).
struct Window : testing::FormTblFixture {
    Window(const QString& fields, const QStringList& records,
           core::Edition edition = core::Edition::Current)
        : FormTblFixture(edition) {
        putTable(fields.split(u';'), records);
    }

    std::vector<int> foundRows() const { return form.identification.session().foundRows(); }

    // Lists every row as a found taxon, in row order.
    void listAllTaxa() {
        std::vector<ListEntry> taxa;
        for (int row = 2; row <= state.KeyTable.rowCount(); ++row)
            taxa.push_back({state.KeyTable(row, 1), row});
        form.identification.taxonList.addItems(std::move(taxa));
    }

    QStringList clickTaxon(int position) {
        engine::userClick(form, form.identification.taxonList, position);
        return form.results.resultList.texts();
    }
};

const QStringList cepes{u"Boletus edulis;blanc;brun;;doux"_s, u"Boletus pinophilus;blanc;rouge;;"_s,
                        u"Boletus edulis;blanc;ocre;;doux"_s};

} // namespace

class TestResults : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void sheetShowsEveryFieldWithOrWithoutEmptyOnes() {
        Window w(u"Espece;Pores;Chapeau;Anneau;Odeur;"_s, cepes);
        w.listAllTaxa();
        const QStringList full = w.clickTaxon(2);
        QCOMPARE(full,
                 (QStringList{u"Pores : blanc"_s, u"Chapeau : rouge"_s, u"Anneau : non renseigné"_s,
                              u"Odeur : non renseigné"_s, QString()}));
        QCOMPARE(w.form.results.heading.caption(), u"Boletus pinophilus"_s);
        QCOMPARE(w.form.identification.fieldsTitle.caption(), u" ligne numero  3"_s);

        w.form.identification.hideEmptyFields.setValue(1);
        const QStringList hidden = w.clickTaxon(2);
        QCOMPARE(hidden, (QStringList{u"Pores : blanc"_s, u"Chapeau : rouge"_s, QString(),
                                      QString(), QString()}));
        QVERIFY(!w.form.results.textPanel.visible());

        // An open enlarged view follows the sheet.
        w.form.results.ListResultat_Big();
        w.clickTaxon(0);
        QVERIFY(w.form.results.textPanel.text().startsWith(u"        Boletus edulis\r\n"_s));
    }

    void sheetRefusedWithoutSelectionOrDuringExtraction() {
        Window w(u"Espece;Pores"_s, cepes);
        w.listAllTaxa();
        w.form.results.ListEspeces_Click();
        QCOMPARE(w.platform.log(), QStringList{u"[msgbox Sylvane] erreur index  -> ok"_s});
        QCOMPARE(w.form.identification.fieldsTitle.caption(), u"Champs"_s);

        w.form.identification.extractionShown = true;
        QVERIFY(w.clickTaxon(1).isEmpty());
        QCOMPARE(w.form.results.heading.caption(), u"..."_s);
    }

    void comparisonListsCommonThenDifferingFields() {
        Window w(u"Espece;Pores;Chapeau;Anneau;Odeur"_s, cepes);
        w.listAllTaxa();
        w.form.identification.compare.setValue(1);
        // Common: the non-empty values of the clicked row that every other row carries.
        QCOMPARE(w.clickTaxon(0),
                 (QStringList{u">   critères communs avec  Boletus edulis"_s, u"Pores  =   blanc"_s,
                              QString(), u">   critères différents de  Boletus edulis"_s, QString(),
                              QString(), u"Chapeau  =  ocre"_s, QString(),
                              u"   Espece  =  Boletus pinophilus"_s, u"Chapeau  =  rouge"_s,
                              u"Odeur  =  "_s}));
        QCOMPARE(w.form.results.heading.caption(), u"..."_s);

        // Alone in the list, the clicked taxon shares nothing with anyone.
        w.form.identification.taxonList.clear();
        w.form.identification.taxonList.addItem(u"Boletus edulis"_s, 2);
        QCOMPARE(w.clickTaxon(0),
                 (QStringList{u">   critères communs avec  Boletus edulis"_s, QString(),
                              u">   critères différents de  Boletus edulis"_s, QString()}));
    }

    void comparisonRefusesUserEventsWhileItYields() {
        Window w(u"Espece;Pores"_s, cepes);
        w.listAllTaxa();
        w.form.identification.compare.setValue(1);
        int yields = 0;
        bool accepted = false;
        w.platform.onProcessEvents = [&] {
            ++yields;
            accepted = accepted || engine::userClick(w.form, w.form.identification.taxonList, 1) ||
                       engine::userClick(w.form, w.form.identification.reset);
            w.platform.advanceClock(40);
        };
        w.platform.advanceClock(40);
        w.clickTaxon(0);
        QCOMPARE(yields, 3);
        QVERIFY(!accepted);
        QVERIFY(!w.form.busy());
        QCOMPARE(w.form.identification.taxonList.currentIndex(), 0);
    }

    void copyPutsHeadingAndNonEmptyLines() {
        Window w(u"Espece;Pores;Chapeau;Anneau"_s, cepes);
        w.listAllTaxa();
        w.form.identification.hideEmptyFields.setValue(1);
        w.clickTaxon(0);
        w.platform.clearLog();
        engine::userClick(w.form, w.form.menus.copyResults);
        QCOMPARE(w.platform.clipboard(),
                 u"    Boletus edulis\r\n    ----------\r\nPores : blanc\r\nChapeau : brun\r\n"_s);
        QCOMPARE(w.platform.log().last(), u"[beep]"_s);
        QVERIFY(w.form.results.textPanel.text().isEmpty());
    }

    void enlargedViewAndPopups() {
        Window w(u"Espece"_s, {});
        engine::userKey(w.form, w.form.results.resultList, 17);
        QVERIFY(!w.form.results.textPanel.visible());
        w.form.results.heading.setCaption(u"titre"_s);
        engine::userKey(w.form, w.form.results.resultList, 16);
        QVERIFY(w.form.results.textPanel.visible() && w.form.results.closeTextPanel.visible());
        QCOMPARE(w.form.results.textPanel.text(),
                 u"        titre\r\n        -----------------\r\n"_s);
        // Nothing of the results shows through the panel; all comes back with its closing.
        QVERIFY(!w.form.results.findLookAlikes.visible());
        engine::userClick(w.form, w.form.results.closeTextPanel);
        QVERIFY(!w.form.results.textPanel.visible() && w.form.results.findLookAlikes.visible());
    }

    // The earlier build opens the pop-up menus of the two lists from two entries on; the
    // current one from the first, so that a lone taxon can be asked why it is not found.
    void popupsOpenFromTheirFirstEntries() {
        for (const core::Edition edition : {core::Edition::Earlier, core::Edition::Current}) {
            Window w(u"Espece"_s, {}, edition);
            for (int entries = 0; entries < 3; ++entries) {
                engine::userMouseDown(w.form, w.form.results.resultList, 2);
                engine::userMouseDown(w.form, w.form.identification.taxonList, 2);
                engine::userMouseDown(w.form, w.form.identification.taxonList, 1);
                w.form.results.resultList.addItem(u"x"_s);
                w.form.identification.taxonList.addItem(u"x"_s);
            }
            const QStringList once{u"mnufile"_s, u"PopEspeces"_s};
            QCOMPARE(w.windows.popups, edition == core::Edition::Earlier ? once : once + once);
        }
    }

    void searchWritesPositionsAndCaption() {
        Window w(u"Espece;Chapeau"_s, {});
        w.form.identification.valueList.addItems(
            {{u"brun"_s}, {u"chapeau rouge"_s}, {u"rouge brique"_s}});
        auto& k0 = w.form.keyword.keywords(0);
        auto& k1 = w.form.keyword.keywords(1);
        // An empty first keyword leaves the list as it was, whatever the second says.
        w.form.results.resultList.addItem(u"ancien"_s);
        w.form.keyword.keywords(1).setText(u"brun"_s);
        w.form.keyword.Command3_Click();
        QCOMPARE(w.form.results.resultList.texts(), QStringList{u"ancien"_s});
        QCOMPARE(w.form.results.heading.caption(), u"Résultat recherche :  OU brun"_s);
        QVERIFY(w.form.keyword.panel.visible() && !w.form.results.commentList.visible());

        k0.setText(u"rouge"_s);
        engine::userClick(w.form, w.form.keyword.commands(0));
        QCOMPARE(w.form.results.resultList.texts(),
                 (QStringList{u"0 : brun"_s, u"1 : chapeau rouge"_s, u"2 : rouge brique"_s}));

        engine::userClick(w.form, w.form.keyword.allKeywords);
        k1.setText(u"   "_s);
        engine::userClick(w.form, w.form.keyword.commands(0));
        QVERIFY(w.form.results.resultList.texts().isEmpty());
        QCOMPARE(w.form.results.heading.caption(), u"Résultat recherche : rouge"_s);

        // "Espèces" scans the taxon list and forbids the extraction.
        w.form.identification.taxonList.addItem(u"Lactarius rouge"_s);
        engine::userClick(w.form, w.form.keyword.target(1));
        k1.setText(u"Lactarius"_s);
        engine::userClick(w.form, w.form.keyword.commands(0));
        QCOMPARE(w.form.results.resultList.texts(), QStringList{u"0 : Lactarius rouge"_s});
        QVERIFY(!w.form.keyword.commands(1).enabled());
        engine::userClick(w.form, w.form.keyword.target(0));
        QVERIFY(w.form.keyword.commands(1).enabled() && w.form.keyword.target(1).value() == 0);

        engine::userClick(w.form, w.form.keyword.commands(2));
        QVERIFY(!w.form.keyword.panel.visible() && w.form.results.commentList.visible());
        QVERIFY(w.form.results.heading.caption().isEmpty());
    }

    void extractionTurnsTheListsRound() {
        Window w(u"Espece;Chapeau"_s, {u"x"_s, u"x"_s, u"x"_s, u"Russula alba;blanc"_s, u"x"_s,
                                       u"Russula nigra;brun"_s, u"x"_s, u"Russula alba;blanc"_s});
        w.form.identification.RazListes();
        QVERIFY(engine::userClick(w.form, w.form.identification.fieldList, 0));
        QCOMPARE(w.form.identification.valueList.texts(), (QStringList{u"blanc"_s, u"brun"_s}));
        QCOMPARE(w.form.identification.valueCount.caption(), u"2 choix"_s);
        w.form.keyword.keywords(0).setText(u"blanc"_s);
        engine::userClick(w.form, w.form.keyword.commands(1));
        QCOMPARE(w.form.results.resultList.texts(), QStringList{u"blanc"_s});
        QCOMPARE(w.form.identification.taxonList.texts(), QStringList{u"blanc"_s});
        QCOMPARE(w.form.identification.taxonList.itemData(0), 0);
        QCOMPARE(w.foundRows(), (std::vector<int>{5, 9}));
        QCOMPARE(w.form.identification.valueList.texts(), QStringList{u"Russula alba"_s});
        QCOMPARE(w.form.identification.session().values().rowsText(0), u"5;9"_s);
        QVERIFY(w.form.identification.extractionShown && !w.form.identification.stepBack.enabled());
        QVERIFY(w.form.identification.valueCount.caption().isEmpty());

        // Nothing found: the lists are emptied, the found rows stay as they were.
        w.form.keyword.keywords(0).setText(u"vert"_s);
        engine::userClick(w.form, w.form.keyword.commands(1));
        QVERIFY(w.form.identification.valueList.count() + w.form.identification.taxonList.count() +
                    w.form.results.resultList.count() ==
                0);
        QCOMPARE(w.foundRows(), (std::vector<int>{5, 9}));
    }
};

QTEST_GUILESS_MAIN(TestResults)
#include "tst_results.moc"
