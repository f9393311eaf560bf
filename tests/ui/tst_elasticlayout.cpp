// The placement of designed boxes in a window that is larger or smaller than its design.
#include "ui/elasticlayout.h"

#include <QRandomGenerator>
#include <QTest>

using namespace sylvane::ui;

class TestElasticLayout : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void designedSizeChangesNothing() {
        const ElasticLayout layout({1000, 700}, {1000, 700});
        for (const Elasticity e :
             {Elasticity::Stretch, Elasticity::StretchWidth, Elasticity::Fixed})
            QCOMPARE(layout.place({13, 27, 200, 31}, e, {500, 500}), QRect(13, 27, 200, 31));
    }

    // A list takes the extra room in proportion; a button beside it keeps its size and
    // moves along, so that it stays just right of the list.
    void growing() {
        const ElasticLayout layout({1000, 500}, {1500, 1000});
        QCOMPARE(layout.place({100, 50, 400, 200}, Elasticity::Stretch), QRect(150, 100, 600, 400));
        QCOMPARE(layout.place({100, 260, 400, 20}, Elasticity::StretchWidth),
                 QRect(150, 520, 600, 20));
        const QRect button = layout.place({510, 50, 100, 30}, Elasticity::Fixed, {60, 25});
        QCOMPARE(button, QRect(765, 100, 100, 30));
        QVERIFY(button.left() > 150 + 600);
    }

    // Shrinking, a box gives up its spare room but keeps what its content needs, and never
    // asks for more than its design.
    void shrinking() {
        const ElasticLayout layout({1000, 1000}, {800, 500});
        QCOMPARE(layout.place({100, 100, 500, 400}, Elasticity::Stretch), QRect(80, 50, 400, 200));
        QCOMPARE(layout.place({100, 100, 200, 30}, Elasticity::Fixed, {190, 28}),
                 QRect(80, 50, 190, 28));
        QCOMPARE(layout.place({100, 100, 200, 30}, Elasticity::Fixed, {100, 10}),
                 QRect(80, 50, 160, 15));
        QCOMPARE(layout.place({100, 100, 200, 30}, Elasticity::Fixed, {900, 900}),
                 QRect(80, 50, 200, 30));
        QCOMPARE(layout.place({100, 100, 200, 30}, Elasticity::StretchWidth, {190, 28}),
                 QRect(80, 50, 190, 28));
    }

    // Inside a panel that keeps its size the controls keep theirs; inside one that shrank
    // they follow it.
    void insideAContainer() {
        const ElasticLayout grown({1000, 1000}, {2000, 2000});
        const QRect panelDesign(100, 100, 300, 200);
        const QRect panel = grown.place(panelDesign, Elasticity::Fixed);
        QCOMPARE(panel.size(), panelDesign.size());
        const ElasticLayout in = grown.inside(panelDesign, panel);
        QCOMPARE(in.place({10, 10, 100, 20}, Elasticity::StretchWidth), QRect(10, 10, 100, 20));

        const ElasticLayout shrunk({1000, 1000}, {500, 500});
        const ElasticLayout half =
            shrunk.inside(panelDesign, shrunk.place(panelDesign, Elasticity::Fixed));
        QCOMPARE(half.scaleX(), 0.5);
        QCOMPARE(half.place({10, 10, 100, 20}, Elasticity::Fixed, {20, 5}), QRect(5, 5, 50, 10));
    }

    // Boxes that do not overlap in the design never overlap at any size, as long as each
    // one's content fits its scaled box when shrinking.
    void designedNeighboursNeverOverlap() {
        QRandomGenerator random(20261207);
        for (int round = 0; round < 200; ++round) {
            // A row of boxes with gaps, of random kinds.
            std::vector<std::pair<QRect, Elasticity>> boxes;
            int x = random.bounded(20);
            while (x < 900) {
                const int width = 10 + random.bounded(150);
                boxes.push_back({QRect(x, 10 + random.bounded(50), width, 20 + random.bounded(30)),
                                 static_cast<Elasticity>(random.bounded(3))});
                x += width + random.bounded(12);
            }
            const QSize now(300 + random.bounded(1700), 100 + random.bounded(1000));
            const ElasticLayout layout({1000, 200}, now);
            std::vector<QRect> placed;
            for (const auto& [box, elasticity] : boxes) {
                const QSize fits(static_cast<int>(box.width() * std::min(layout.scaleX(), 1.0)) - 1,
                                 static_cast<int>(box.height() * std::min(layout.scaleY(), 1.0)) -
                                     1);
                placed.push_back(layout.place(box, elasticity, fits));
            }
            for (std::size_t i = 1; i < placed.size(); ++i)
                QVERIFY2(placed[i - 1].right() < placed[i].left(),
                         qPrintable(QStringLiteral("round %1, box %2 at %3x%4")
                                        .arg(round)
                                        .arg(i)
                                        .arg(now.width())
                                        .arg(now.height())));
        }
    }
};

QTEST_MAIN(TestElasticLayout)
#include "tst_elasticlayout.moc"
