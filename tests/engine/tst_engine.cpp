// The engine's behaviour where a transcript would be clumsy: events arriving during the
// "liste" listing, replays of records that no longer fit the lists, and out-of-range
// positions.
#include "core/textfile.h"
#include "crossfilter/formcrx.h"
#include "engine/formtblfixture.h"
#include "engine/userinput.h"

#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace sylvane;

namespace {

// A window over a small table loaded from a temporary file: rows 2..6 hold the data.
struct Fixture : testing::FormTblFixture {
    QTemporaryDir dir;

    explicit Fixture(const QStringList& dataLines) {
        const QString path = dir.filePath(u"table.txt"_s);
        QVERIFY(
            core::writeTextFile(path, QStringList{u"CHAMP=Espece;Chapeau;Odeur"_s} + dataLines));
        load(path);
    }

    QList<int> foundRows() const {
        const std::vector<int>& rows = form.identification.session().foundRows();
        return QList<int>(rows.begin(), rows.end());
    }
    QString choicePath() const { return form.identification.session().choicePathText(); }
};

const QStringList table = {u"Amanita muscaria;rouge;nulle"_s, u"Russula emetica;rouge;fruitée"_s,
                           u"Boletus edulis;brun;agréable"_s, u"Lactarius sp;orange;fruitee"_s,
                           u"Hygrocybe sp;jaune;"_s};

} // namespace

class TestEngine : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void listingRefusesUserEventsUntilItEnds() {
        Fixture f(table);
        QList<bool> accepted;
        QStringList counters;
        f.platform.advanceClock(1000);
        f.platform.onProcessEvents = [&] {
            f.platform.advanceClock(50);
            counters.append(f.form.identification.taxaTitle.caption());
            accepted.append(engine::userClick(f.form, f.form.identification.reset));
            accepted.append(engine::userClick(f.form, f.form.identification.fieldList, 0));
        };
        QVERIFY(engine::userClick(f.form, f.form.identification.listTaxa));
        f.platform.onProcessEvents = nullptr;

        QVERIFY(!accepted.isEmpty());
        QVERIFY(!accepted.contains(true));
        // The event queue ran while the rows were listed, the counter showing progress.
        QVERIFY(counters.size() >= 5);
        QCOMPARE(counters.first(), u"1"_s);
        QCOMPARE(f.form.identification.taxonList.count(), 5);
        QCOMPARE(f.form.identification.taxonList.itemText(0), u"Amanita muscaria 2"_s);
        QCOMPARE(f.form.identification.valueList.count(), 0);
        // Once it has ended, the window takes events again.
        QVERIFY(engine::userClick(f.form, f.form.identification.fieldList, 0));
        QCOMPARE(f.form.identification.valueList.count(), 4);
    }

    // While one window runs a long operation, every window of the program refuses the
    // user: clicks, closing and activation alike.
    void everyWindowRefusesTheUserWhileOneIsBusy() {
        Fixture f(table);
        crossfilter::FormCrx crx(f.state, f.platform);
        crx.Form_Load();
        crx.setVisible(true);
        QList<bool> accepted;
        f.platform.onProcessEvents = [&] {
            f.platform.advanceClock(50);
            accepted << engine::userClick(crx, crx.fieldList, 0)
                     << engine::userClick(crx, crx.clearFilters) << engine::userClose(crx)
                     << engine::userActivate(crx) << engine::userClose(f.form)
                     << engine::userActivate(f.form);
        };
        f.platform.advanceClock(1000);
        QVERIFY(engine::userClick(f.form, f.form.identification.listTaxa));
        QVERIFY(!accepted.isEmpty());
        QVERIFY(!accepted.contains(true));
        QVERIFY(crx.visible() && f.form.visible());
        QVERIFY(f.platform.log().filter(u"[msgbox"_s).isEmpty());

        // The cross-filter window's "valider" lets the event queue run: the main window
        // refuses the user meanwhile.
        accepted.clear();
        f.platform.onProcessEvents = [&] {
            accepted << engine::userClick(f.form, f.form.identification.reset)
                     << engine::userClose(f.form) << engine::userActivate(f.form);
        };
        crx.valueBoxes(0).setText(u"rouge"_s);
        QVERIFY(engine::userClick(crx, crx.validate));
        QCOMPARE(crx.FilterCount, 1);
        QVERIFY(!accepted.isEmpty());
        QVERIFY(!accepted.contains(true));
        QVERIFY(engine::userActivate(f.form));
    }

    void replayOfPositionsBeyondTheListsAppliesNothing() {
        Fixture f(table);
        auto& panel = f.form.identification;
        // Odeur unfolded: agréable, fruitee, fruitée, nulle; "nulle" is row 2.
        QVERIFY(engine::userClick(f.form, panel.fieldList, 1));
        QVERIFY(engine::userClick(f.form, panel.valueList, 3));
        QVERIFY(engine::userClick(f.form, panel.fieldList, 0));
        QVERIFY(engine::userClick(f.form, panel.valueList, 0));
        QCOMPARE(f.choicePath(), u"C1;D3;C0;"_s);
        // Replayed with the accents folded, Odeur has three values: position 3 applies
        // nothing, and nothing stale may become found; the replay goes on.
        panel.ignoreAccents.setValue(1);
        QVERIFY(engine::userClick(f.form, panel.stepBack));
        QCOMPARE(f.foundRows(), (QList<int>{1, 2, 3, 4, 5, 6}));
        QCOMPARE(panel.taxonList.count(), 0);
        QCOMPARE(panel.session().usedFieldsText(), QString());
        // The field replayed last is listed (Chapeau: brun, jaune, orange, rouge); the value
        // that could not be applied leaves no step.
        QCOMPARE(panel.valueList.count(), 4);
        QCOMPARE(f.choicePath(), QString());
    }

    void accentOptionChangedBeforeStepBackSelectsAnotherValue() {
        Fixture f(table);
        f.form.identification.ignoreAccents.setValue(1);
        QVERIFY(engine::userClick(f.form, f.form.identification.fieldList, 1));
        // Folded: agreable, fruitee (rows 3, 5), nulle.
        QCOMPARE(f.form.identification.valueList.itemText(1), u"fruitee"_s);
        QVERIFY(engine::userClick(f.form, f.form.identification.valueList, 1));
        QVERIFY(engine::userClick(f.form, f.form.identification.fieldList, 0));
        QCOMPARE(f.choicePath(), u"C1;D1;"_s);
        f.form.identification.ignoreAccents.setValue(0);
        QVERIFY(engine::userClick(f.form, f.form.identification.stepBack));
        // Unfolded the list is agréable, fruitee, fruitée, nulle: position 1 is row 5.
        QCOMPARE(f.foundRows(), (QList<int>{5}));
        QCOMPARE(f.form.identification.taxonList.itemText(0), u"Lactarius sp"_s);
    }

    void taxaListedAsOneByOneSortedInsertionWould() {
        Fixture f({u"rosé;a;"_s, u"Rouge;a;"_s, u"rose;a;"_s, u"rouge;a;"_s, u"Rouge;b;"_s,
                   u"écailleux;a;"_s, u"rosé;a;"_s, u"brun;a;"_s, u";a;"_s, u"Rose;a;"_s,
                   u"rouge;a;"_s, u"ecailleux;a;"_s});
        auto& panel = f.form.identification;
        f.form.identification.multipleChoice.setValue(1);
        QVERIFY(engine::userClick(f.form, panel.fieldList, 0));
        QVERIFY(engine::userClick(f.form, panel.selectAll));
        engine::ListBox oneByOne(u"a"_s, true);
        for (const int row : panel.session().foundRows())
            oneByOne.addItem(f.state.KeyTable(row, 1), row);
        QCOMPARE(panel.taxonList.count(), oneByOne.count());
        for (int i = 0; i < oneByOne.count(); ++i) {
            QCOMPARE(panel.taxonList.itemText(i), oneByOne.itemText(i));
            QCOMPARE(panel.taxonList.itemData(i), oneByOne.itemData(i));
            QCOMPARE(panel.taxonList.entries()[i].key, oneByOne.entries()[i].key);
        }
    }

    void allSelectedUnionListsEachRowOnce() {
        Fixture f(table);
        f.form.identification.multipleChoice.setValue(1);
        QVERIFY(engine::userClick(f.form, f.form.identification.fieldList, 0));
        QVERIFY(engine::userClick(f.form, f.form.identification.selectAll));
        QCOMPARE(f.foundRows().size(), 5);
        QList<int> rows = f.foundRows();
        std::sort(rows.begin(), rows.end());
        QCOMPARE(rows, (QList<int>{2, 3, 4, 5, 6}));
        QCOMPARE(f.form.identification.foundCount.caption(), u"5"_s);
        QVERIFY(!f.form.identification.stepBack.enabled());
        // Unticked: no value marked, the taxa found stay.
        QVERIFY(engine::userClick(f.form, f.form.identification.selectAll));
        QCOMPARE(f.form.identification.valueList.markedCount(), 0);
        QCOMPARE(f.foundRows().size(), 5);
    }
};

QTEST_GUILESS_MAIN(TestEngine)
#include "tst_engine.moc"
