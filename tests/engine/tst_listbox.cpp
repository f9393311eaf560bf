// The list box model: French ordering, stable placement of equal texts, bulk fills equal
// to one-by-one insertion, marks and the current entry.
#include "core/sortkey.h"
#include "engine/listbox.h"
#include "engine/userinput.h"
#include "engine/window.h"

#include "core/recordingplatform.h"

#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace sylvane::engine;

class TestListBox : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void sortedListOrdersFrenchTextIgnoringCase() {
        ListBox list(u"L"_s, true);
        for (const QString& t : {u"rouge"_s, u"Écailleux"_s, u"blanc"_s, u"Rouge"_s, u"été"_s,
                                 u"ecru"_s, u"zébré"_s, u"Blanc"_s})
            list.addItem(t);
        QCOMPARE(list.texts(), (QStringList{u"Blanc"_s, u"blanc"_s, u"Écailleux"_s, u"ecru"_s,
                                            u"été"_s, u"Rouge"_s, u"rouge"_s, u"zébré"_s}));
    }

    void equalTextsKeepTheirOrderOfAddition() {
        ListBox list(u"L"_s, true);
        list.addItem(u"brun"_s, 7);
        list.addItem(u"blanc"_s, 5);
        list.addItem(u"blanc"_s, 9);
        QCOMPARE(list.addItem(u"blanc"_s, 2), 2);
        QCOMPARE(list.itemData(0), 5);
        QCOMPARE(list.itemData(1), 9);
        QCOMPARE(list.itemData(2), 2);
        QCOMPARE(list.itemData(3), 7);
    }

    void bulkFillEqualsOneByOneInsertion() {
        QStringList words{u"a"_s, u"A"_s, u"à"_s, u"b"_s, u"B "_s, u"é"_s, u"e"_s, u""_s, u"ç"_s};
        QRandomGenerator random(42);
        ListBox single(u"S"_s, true);
        ListBox bulk(u"B"_s, true);
        bulk.addItem(u"e"_s, -1);
        single.addItem(u"e"_s, -1);
        std::vector<ListEntry> entries;
        for (int i = 0; i < 500; ++i) {
            const QString text = words[random.bounded(words.size())];
            single.addItem(text, i);
            entries.emplace_back(text, i);
        }
        bulk.addItems(std::move(entries));
        QCOMPARE(bulk.count(), single.count());
        for (int i = 0; i < single.count(); ++i) {
            QCOMPARE(bulk.itemText(i), single.itemText(i));
            QCOMPARE(bulk.itemData(i), single.itemData(i));
        }
    }

    void unsortedListKeepsOrderAndCurrentFollowsRemovals() {
        ListBox list(u"L"_s, false);
        list.addItem(u"z"_s);
        list.addItem(u"a"_s);
        list.addItem(u"m"_s);
        list.setCurrentIndex(2);
        QVERIFY(list.isMarked(2));
        list.removeItem(0);
        QCOMPARE(list.currentIndex(), 1);
        QCOMPARE(list.itemText(1), u"m"_s);
        list.setCurrentIndex(7);
        QCOMPARE(list.currentIndex(), -1);
        QCOMPARE(list.itemText(9), QString());
        // Choosing an entry tells the views about the current entry, not about new entries.
        QSignalSpy changes(&list, &Control::changed);
        list.setCurrentIndex(0);
        QCOMPARE(changes.size(), 1);
        QCOMPARE(changes[0][0].value<ControlChange>(), ControlChange::Current);
    }

    // A view repaints from these signals alone: each change is told once, with what it
    // touched, and a change to the same value is not told at all.
    void changesAreSignalledOnceWithWhatChanged() {
        ListBox list(u"L"_s, true, true);
        QSignalSpy changes(&list, &Control::changed);
        const auto kinds = [&changes] {
            QList<ControlChange> result;
            for (const QList<QVariant>& change : std::as_const(changes))
                result.append(change[0].value<ControlChange>());
            changes.clear();
            return result;
        };
        list.setEntries({{u"b"_s}, {u"a"_s}, {u"c"_s}});
        list.addItems({{u"d"_s}, {u"e"_s}});
        QCOMPARE(kinds(), (QList<ControlChange>{ControlChange::Entries, ControlChange::Entries}));
        list.setMarked(2, true);
        list.setMarked(2, true);
        QCOMPARE(changes.size(), 1);
        QCOMPARE(changes[0][1].toInt(), 2);
        QCOMPARE(changes[0][2].toInt(), 2);
        QCOMPARE(kinds(), QList<ControlChange>{ControlChange::Rows});
        list.setAllMarked(false);
        QCOMPARE(changes[0][2].toInt(), 4);
        QCOMPARE(kinds(), QList<ControlChange>{ControlChange::Rows});
        list.setCaption(u"x"_s);
        list.setCaption(u"x"_s);
        list.setVisible(true); // already visible
        list.setGeometry(1, 2, 3, 4);
        QCOMPARE(kinds(), (QList<ControlChange>{ControlChange::Look, ControlChange::Look}));
        list.clear();
        list.clear();
        QCOMPARE(kinds(), QList<ControlChange>{ControlChange::Entries});

        TextBox box(u"T"_s);
        QSignalSpy boxChanges(&box, &Control::changed);
        box.setFocus();
        QCOMPARE(boxChanges.size(), 1);
        QCOMPARE(boxChanges[0][0].value<ControlChange>(), ControlChange::Focus);
    }

    void userClicksToggleMarksInMultiSelectLists() {
        sylvane::keytable::ProgramState state;
        sylvane::core::RecordingPlatform platform;
        Window window(u"W"_s, u"W"_s, state, platform);
        ListBox multi(u"M"_s, true, true);
        multi.addItem(u"a"_s);
        multi.addItem(u"b"_s);
        int clicks = 0;
        multi.onClick = [&] { ++clicks; };
        QVERIFY(userClick(window, multi, 1));
        QVERIFY(multi.isMarked(1));
        QVERIFY(userClick(window, multi, 1));
        QVERIFY(!multi.isMarked(1));
        QCOMPARE(multi.currentIndex(), 1);
        multi.setEnabled(false);
        QVERIFY(!userClick(window, multi, 0));
        QCOMPARE(clicks, 2);
    }

    void collationKeyFoldsCaseAndAccents() {
        QCOMPARE(sylvane::core::collationKey(u"Épée Œuf ÇA"_s), u"epee œuf ca"_s);
    }
};

QTEST_GUILESS_MAIN(TestListBox)
#include "tst_listbox.moc"
