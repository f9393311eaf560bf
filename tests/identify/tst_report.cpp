// The identification report's HTML: contents, escaping, accents, the observation notes,
// the cut after the first sheets.
#include "identify/report.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace sylvane::identify;

namespace {

IdentificationReport sampleReport() {
    IdentificationReport report;
    report.tableTitle = u"Champignons d'Europe"_s;
    report.tableFile = u"/données/champignons_europe.txt"_s;
    report.madeAt = QDateTime(QDate(2026, 3, 9), QTime(14, 5, 30));
    report.choices = {{u"Chapeau couleur"_s, {u"brun"_s, u"rosé"_s}},
                      {u"Lames"_s, {u"décurrentes"_s}}};
    report.tableComments = {u"AVERTISSEMENT : ne mangez rien sur la foi de cette clé."_s};
    report.options = {u"choix multiple : plusieurs valeurs"_s};
    report.taxaFound = {{u"Agaricus <campestris>"_s, u"non renseigné : Odeur"_s},
                        {u"Cèpe & bolet"_s, QString()}};
    report.addSheets([](int index) {
        if (index == 0)
            return std::vector<ReportLine>{{u"Chapeau couleur"_s, u"rosé"_s},
                                           {u"Odeur"_s, u"d'anis \"fort\""_s}};
        return std::vector<ReportLine>{{u"Chapeau couleur"_s, QString()}, {u"Pied"_s, u"ventru"_s}};
    });
    return report;
}

} // namespace

class TestReport : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void contents() {
        const QString html = reportHtml(sampleReport());
        QVERIFY(html.startsWith(u"<!DOCTYPE html>"_s));
        QVERIFY(html.contains(u"<meta charset=\"utf-8\">"_s));
        QVERIFY(html.contains(u"<title>Rapport d'identification - Champignons d'Europe</title>"_s));
        QVERIFY(html.contains(u"Table : <b>Champignons d'Europe</b>"_s));
        QVERIFY(html.contains(u"Fichier : /données/champignons_europe.txt"_s));
        QVERIFY(html.contains(u"Date : le 09/03/2026 à 14:05"_s));
        // The choices in order, several values joined by "ou".
        const auto first = html.indexOf(u"<li>Chapeau couleur : brun ou rosé</li>"_s);
        const auto second = html.indexOf(u"<li>Lames : décurrentes</li>"_s);
        QVERIFY(first > 0);
        QVERIFY(second > first);
        // The table's warning, the options that changed the result, the taxa in italics,
        // noted when an empty cell kept them.
        QVERIFY(html.contains(u"<p>AVERTISSEMENT : ne mangez rien sur la foi de cette clé.</p>"_s));
        QVERIFY(html.contains(
            u"<h2>Options</h2>\n<ul>\n<li>choix multiple : plusieurs valeurs</li>"_s));
        QVERIFY(html.contains(u"Espèces trouvées : 2"_s));
        QVERIFY(html.contains(u"<li><i>Agaricus &lt;campestris&gt;</i> <span class=\"note\">"
                              u"(non renseigné : Odeur)</span></li>"_s));
        QVERIFY(html.contains(u"<li><i>Cèpe &amp; bolet</i></li>"_s));
        // A sheet gives the non-empty fields only.
        QVERIFY(html.contains(
            u"<h3><i>Cèpe &amp; bolet</i></h3>\n<ul>\n<li>Pied : ventru</li>\n</ul>"_s));
        // No notes, no observation section.
        QVERIFY(!html.contains(u"Observation"_s));
        QVERIFY(!html.contains(u"non reproduite"_s));
        // Self-contained: nothing is fetched from elsewhere.
        QVERIFY(!html.contains(u"src="_s));
        QVERIFY(!html.contains(u"href="_s));
    }

    // Texts of the table never become markup.
    void escaping() {
        const QString html = reportHtml(sampleReport());
        QVERIFY(html.contains(u"<i>Agaricus &lt;campestris&gt;</i>"_s));
        QVERIFY(html.contains(u"<li>Odeur : d'anis &quot;fort&quot;</li>"_s));
        QVERIFY(!html.contains(u"<campestris>"_s));
        IdentificationReport hostile;
        hostile.tableTitle = u"</title><script>alert(1)</script>"_s;
        hostile.choices = {{u"<b>champ</b>"_s, {u"a&b"_s}}};
        const QString other = reportHtml(hostile);
        QVERIFY(!other.contains(u"<script>"_s));
        QVERIFY(other.contains(u"<li>&lt;b&gt;champ&lt;/b&gt; : a&amp;b</li>"_s));
    }

    void nothingChosenNothingFound() {
        IdentificationReport report;
        report.tableFile = u"t.txt"_s;
        report.madeAt = QDateTime(QDate(2026, 1, 2), QTime(8, 0));
        report.addSheets([](int) { return std::vector<ReportLine>{}; });
        const QString html = reportHtml(report);
        QVERIFY(html.contains(u"<title>Rapport d'identification</title>"_s));
        QVERIFY(!html.contains(u"Table :"_s));
        QVERIFY(html.contains(u"Aucun choix."_s));
        QVERIFY(html.contains(u"Espèces trouvées : 0</h2>\n<p>Aucune espèce trouvée.</p>"_s));
        QVERIFY(!html.contains(u"Fiches"_s));
        QVERIFY(!html.contains(u"Options"_s));
        QVERIFY(!html.contains(u"class=\"comments\""_s));
    }

    // The notes the user filled in, escaped, their line breaks kept; the empty ones left out.
    void observationNotes() {
        IdentificationReport report = sampleReport();
        report.observation = {u"14/09/2025"_s, u"Forêt <de> Fontainebleau"_s, u"  "_s,
                              u"sous les hêtres\nodeur d'anis"_s};
        const QString html = reportHtml(report);
        QVERIFY(html.contains(u"<h2>Observation</h2>\n<ul>\n<li>Date : 14/09/2025</li>\n"
                              u"<li>Lieu : Forêt &lt;de&gt; Fontainebleau</li>\n"
                              u"<li>Remarques : sous les hêtres<br>odeur d'anis</li>\n</ul>"_s));
        QVERIFY(!html.contains(u"Récolteur"_s));
        // Before the choices, after the heading.
        QVERIFY(html.indexOf(u"Observation"_s) < html.indexOf(u"<h2>Choix"_s));
    }

    // Every taxon found is listed, but only the first sheets are detailed.
    void sheetsCut_data() {
        QTest::addColumn<int>("found");
        QTest::addColumn<int>("detailed");
        QTest::addColumn<QString>("note");
        QTest::newRow("fifty") << 50 << 50 << QString();
        QTest::newRow("fifty-one")
            << 51 << 50 << u"1 fiche non reproduite : le rapport donne au plus 50 fiches."_s;
        QTest::newRow("many")
            << 1234 << 50 << u"1184 fiches non reproduites : le rapport donne au plus 50 fiches."_s;
    }
    void sheetsCut() {
        QFETCH(int, found);
        QFETCH(int, detailed);
        QFETCH(QString, note);
        IdentificationReport report;
        for (int i = 1; i <= found; ++i)
            report.taxaFound.push_back({u"Taxon %1"_s.arg(i), QString()});
        int asked = 0;
        report.addSheets([&asked](int index) {
            ++asked;
            return std::vector<ReportLine>{{u"numéro"_s, QString::number(index)}};
        });
        QCOMPARE(asked, detailed);
        QCOMPARE(static_cast<int>(report.sheets.size()), detailed);
        QCOMPARE(report.sheetsLeftOut, found - detailed);
        QCOMPARE(report.sheets.back().taxon, u"Taxon %1"_s.arg(detailed));
        const QString html = reportHtml(report);
        QCOMPARE(html.count(u"<h3>"_s), detailed);
        QVERIFY(html.contains(u"<li><i>Taxon %1</i></li>"_s.arg(found)));
        QVERIFY(!html.contains(u"<h3><i>Taxon %1</i></h3>"_s.arg(detailed + 1)));
        if (note.isEmpty())
            QVERIFY(!html.contains(u"non reproduite"_s));
        else
            QVERIFY(html.contains(note));
    }
};

QTEST_GUILESS_MAIN(TestReport)
#include "tst_report.moc"
