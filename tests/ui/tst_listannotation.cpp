// An entry's annotation shows right-aligned after its text on screen, while the text, the
// keyboard search and the copies stay the entry's text alone.
#include "core/recordingplatform.h"
#include "engine/listbox.h"
#include "engine/window.h"
#include "keytable/programstate.h"
#include "ui/listboxmodel.h"
#include "ui/listboxview.h"

#include <QApplication>
#include <QImage>
#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace sylvane;

namespace {

const QString approx = u"≈ 4,2"_s;

// Whether the band of the row between the x fractions holds anything but the row's
// background (read at its middle, where neither text reaches); the row's frame is left out.
bool inkIn(const QImage& image, const QRect& row, double from, double to) {
    const QRgb background = image.pixel(row.center());
    for (int y = row.top() + 2; y <= row.bottom() - 2; ++y)
        for (int x = row.left() + int(row.width() * from);
             x < std::min(row.left() + int(row.width() * to), row.right() - 2); ++x)
            if (image.pixel(x, y) != background)
                return true;
    return false;
}

} // namespace

class TestListAnnotation : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void aRoleOfItsOwn() {
        engine::ListBox list(u"List2"_s, false);
        list.addItems({{u"Chapeau"_s, 2}, {u"Pied"_s, 3}});
        ui::ListBoxModel model(list);
        QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
        list.setAnnotation(1, approx);
        QCOMPARE(changed.size(), 1);
        QCOMPARE(changed[0][0].value<QModelIndex>().row(), 1);
        QVERIFY(changed[0][2].value<QList<int>>().contains(ui::ListBoxModel::AnnotationRole));
        list.setAnnotation(1, approx); // the same: nothing to repaint
        list.setAnnotation(5, approx); // no such entry
        QCOMPARE(changed.size(), 1);

        QCOMPARE(model.index(1).data(ui::ListBoxModel::AnnotationRole).toString(), approx);
        QCOMPARE(model.index(1).data().toString(), u"Pied"_s);
        QCOMPARE(model.index(0).data(ui::ListBoxModel::AnnotationRole).toString(), QString());
        QCOMPARE(list.itemText(1), u"Pied"_s);
        QCOMPARE(list.itemData(1), 3);
        QCOMPARE(list.texts(), (QStringList{u"Chapeau"_s, u"Pied"_s}));

        // Every note at once: one change over the rows; notes past the entries dropped.
        list.setAnnotations({approx, QString(), approx});
        QCOMPARE(changed.size(), 2);
        QCOMPARE(changed[1][0].value<QModelIndex>().row(), 0);
        QCOMPARE(changed[1][1].value<QModelIndex>().row(), 1);
        QCOMPARE(list.annotation(0), approx);
        QCOMPARE(list.annotation(1), QString());
        list.setAnnotations({approx});
        QCOMPARE(changed.size(), 2);
    }

    // The annotation is painted at the right of its row only, and typing it finds nothing.
    void shownRightAlignedAndNeverSearched() {
        keytable::ProgramState state;
        core::RecordingPlatform platform;
        engine::Window window(u"W"_s, u"W"_s, state, platform);
        engine::ListBox list(u"List2"_s, false);
        list.addItems({{u"Chapeau"_s, 2}, {u"Pied"_s, 3}});
        list.setAnnotation(1, approx);
        ui::ListBoxView view(window, list);
        view.resize(320, 120);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        view.setCurrentIndex({}); // the list has no current entry

        const QImage image = view.viewport()->grab().toImage();
        const QRect plain = view.visualRect(view.model()->index(0, 0));
        const QRect annotated = view.visualRect(view.model()->index(1, 0));
        QVERIFY(inkIn(image, plain, 0.0, 0.5));
        QVERIFY(!inkIn(image, plain, 0.6, 1.0));
        QVERIFY(inkIn(image, annotated, 0.0, 0.5));
        QVERIFY(inkIn(image, annotated, 0.75, 1.0));

        view.keyboardSearch(u"≈"_s);
        QVERIFY(!view.currentIndex().isValid());
        QTest::qWait(QApplication::keyboardInputInterval() + 50); // a new search
        view.keyboardSearch(u"p"_s);
        QCOMPARE(view.currentIndex().row(), 1);
    }
};

QTEST_MAIN(TestListAnnotation)
#include "tst_listannotation.moc"
