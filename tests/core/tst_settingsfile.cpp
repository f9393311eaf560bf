// The items of the settings file: keys, values, commas and quotes.
#include "core/settingsfile.h"

#include <QTest>

using namespace Qt::StringLiterals;
using sylvane::core::readSettingsItems;

namespace {
QStringList shown(const QStringList& lines) {
    QStringList out;
    for (const auto& item : readSettingsItems(lines))
        out.append(item.key + u'|' + item.value);
    return out;
}
} // namespace

class TestSettingsFile : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void items_data() {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QStringList>("items");
        QTest::newRow("key case and blanks") << QStringList{u"  ficdefaut = C:\\Cles\\a.txt "_s}
                                             << QStringList{u"FICDEFAUT|C:\\Cles\\a.txt"_s};
        QTest::newRow("empty lines skipped, one item a line")
            << QStringList{QString(), u"FNT=12"_s, u"CHOIXMULT =1"_s}
            << QStringList{u"FNT|12"_s, u"CHOIXMULT|1"_s};
        QTest::newRow("a path keeps its commas") << QStringList{u"FICDEFAUT =/data/a,b,c.txt"_s}
                                                 << QStringList{u"FICDEFAUT|/data/a,b,c.txt"_s};
        QTest::newRow("a path keeps a comma before an unknown key")
            << QStringList{u"FICDEFAUT =/data/a,b=c.txt"_s}
            << QStringList{u"FICDEFAUT|/data/a,b=c.txt"_s};
        QTest::newRow("a known key after a path starts an item")
            << QStringList{u"FICDEFAUT =/data/a.txt, choixmult=1"_s}
            << QStringList{u"FICDEFAUT|/data/a.txt"_s, u"CHOIXMULT|1"_s};
        QTest::newRow("other values end at a comma, the key carries on")
            << QStringList{u"FNT=12,14"_s} << QStringList{u"FNT|12"_s, u"FNT|14"_s};
        QTest::newRow("quotes hold a comma and go")
            << QStringList{u"\"CHOIXMULT =1,0\""_s} << QStringList{u"CHOIXMULT|1,0"_s};
        QTest::newRow("no key at the start")
            << QStringList{u"texte seul"_s} << QStringList{u"|texte seul"_s};
    }
    void items() {
        QFETCH(QStringList, lines);
        QFETCH(QStringList, items);
        QCOMPARE(shown(lines), items);
    }

    void writtenLines() {
        QCOMPARE(sylvane::core::settingsLines(u"/d/a,b.txt"_s, u"/d/"_s, 1, true).value(),
                 (QStringList{QString(), u"\"FICDEFAUT =/d/a,b.txt\""_s, u"REPDATA =/d/"_s,
                              u"CHOIXMULT =1"_s}));
        // What is written reads back whole.
        QCOMPARE(shown(sylvane::core::settingsLines(u"/d/a,b.txt"_s, u"/d/"_s, 0, true).value()),
                 (QStringList{u"FICDEFAUT|/d/a,b.txt"_s, u"REPDATA|/d/"_s, u"CHOIXMULT|0"_s}));
    }
};

QTEST_GUILESS_MAIN(TestSettingsFile)
#include "tst_settingsfile.moc"
