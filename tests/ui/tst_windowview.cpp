// The generic view over any window's models: widgets, placement, refresh and the user's
// actions passed to the handlers.
#include "core/recordingplatform.h"
#include "engine/window.h"
#include "keytable/programstate.h"
#include "ui/listboxmodel.h"
#include "ui/windowview.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace sylvane;

namespace {

// A window of every kind of control, placed in twips like the designer's windows.
class SampleWindow : public engine::Window {
  public:
    SampleWindow(keytable::ProgramState& s, core::Platform& p)
        : Window(u"Sample"_s, u"Essai"_s, s, p) {
        addAll(Frame, Name, Notes, Bar, Yes, No, Tick, Values, Taxa);
        setSize(9000, 6000);
        Frame.setGeometry(1500, 1500, 4000, 2000);
        Name.setGeometry(150, 300, 2000, 300);
        Name.setContainer(&Frame);
        Notes.setGeometry(6000, 100, 2500, 1500);
        Bar.setGeometry(100, 5000, 3000, 250);
        Bar.setRange(1, 50);
        Yes.setGeometry(6000, 2000, 1200, 300);
        No.setGeometry(6000, 2400, 1200, 300);
        Yes.setGroup(u"g"_s);
        No.setGroup(u"g"_s);
        Yes.setValue(1);
        Tick.setGeometry(6000, 2800, 1500, 300);
        Values.setGeometry(100, 100, 1300, 1300);
        Taxa.setGeometry(6000, 3200, 2500, 1500);
        Name.onChange = [this] { changes.append(u"Name="_s + Name.text()); };
        Notes.onChange = [this] { changes.append(u"Notes="_s + Notes.text()); };
        Bar.onChange = [this] { changes.append(u"Bar=%1"_s.arg(Bar.value())); };
        Values.onKeyDown = [this](int code) { changes.append(u"key %1"_s.arg(code)); };
        Taxa.onClick = [this] { changes.append(u"taxon %1"_s.arg(Taxa.currentIndex())); };
    }
    engine::Frame Frame{u"Frame"_s, u"Cadre"_s};
    engine::TextBox Name{u"Name"_s};
    engine::TextBox Notes{u"Notes"_s, true};
    engine::ScrollBar Bar{u"Bar"_s};
    engine::OptionButton Yes{u"Yes"_s, u"Oui"_s};
    engine::OptionButton No{u"No"_s, u"Non"_s};
    engine::CheckBox Tick{u"Tick"_s, u"Cocher"_s};
    engine::ListBox Values{u"Values"_s, true, true};
    engine::ListBox Taxa{u"Taxa"_s, false};
    QStringList changes;
};

struct Fixture {
    keytable::ProgramState state;
    core::RecordingPlatform platform;
    SampleWindow window{state, platform};
    ui::WindowView view{window};
    template <typename T> T* widget(const engine::Control& control) {
        return view.widgetFor<T>(control);
    }
};

QPoint rowCentre(QListView* list, int row) {
    return list->visualRect(list->model()->index(row, 0)).center();
}

} // namespace

class TestWindowView : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void widgetsPlacedByTwips() {
        Fixture f;
        const double dpi = f.view.dpi();
        const auto px = [dpi](int twips) { return qRound(twips * dpi / 1440); };
        QCOMPARE(f.view.size(), QSize(px(9000), px(6000)));
        auto* frame = f.widget<QGroupBox>(f.window.Frame);
        auto* name = f.widget<QLineEdit>(f.window.Name);
        QVERIFY(frame && name && f.widget<QPlainTextEdit>(f.window.Notes));
        QCOMPARE(frame->title(), u"Cadre"_s);
        QCOMPARE(name->parentWidget(), frame); // inside its container, at its own twips
        QCOMPARE(name->geometry().topLeft(), QPoint(px(150), px(300)));
        QCOMPARE(f.widget<QScrollBar>(f.window.Bar)->maximum(), 50);
        QVERIFY(f.widget<QRadioButton>(f.window.Yes)->isChecked());
    }

    void typingAndScrollingReachTheHandlers() {
        Fixture f;
        f.view.show();
        QTest::keyClicks(f.widget<QLineEdit>(f.window.Name), u"ab"_s);
        QCOMPARE(f.window.Name.text(), u"ab"_s);
        auto* notes = f.widget<QPlainTextEdit>(f.window.Notes);
        notes->setFocus();
        QTest::keyClicks(notes, u"x"_s);
        QTest::keyClick(notes, Qt::Key_Return);
        QTest::keyClicks(notes, u"y"_s);
        QCOMPARE(f.window.Notes.text(), u"x\r\ny"_s); // the model keeps CR LF
        f.widget<QScrollBar>(f.window.Bar)->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        QCOMPARE(f.window.Bar.value(), 2);
        QCOMPARE(f.window.changes, (QStringList{u"Name=a"_s, u"Name=ab"_s, u"Notes=x"_s,
                                                u"Notes=x\r\n"_s, u"Notes=x\r\ny"_s, u"Bar=2"_s}));
        // A change made by the logic shows without raising the change event.
        f.window.changes.clear();
        f.window.Notes.setText(u"un\r\ndeux"_s);
        f.window.Bar.setValue(7);
        QCOMPARE(notes->toPlainText(), u"un\ndeux"_s);
        QCOMPARE(f.widget<QScrollBar>(f.window.Bar)->value(), 7);
        QVERIFY(f.window.changes.isEmpty());
    }

    void optionsAndRefusedClicks() {
        Fixture f;
        f.view.show();
        QTest::mouseClick(f.widget<QRadioButton>(f.window.No), Qt::LeftButton);
        QCOMPARE(f.window.No.value(), 1);
        QCOMPARE(f.window.Yes.value(), 0);
        QVERIFY(!f.widget<QRadioButton>(f.window.Yes)->isChecked());

        // While the window is busy a click is refused, and the box shows the model again.
        auto* tick = f.widget<QCheckBox>(f.window.Tick);
        {
            engine::Window::BusyScope busy(f.window);
            QTest::mouseClick(tick, Qt::LeftButton);
        }
        QCOMPARE(f.window.Tick.value(), 0);
        QVERIFY(!tick->isChecked());
        QTest::mouseClick(tick, Qt::LeftButton);
        QCOMPARE(f.window.Tick.value(), 1);
        QVERIFY(tick->isChecked());
    }

    // A view that reads the model as a reset begins (to keep its selection) finds the
    // entries as they were, and the new ones once the reset ends.
    void aListResetsAroundTheChange() {
        engine::ListBox list(u"L"_s, false);
        list.addItems({{u"a"_s}, {u"b"_s}, {u"c"_s}});
        ui::ListBoxModel model(list);
        const auto shown = [&model] {
            QStringList texts;
            for (int row = 0; row < model.rowCount(); ++row)
                texts << model.index(row, 0).data().toString();
            return texts.join(u',');
        };
        QStringList before, after;
        connect(&model, &QAbstractItemModel::modelAboutToBeReset, this, [&] { before << shown(); });
        connect(&model, &QAbstractItemModel::modelReset, this, [&] { after << shown(); });
        list.clear();
        list.setEntries({{u"x"_s}});
        list.addItem(u"y"_s);
        list.removeItem(0);
        QCOMPARE(before, (QStringList{u"a,b,c"_s, QString(), u"x"_s, u"x,y"_s}));
        QCOMPARE(after, (QStringList{QString(), u"x"_s, u"x,y"_s, u"y"_s}));
    }

    void listsFollowTheirModels() {
        Fixture f;
        f.view.show();
        auto* values = f.widget<QListView>(f.window.Values);
        QSignalSpy resets(values->model(), &QAbstractItemModel::modelReset);
        f.window.Values.setEntries({{u"rouge"_s}, {u"Blanc"_s}, {u"écru"_s}});
        QCOMPARE(resets.size(), 1);
        QCOMPARE(values->model()->index(0, 0).data().toString(), u"Blanc"_s);

        // Clicks toggle marks in a multi-selection list: no rebuild of the rows.
        QTest::mouseClick(values->viewport(), Qt::LeftButton, {}, rowCentre(values, 2));
        QTest::mouseClick(values->viewport(), Qt::LeftButton, {}, rowCentre(values, 0));
        QTest::mouseClick(values->viewport(), Qt::LeftButton, {}, rowCentre(values, 2));
        QCOMPARE(f.window.Values.markedCount(), 1);
        QVERIFY(f.window.Values.isMarked(0));
        QVERIFY(values->model()->index(0, 0).data(Qt::BackgroundRole).isValid());
        QVERIFY(!values->model()->index(1, 0).data(Qt::BackgroundRole).isValid());
        // The last entry clicked is current: shaded, lighter than a mark.
        QCOMPARE(f.window.Values.currentIndex(), 2);
        QVERIFY(values->model()->index(2, 0).data(Qt::BackgroundRole).value<QColor>().alpha() <
                255);
        QCOMPARE(resets.size(), 1);

        QTest::keyClick(values, Qt::Key_Shift);
        QCOMPARE(f.window.changes.constLast(), u"key 16"_s);

        // In a single-selection list the arrow keys click the next entry.
        auto* taxa = f.widget<QListView>(f.window.Taxa);
        f.window.Taxa.setEntries({{u"a"_s}, {u"b"_s}, {u"c"_s}});
        QTest::mouseClick(taxa->viewport(), Qt::LeftButton, {}, rowCentre(taxa, 0));
        QTest::keyClick(taxa, Qt::Key_Down);
        QTest::keyClick(taxa, Qt::Key_End);
        QTest::keyClick(taxa, Qt::Key_Down); // already the last: nothing
        QCOMPARE(f.window.changes.filter(u"taxon"_s),
                 (QStringList{u"taxon 0"_s, u"taxon 1"_s, u"taxon 2"_s}));
        // A click below the last entry is no click on an entry.
        QTest::mouseClick(taxa->viewport(), Qt::LeftButton, {},
                          QPoint(5, taxa->viewport()->height() - 2));
        QCOMPARE(f.window.changes.filter(u"taxon"_s).size(), 3);
    }
};

QTEST_MAIN(TestWindowView)
#include "tst_windowview.moc"
