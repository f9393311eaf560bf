// The cross-filter window's value list against the pairwise construction, the shared state
// it reads but never writes, and its unloading by the main window while one of its
// handlers runs.
#include "core/recordingplatform.h"
#include "crossfilter/crossfilterhost.h"
#include "crossfilter/formcrx.h"

#include <QRandomGenerator>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace sylvane;

class TestFormCrx : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    // Adding each cell that equals no listed entry, one by one, gives the same list as the
    // window's hash set and single sort: same texts, same order, empty cells included.
    void valueListEqualsPairwiseAdding() {
        keytable::ProgramState state;
        core::RecordingPlatform platform;
        const QStringList pool = {u"rouge"_s, u"Rouge"_s, u"rouge "_s, u" rouge"_s, u""_s,
                                  u"été"_s,   u"Été"_s,   u"ete"_s,    u"b"_s,      u"B"_s,
                                  u"œil"_s,   u"a b"_s,   u"a  b"_s,   u"10"_s,     u"9"_s};
        QRandomGenerator random(7);
        const int rows = 3000;
        for (int row = 1; row <= rows; ++row) {
            const QString cell = random.bounded(4) == 0
                                     ? u"v%1"_s.arg(random.bounded(500))
                                     : pool[random.bounded(static_cast<int>(pool.size()))];
            state.KeyTable.setCell(row, 3, cell);
        }
        state.KeyTable.setFieldNames({QString(), QString(), u"Couleur"_s});

        engine::ListBox pairwise(u"pairwise"_s, true);
        for (int row = 1; row <= rows; ++row) {
            const QString& cell = state.KeyTable(row, 3);
            bool listed = false;
            for (int i = 0; i < pairwise.count() && !listed; ++i)
                listed = pairwise.itemText(i) == cell;
            if (!listed)
                pairwise.addItem(cell);
        }

        crossfilter::FormCrx window(state, platform);
        window.Form_Load();
        QCOMPARE(window.fieldList.count(), 3);
        window.valueList.addItem(u"left over"_s);
        window.fieldList.setCurrentIndex(2);
        window.ListeChamps_Click();
        QCOMPARE(window.CurrentField, 3);
        QCOMPARE(window.valueList.texts(), pairwise.texts());
        QCOMPARE(platform.log(), (QStringList{u"[cursor] busy"_s, u"[cursor] arrow"_s}));

        // Another field replaces the list.
        window.fieldList.setCurrentIndex(0);
        window.ListeChamps_Click();
        QCOMPARE(window.valueList.texts(), QStringList{QString()});
    }

    // The window reads the shared table but keeps its counts to itself: a load, an
    // activation, a value list, a validated filter, a search and a count leave the
    // table's shape as the loader left it.
    void sharedCountsStayAsTheLoaderLeftThem() {
        keytable::ProgramState state;
        core::RecordingPlatform platform;
        state.KeyTable.setFieldNames({u"Espece"_s, u"Saveur"_s, u"Couleur"_s});
        state.KeyTable.appendRow(1, QStringView(u"A;amer;jaune").split(u';'));
        state.KeyTable.appendRow(2, QStringView(u"B;doux;rouge").split(u';'));
        state.KeyTable.appendRow(3, QStringView(u"A;doux;jaune").split(u';'));
        state.KeyTable.finishLoad();

        crossfilter::FormCrx window(state, platform);
        window.Form_Load();
        window.Form_Activate();
        QCOMPARE(window.fieldList.texts(), (QStringList{u"Espece"_s, u"Saveur"_s, u"Couleur"_s}));
        window.fieldList.setCurrentIndex(1);
        window.ListeChamps_Click();
        QCOMPARE(window.valueList.texts(), (QStringList{u"amer"_s, u"doux"_s}));
        window.valueList.setCurrentIndex(1);
        window.Command2_Click(0);
        window.Command4_Click();
        QCOMPARE(window.FilterCount, 1);
        QCOMPARE(window.reportBox.text(), u"liste filtres\r\n1 : doux    2\r\n"_s);
        window.Command1_Click();
        QVERIFY(window.reportBox.text().startsWith(u"espèces ;nb sp /filtres : ;doux ;\r\n"
                                                   u"3 éch. 2 Taxons / ss-tot  ;2;2;\r\n"_s));
        window.Command8_Click();

        QCOMPARE(state.KeyTable.fieldCount(), 3);
        QCOMPARE(state.KeyTable.declaredFieldCount(), 3);
        QCOMPARE(state.KeyTable.rowCount(), 3);
    }

    // "valider" lets the event queue run once; if the main window's closing unloads the
    // window then, the handler still ends on a live window, which goes at its next use.
    void unloadDuringValiderWaitsForTheHandler() {
        keytable::ProgramState state;
        core::RecordingPlatform platform;
        crossfilter::CrossFilterHost host(state, platform);
        crossfilter::FormCrx* first = &host.load();
        host.show();
        QVERIFY(first->visible());

        first->valueBoxes(0).setText(u"amer"_s);
        bool closed = false;
        platform.onProcessEvents = [&] {
            if (!closed) {
                closed = true;
                host.unload();
            }
        };
        first->Command4_Click();
        QVERIFY(closed);
        QCOMPARE(first->FilterCount, 1);
        QCOMPARE(first->numberBox.text(), u"2"_s);
        QVERIFY(!first->visible());
        QVERIFY(host.unloadPending());

        QVERIFY(!host.load().visible());
        QVERIFY(!host.unloadPending());
        QVERIFY(host.window()->Filters[1].Value1.isEmpty());
    }

    // A host that goes with its owner tells the owner nothing, since the owner is going
    // too: only an unload while both live is told.
    void aHostGoingWithItsOwnerTellsItNothing() {
        keytable::ProgramState state;
        core::RecordingPlatform platform;
        int unloadings = 0;
        {
            crossfilter::CrossFilterHost host(state, platform);
            host.onUnloading = [&](crossfilter::FormCrx&) { ++unloadings; };
            host.load();
            host.unload();
            QCOMPARE(unloadings, 1);
            host.show();
        }
        QCOMPARE(unloadings, 1);
    }
};

QTEST_GUILESS_MAIN(TestFormCrx)
#include "tst_formcrx.moc"
