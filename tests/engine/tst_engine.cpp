// The engine's behaviour where a transcript would be clumsy: events arriving during the
// "liste" listing, replays of records that no longer fit the lists, and out-of-range
// positions.
#include "core/recordingplatform.h"
#include "core/textfile.h"
#include "engine/formtbl.h"
#include "engine/listorder.h"
#include "engine/userinput.h"

#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace sylvane;

namespace {

// A window over a small table loaded from a temporary file: rows 2..6 hold the data.
struct Fixture {
    QTemporaryDir dir;
    keytable::ProgramState state;
    core::RecordingPlatform platform;
    engine::FormTbl form{state, platform};

    explicit Fixture(const QStringList& dataLines) {
        const QString path = dir.filePath(u"table.txt"_s);
        QVERIFY(
            core::writeTextFile(path, QStringList{u"CHAMP=Espece;Chapeau;Odeur"_s} + dataLines));
        state.CurrentFile = path;
        form.execute();
    }

    QList<int> foundRows() const {
        QList<int> rows;
        for (int i = 1; i <= state.foundCount(); ++i)
            rows.append(static_cast<int>(state.FoundRows[i]));
        return rows;
    }
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

    void replayOfPositionsBeyondTheListsAppliesNothing() {
        Fixture f(table);
        // A record made with the accent option ticked, replayed without it, and one whose
        // value position lies beyond the list: nothing stale may become found.
        f.state.ChoicePath = u"C1;D7;C0;"_s;
        f.state.ChoiceSteps = 3;
        f.form.identification.Command5_Click();
        QCOMPARE(f.state.foundCount(), 6);
        QCOMPARE(f.foundRows(), (QList<int>{1, 2, 3, 4, 5, 6}));
        QCOMPARE(f.form.identification.taxonList.count(), 0);
        QCOMPARE(f.state.UsedFields, QString());
        // The last field is listed (Chapeau: brun, jaune, orange, rouge); the value that
        // could not be applied leaves no token.
        QCOMPARE(f.form.identification.valueList.count(), 4);
        QCOMPARE(f.state.ChoicePath, QString());
        QCOMPARE(f.state.ChoiceSteps, 0.0);

        // A field position beyond the field list: the replay goes on with the next token.
        f.state.ChoicePath = u"C9;C0;D3;C0;"_s;
        f.state.ChoiceSteps = 4;
        f.form.identification.Command5_Click();
        QCOMPARE(f.foundRows(), (QList<int>{2, 3}));
        QCOMPARE(f.state.ChoicePath, u"C0;D3;"_s);
    }

    void accentOptionChangedBeforeStepBackSelectsAnotherValue() {
        Fixture f(table);
        f.form.identification.ignoreAccents.setValue(1);
        QVERIFY(engine::userClick(f.form, f.form.identification.fieldList, 1));
        // Folded: agreable, fruitee (rows 3, 5), nulle.
        QCOMPARE(f.form.identification.valueList.itemText(1), u"fruitee"_s);
        QVERIFY(engine::userClick(f.form, f.form.identification.valueList, 1));
        QVERIFY(engine::userClick(f.form, f.form.identification.fieldList, 0));
        QCOMPARE(f.state.ChoicePath, u"C1;D1;"_s);
        f.form.identification.ignoreAccents.setValue(0);
        QVERIFY(engine::userClick(f.form, f.form.identification.stepBack));
        // Unfolded the list is agréable, fruitee, fruitée, nulle: position 1 is row 5.
        QCOMPARE(f.foundRows(), (QList<int>{5}));
        QCOMPARE(f.form.identification.taxonList.itemText(0), u"Lactarius sp"_s);
    }

    void stepBackWithCorruptCountEnds() {
        Fixture f(table);
        f.state.ChoicePath = u"C0;"_s;
        f.state.ChoiceSteps = -3;
        f.form.identification.MarcheArriere();
        QCOMPARE(f.state.ChoicePath, QString());
        f.state.ChoicePath = u"C0"_s; // a last token without its ";"
        f.state.ChoiceSteps = 5;
        f.form.identification.MarcheArriere();
        QCOMPARE(f.form.identification.valueList.count(), 4);
        QCOMPARE(f.state.ChoiceSteps, 0.0);
    }

    void lineEditorIgnoresPositionsPastTheFields() {
        Fixture f(table);
        std::vector<engine::ListEntry> many(80, engine::ListEntry(u"x"_s));
        f.form.results.resultList.addItems(std::move(many));
        f.form.results.resultList.setCurrentIndex(70);
        f.form.identification.valueEditor.setText(u"valeur"_s);
        f.form.identification.Command11_Click();
        QCOMPARE(f.form.results.resultList.count(), 3);
        QCOMPARE(f.form.results.resultList.itemText(1), u"Chapeau : "_s);
    }

    void listOrderEqualsOneByOneSortedInsertion() {
        const QStringList texts = {u"rosé"_s,  u"Rouge"_s,     u"rose"_s,  u"rouge"_s,
                                   u"Rouge"_s, u"écailleux"_s, u"rosé"_s,  u"brun"_s,
                                   u""_s,      u"Rose"_s,      u"rouge"_s, u"ecailleux"_s};
        engine::ListBox oneByOne(u"a"_s, true);
        engine::ListOrder order(0);
        for (int i = 0; i < texts.size(); ++i) {
            oneByOne.addItem(texts[i], i);
            order.add(texts[i], i);
        }
        const std::vector<engine::ListEntry> got = order.take();
        QCOMPARE(got.size(), oneByOne.entries().size());
        for (size_t i = 0; i < got.size(); ++i) {
            QCOMPARE(got[i].text, oneByOne.entries()[i].text);
            QCOMPARE(got[i].itemData, oneByOne.entries()[i].itemData);
            QCOMPARE(got[i].key, oneByOne.entries()[i].key);
        }
    }

    void allSelectedUnionListsEachRowOnce() {
        Fixture f(table);
        f.form.identification.multipleChoice.setValue(1);
        QVERIFY(engine::userClick(f.form, f.form.identification.fieldList, 0));
        QVERIFY(engine::userClick(f.form, f.form.identification.selectAll));
        QCOMPARE(f.state.foundCount(), 5);
        QList<int> rows = f.foundRows();
        std::sort(rows.begin(), rows.end());
        QCOMPARE(rows, (QList<int>{2, 3, 4, 5, 6}));
        QCOMPARE(f.form.identification.foundCount.caption(), u"5"_s);
        QVERIFY(!f.form.identification.stepBack.enabled());
        // Unticked: no value marked, the taxa found stay.
        QVERIFY(engine::userClick(f.form, f.form.identification.selectAll));
        QCOMPARE(f.form.identification.valueList.markedCount(), 0);
        QCOMPARE(f.state.foundCount(), 5);
    }
};

QTEST_GUILESS_MAIN(TestEngine)
#include "tst_engine.moc"
