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

    // Down a window of height bands: the whole design maps onto the window, a band of weight
    // 0 keeps its height, the others share the difference by weight times height, and boxes
    // that follow each other in the design still do, at any height.
    void heightBands() {
        const ElasticLayout grown({100, 1000}, {100, 1400},
                                  {{0, 0, 0}, {100, 3, 1}, {500, 0, 0}, {600, 1, 3}});
        QCOMPARE(grown.place({0, 0, 10, 100}, Elasticity::Stretch), QRect(0, 0, 10, 100));
        QCOMPARE(grown.place({0, 100, 10, 400}, Elasticity::Stretch), QRect(0, 100, 10, 700));
        QCOMPARE(grown.place({0, 500, 10, 100}, Elasticity::Stretch), QRect(0, 800, 10, 100));
        QCOMPARE(grown.place({0, 600, 10, 400}, Elasticity::Stretch), QRect(0, 900, 10, 500));
        const ElasticLayout shrunk({100, 1000}, {100, 840},
                                   {{0, 0, 0}, {100, 3, 1}, {500, 0, 0}, {600, 1, 3}});
        QCOMPARE(shrunk.place({0, 100, 10, 400}, Elasticity::Stretch), QRect(0, 100, 10, 360));
        QCOMPARE(shrunk.place({0, 600, 10, 400}, Elasticity::Stretch), QRect(0, 560, 10, 280));

        QRandomGenerator random(20261208);
        for (int round = 0; round < 300; ++round) {
            const int designed = 200 + random.bounded(800);
            std::vector<HeightBand> bands{{0, random.bounded(4), random.bounded(4)}};
            while (bands.back().top < designed - 20)
                bands.push_back({bands.back().top + 10 + random.bounded(designed / 3),
                                 random.bounded(4), random.bounded(4)});
            bands.pop_back();
            std::vector<QRect> boxes;
            for (int y = random.bounded(10); y < designed - 20;) {
                const int height = 5 + random.bounded(60);
                boxes.emplace_back(0, y, 10, std::min(height, designed - y));
                y += height + random.bounded(8);
            }
            const int current = designed / 2 + random.bounded(designed * 2);
            const ElasticLayout layout({100, designed}, {100, current}, bands);
            QCOMPARE(layout.place({0, 0, 10, designed}, Elasticity::Stretch).height(), current);
            const auto message = [&](std::size_t i) {
                return qPrintable(QStringLiteral("round %1, box %2, %3 to %4")
                                      .arg(round)
                                      .arg(i)
                                      .arg(designed)
                                      .arg(current));
            };
            QRect previous;
            for (std::size_t i = 0; i < boxes.size(); ++i) {
                const auto elasticity = static_cast<Elasticity>(random.bounded(3));
                const QRect box = layout.place(boxes[i], elasticity, {0, 0});
                QVERIFY2(i == 0 || previous.bottom() < box.top(), message(i));
                previous = box;
            }
            for (std::size_t i = 0; i + 1 < bands.size(); ++i) {
                const QRect band(0, bands[i].top, 10, bands[i + 1].top - bands[i].top);
                const bool keeps = (current >= designed ? bands[i].grow : bands[i].shrink) == 0;
                const int height = layout.place(band, Elasticity::Stretch).height();
                // Kept, or in proportion when the window is far below its design.
                if (keeps)
                    QVERIFY2(std::abs(height - band.height()) <= 1 ||
                                 std::abs(height - band.height() * layout.scaleY()) <= 1,
                             message(i));
            }
        }
    }
};

QTEST_MAIN(TestElasticLayout)
#include "tst_elasticlayout.moc"
