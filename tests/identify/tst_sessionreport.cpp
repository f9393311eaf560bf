// The report of an identification session: the choices in force, the options that changed
// the result, the taxa found merged by name without the unnamed rows, their sheets, and the
// cut after the first sheets.
#include "identify/sessionreport.h"
#include "keytable/smalltable.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace sylvane::identify;
using sylvane::keytable::smallTable;

namespace {

// Row 1 is the header (no name); rows 2..6 follow the lines.
KeyTable mushrooms() {
    KeyTable table =
        smallTable({u"Espèce"_s, u"Chapeau"_s, u"Odeur"_s, u"Pied"_s},
                   {u"Amanita muscaria;rouge;;blanc"_s, u"Boletus edulis;brun;agréable;ventru"_s,
                    u"Boletus edulis;brun clair;agréable;"_s,
                    u"Cantharellus cibarius;jaune;fruitée;jaune"_s, u";brun;;"_s});
    table.setTitle(u"Champignons"_s);
    return table;
}

QStringList names(const IdentificationReport& report) {
    QStringList names;
    for (const ReportTaxon& taxon : report.taxaFound)
        names.append(taxon.name);
    return names;
}

QStringList sheetTexts(const ReportSheet& sheet) {
    QStringList texts;
    for (const ReportLine& line : sheet.lines)
        texts.append(line.field + u" : "_s + line.value);
    return texts;
}

const QDateTime madeAt(QDate(2023, 1, 15), QTime(9, 30));

} // namespace

class TestSessionReport : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    // Before any choice every named taxon is found, in list order (the header row and the
    // row without a name are no taxa), each sheet without the empty fields.
    void everyTaxonAtTheStart() {
        const KeyTable table = mushrooms();
        Identification session(table);
        session.reset();
        const IdentificationReport report = sessionReport(session, u"/d/champignons.txt"_s, madeAt);
        QCOMPARE(report.tableTitle, u"Champignons"_s);
        QCOMPARE(report.tableFile, u"/d/champignons.txt"_s);
        QCOMPARE(report.madeAt, madeAt);
        QVERIFY(report.choices.empty());
        QCOMPARE(names(report), (QStringList{u"Amanita muscaria"_s, u"Boletus edulis"_s,
                                             u"Cantharellus cibarius"_s}));
        QVERIFY(report.options.isEmpty());
        QCOMPARE(report.sheets.size(), size_t(3));
        QCOMPARE(report.sheets[0].taxon, u"Amanita muscaria"_s);
        QCOMPARE(sheetTexts(report.sheets[0]),
                 (QStringList{u"Chapeau : rouge"_s, u"Pied : blanc"_s}));
        QCOMPARE(report.sheetsLeftOut, 0);
    }

    // Several values of one choice stay together, in order; a taxon of several rows is
    // named once and its sheet gives each distinct value once.
    void choicesAndMergedTaxa() {
        const KeyTable table = mushrooms();
        Identification session(table);
        session.reset();
        QVERIFY(session.chooseField(0, false)); // Chapeau: brun, brun clair, jaune, rouge
        const int marked[] = {0, 1};
        QVERIFY(session.chooseValues(marked, 1));
        QVERIFY(session.chooseField(0, false)); // Odeur: agréable
        QVERIFY(session.chooseValue(0));
        const IdentificationReport report = sessionReport(session, QString(), madeAt);
        QCOMPARE(report.choices.size(), size_t(2));
        QCOMPARE(report.choices[0].field, u"Chapeau"_s);
        QCOMPARE(report.choices[0].values, (QStringList{u"brun"_s, u"brun clair"_s}));
        QCOMPARE(report.choices[1].field, u"Odeur"_s);
        QCOMPARE(report.choices[1].values, QStringList{u"agréable"_s});
        QCOMPARE(names(report), QStringList{u"Boletus edulis"_s});
        QCOMPARE(sheetTexts(report.sheets.at(0)),
                 (QStringList{u"Chapeau : brun ou brun clair"_s, u"Odeur : agréable"_s,
                              u"Pied : ventru"_s}));
        QCOMPARE(report.options.size(), 1);
        QVERIFY(report.options[0].startsWith(u"choix multiple : "_s));
    }

    // A value replaced by another of its list, or a choice withdrawn, is no longer reported;
    // a taxon kept for an empty cell says so, and so do the options that changed the taxa.
    void trueToTheResult() {
        KeyTable table = mushrooms();
        table.addComment(u"AVERTISSEMENT : clé d'exemple"_s);
        Identification session(table);
        QVERIFY(session.chooseField(0, false)); // Chapeau
        QVERIFY(session.chooseValue(3));        // rouge
        QVERIFY(session.chooseValue(0));        // brun, in its place
        QVERIFY(session.chooseField(0, false)); // Odeur: agréable only among the brun rows
        QVERIFY(session.chooseValue(0, true));  // with the rows without an odour kept
        IdentificationReport report = sessionReport(session, QString(), madeAt);
        QCOMPARE(report.tableComments, QStringList{u"AVERTISSEMENT : clé d'exemple"_s});
        QCOMPARE(report.choices.size(), size_t(2));
        QCOMPARE(report.choices[0].values, QStringList{u"brun"_s});
        // Row 6 (brun, no odour) has no name: no taxon is there for its empty cell.
        QCOMPARE(names(report), QStringList{u"Boletus edulis"_s});
        QVERIFY(report.options.isEmpty());

        // Odeur first, kept empty: Amanita muscaria stands there for its empty cell only.
        Identification kept(table);
        QVERIFY(kept.chooseField(1, false));
        QVERIFY(kept.chooseValue(0, true)); // agréable
        report = sessionReport(kept, QString(), madeAt);
        QCOMPARE(report.taxaFound,
                 (std::vector<ReportTaxon>{{u"Amanita muscaria"_s, u"non renseigné : Odeur"_s},
                                           {u"Boletus edulis"_s, QString()}}));
        QCOMPARE(report.options.size(), 1);
        QVERIFY(report.options[0].startsWith(u"non renseignés retenus : "_s));
        QVERIFY(kept.withdraw(0));
        QVERIFY(sessionReport(kept, QString(), madeAt).choices.empty());
    }

    // Folding the accents changed the result only when the taxa found write a chosen value
    // in two ways.
    void accentsStatedWhenTheyJoinedTwoSpellings() {
        const KeyTable table = smallTable(
            {u"Espèce"_s, u"Chapeau"_s, u"Odeur"_s},
            {u"A;rosé;anisée"_s, u"B;rose;anisée"_s, u"C;blanc;âcre"_s, u"D;rosé;âcre"_s});
        const auto accentsStated = [&table](int value, int field) {
            Identification session(table);
            session.chooseField(field, true);
            session.chooseValue(value);
            return sessionReport(session, QString(), madeAt)
                .options.filter(u"Ignorer les accents"_s)
                .size();
        };
        QCOMPARE(accentsStated(1, 0), 1); // rose: rosé and rose
        QCOMPARE(accentsStated(0, 1), 0); // acre: âcre alone
    }

    void sheetsOfTheFirstTaxaOnly() {
        QStringList lines;
        for (int i = 0; i < MaxReportSheets + 3; ++i)
            lines.append(u"Taxon %1;v"_s.arg(i, 3, 10, QChar(u'0')));
        const KeyTable table = smallTable({u"Espèce"_s, u"Chapeau"_s}, lines);
        Identification session(table);
        session.reset();
        const IdentificationReport report = sessionReport(session, QString(), madeAt);
        QCOMPARE(report.taxaFound.size(), size_t(MaxReportSheets + 3));
        QCOMPARE(report.sheets.size(), size_t(MaxReportSheets));
        QCOMPARE(report.sheets.back().taxon, u"Taxon 049"_s);
        QCOMPARE(report.sheetsLeftOut, 3);
    }
};

QTEST_GUILESS_MAIN(TestSessionReport)
#include "tst_sessionreport.moc"
