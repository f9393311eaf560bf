// The main window's file tools and external lookups, driven on the recording platform.
#include "core/textfile.h"
#include "engine/formtblfixture.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace sylvane;

namespace {

const QString yellowWebCall = u"[flash 65535 1 2000 1200]          appel page Web          "_s;
const QString redNoConnection = u"[flash 255 1 2000 1200]    pas de connexion Internet   "_s;

using Window = testing::FormTblFixture;

void writeLines(const QString& path, const QStringList& lines) {
    QVERIFY(QDir().mkpath(QFileInfo(path).path()));
    QVERIFY(core::writeTextFile(path, lines));
}

} // namespace

class TestFileToolsLookups : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void webButtonsBuildTheirAddresses_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<bool>("online");
        QTest::addColumn<QStringList>("events");
        const QString image =
            u"[open] http://images.google.fr/images?um=1&hl=fr&lr=lang_fr&q= Amanita muscaria"_s;
        const QString database =
            u"[open] http://www.mycodb.fr/quicksearch.php?action=search&type=espece&query=Russula"_s;
        const QString inventory =
            u"[open] http://www.mycodb.fr/inpn.php?query=Russula&action=search"_s;
        const QString website =
            u"[open] https://www.google.fr/search?q=site:www.mycofrance.fr+%22,+%22+www.mycofrance.fr++++Russula(Description)"_s;
        QTest::newRow("images on") << 0 << true << QStringList{yellowWebCall, image};
        QTest::newRow("images off") << 0 << false << QStringList{redNoConnection};
        QTest::newRow("database on") << 1 << true << QStringList{yellowWebCall, database};
        QTest::newRow("database off") << 1 << false << QStringList{redNoConnection};
        QTest::newRow("inventory on") << 7 << true << QStringList{yellowWebCall, inventory};
        QTest::newRow("inventory off") << 7 << false << QStringList{redNoConnection};
        // The website search does not ask for the connection.
        QTest::newRow("website on") << 6 << true << QStringList{website};
        QTest::newRow("website off") << 6 << false << QStringList{website};
        QTest::newRow("doc") << 2 << true << QStringList{u"[cursor] busy"_s};
        QTest::newRow("bibliography") << 3 << true << QStringList{};
        QTest::newRow("picture") << 4 << true << QStringList{};
        QTest::newRow("INPN_1") << 9 << true << QStringList{};
    }

    void webButtonsBuildTheirAddresses() {
        QFETCH(int, index);
        QFETCH(bool, online);
        QFETCH(QStringList, events);
        QTemporaryDir dir;
        Window w;
        w.state.CurrentFile = dir.filePath(u"Russula_sect-Lactarioides.txt"_s);
        writeLines(w.state.CurrentFile, {u"CHAMP=a"_s});
        w.form.results.heading.setCaption(u"Amanita muscaria"_s);
        w.platform.setOnline(online);
        w.form.lookups.webLookups(index).onClick();
        QCOMPARE(w.platform.log(), events);
        if (index != 0 && index != 4 && index != 9)
            QCOMPARE(w.form.lookups.searchName.caption(), u"Russula"_s);
        if (index == 2)
            QCOMPARE(w.form.statusBar.caption(),
                     u" recherche de la documentation,  patientez ..."_s);
    }

    void searchTextIsTheGenusOfTheTableFileName() {
        Window w;
        // A table that cannot be found gives no name and an empty search text.
        w.state.CurrentFile = u"/nulle/part/Boletus.cle"_s;
        w.form.lookups.searchName.setCaption(u"ancien"_s);
        w.form.lookups.Doc_Compose_chaine();
        QCOMPARE(w.form.lookups.searchName.caption(), QString());

        QCOMPARE(w.form.lookups.NomFich(u"/nulle/part/Boletus.cle"_s), QString());
        QCOMPARE(w.form.lookups.NomFich(u"C:\\Cles\\absent.txt"_s), QString());
        QCOMPARE(w.form.lookups.NomFich(u"essai.txt"_s), u"essai.txt"_s);
        QTemporaryDir dir;
        const QString file = dir.filePath(u"Lactarius deliciosus.txt"_s);
        writeLines(file, {});
        QCOMPARE(w.form.lookups.NomFich(file), u"Lactarius deliciosus.txt"_s);

        QString name = u"Russula_sect-Lactarioides.txt"_s;
        QCOMPARE(w.form.lookups.Extrc_Nom_genre(name), u"Russula"_s);
        QCOMPARE(name, u"Russula sect Lactarioides txt"_s);
        name = u"Boletus.cle"_s;
        QCOMPARE(w.form.lookups.Extrc_Nom_genre(name), u"Boletus"_s);
        // Only the first of each sign is replaced; no blank left: the whole text.
        name = u"a_b_c"_s;
        QCOMPARE(w.form.lookups.Extrc_Nom_genre(name), u"a"_s);
        QCOMPARE(name, u"a b_c"_s);
        name = u"Cortinarius"_s;
        QCOMPARE(w.form.lookups.Extrc_Nom_genre(name), u"Cortinarius"_s);
        name = QString();
        QCOMPARE(w.form.lookups.Extrc_Nom_genre(name), QString());
    }

    void editorGetsThePathAsItIs() {
        QTemporaryDir dir;
        Window w;
        w.state.CurrentFile = dir.filePath(u"mes clés/table d'essai; $HOME.txt"_s);
        w.form.menus.editCurrentFile.onClick(); // no such file yet: nothing
        QVERIFY(w.platform.log().isEmpty());
        writeLines(w.state.CurrentFile, {u"CHAMP=a"_s});
        w.form.lookups.editFile.onClick();
        QCOMPARE(w.platform.log(), QStringList{u"[editor] "_s + w.state.CurrentFile});
        // No editor to start: a message names the file and what was looked for.
        w.platform.setEditorAvailable(false);
        w.form.menus.editCurrentFile.onClick();
        QCOMPARE(w.platform.log().size(), 2);
        const QString message = w.platform.log().back();
        QVERIFY(message.startsWith(u"[msgbox Sylvane] Aucun éditeur de texte"_s));
        QVERIFY(message.contains(w.state.CurrentFile));
        QVERIFY(message.contains(u"$VISUAL"_s) && message.contains(u"$EDITOR"_s));
    }

    // The manual of the data folder first, then the one beside the program, then the
    // installed one; the message names every place tried, each once, when none has it.
    void documentationLooksForTheManualInTurn() {
        QTemporaryDir data, program;
        const QString installed = program.filePath(u"share/sylvane"_s);
        const QString previous = QDir::currentPath();
        QVERIFY(QDir::setCurrent(data.path()));
        Window w;
        w.state.ManualFolders = {program.path(), program.path() + u"/"_s, installed};
        const QString inData = QDir(data.path()).absoluteFilePath(u"Sylvane.pdf"_s);
        const QString beside = program.filePath(u"Sylvane.pdf"_s);
        const QString inShare = installed + u"/Sylvane.pdf"_s;
        const auto opened = [&w] {
            w.platform.clearLog();
            w.form.menus.documentation.onClick();
            return w.platform.log();
        };
        const QStringList none = opened();
        writeLines(inShare, {u"%PDF"_s});
        const QStringList installedOnly = opened();
        writeLines(beside, {u"%PDF"_s});
        const QStringList besideToo = opened();
        writeLines(inData, {u"%PDF"_s});
        const QStringList everywhere = opened();
        QVERIFY(QDir::setCurrent(previous));
        QCOMPARE(none, QStringList{u"[msgbox Sylvane] Manuel introuvable : "_s + inData +
                                   u", puis "_s + beside + u", puis "_s + inShare + u" -> ok"_s});
        QCOMPARE(installedOnly, QStringList{u"[open] "_s + inShare});
        QCOMPARE(besideToo, QStringList{u"[open] "_s + beside});
        QCOMPARE(everywhere, QStringList{u"[open] "_s + inData});
    }

    void aboutPanel() {
        Window w;
        QVERIFY(!w.form.lookups.aboutPanel.visible());
        w.form.menus.showAbout.onClick();
        QVERIFY(w.form.lookups.aboutPanel.visible());
        QCOMPARE(w.form.lookups.aboutLines(2).caption(), u"Version du 2023 01 28"_s);
        QVERIFY(w.form.lookups.aboutLines(1).caption().contains(u"Sylvane"_s));
        w.form.lookups.aboutButtons(3).onClick();
        QCOMPARE(
            w.platform.log(),
            QStringList{
                u"[open] mailto:equipe@sylvane.example.org?subject=Question Sylvane&body=****"_s});
        w.form.lookups.aboutButtons(2).onClick();
        QVERIFY(!w.form.lookups.aboutPanel.visible());

        Window earlier(core::Edition::Earlier);
        earlier.form.lookups.MnApropos_Click();
        QCOMPARE(earlier.form.lookups.aboutLines(2).caption(), u"Version du 2019 02 02"_s);
    }

    void fieldCheckReport_data() {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("report");
        const QStringList header{u"TITRE=t"_s, u"COM=c"_s, u""_s, u"CHAMP=a;b;c;d"_s};
        QStringList bad = header;
        bad << u"1;2;3;4"_s << u"1;2;3;4"_s << u"1;2;3;4"_s << u"1;2;3;4"_s << u"1;2;3;4;5"_s;
        QTest::newRow("line 9") << bad << u"\r\nligne 9 /  Nbchamps   4/   Idc   5"_s;
        QTest::newRow("all right") << (header + QStringList{u"1;2;3;4"_s}) << u"\r\n OK"_s;
        QTest::newRow("no field line")
            << QStringList{u"TITRE=t"_s, u"a;b"_s} << u"\r\ndéclaration `Champ=` non trouvée"_s;
    }

    void fieldCheckReport() {
        QFETCH(QStringList, lines);
        QFETCH(QString, report);
        QTemporaryDir dir;
        Window w;
        w.state.CurrentFile = dir.filePath(u"t.txt"_s);
        writeLines(w.state.CurrentFile, lines);
        w.state.KeyTable.setFieldNames({u"a"_s, u"b"_s, u"c"_s, u"d"_s});
        w.form.identification.history.addItem(u"5  ancienne ligne"_s);
        w.form.results.textPanel.setText(u"ancien rapport"_s);
        w.form.menus.checkFields.onClick();
        QCOMPARE(w.form.results.textPanel.text(), report);
        QVERIFY(w.form.results.textPanel.visible());
        QCOMPARE(w.form.identification.taxaTitle.caption(), u"Vérification Nb champs"_s);
        QCOMPARE(w.form.identification.history.count(), 0);
    }

    void optimisationCommandAsksThenReportsFailures() {
        QTemporaryDir dir;
        if (dir.path().contains(u'.'))
            QSKIP("the backup is named after the first dot of the whole path");
        const QString previous = QDir::currentPath();
        QVERIFY(QDir::setCurrent(dir.path()));
        Window w;
        const QString table = dir.filePath(u"a.txt"_s);
        const QString noDot = dir.filePath(u"sans_point"_s);
        writeLines(table, {u"CHAMP=a;b"_s, u"x ; y"_s});
        writeLines(noDot, {u"CHAMP=a;b"_s, u"x ; y"_s});

        w.form.menus.optimiseFile.onClick(); // cancelled dialog: nothing at all
        const QStringList cancelled = w.platform.log();

        w.platform.queueDialogResult(table);
        w.platform.queueAnswer(core::MessageAnswer::Yes);
        w.form.menus.optimiseFile.onClick();
        const QStringList yes = w.platform.log();
        w.platform.clearLog();

        w.platform.queueDialogResult(noDot);
        w.platform.queueAnswer(core::MessageAnswer::Yes);
        w.form.fileTools.MnuOptim_Click();
        const QStringList failed = w.platform.log();
        QVERIFY(QDir::setCurrent(previous));

        QVERIFY(cancelled.isEmpty());
        QCOMPARE(yes, QStringList{u"[msgbox ] Désirez vous remplacer le fichier "_s + table +
                                  u" ?  -> yes"_s});
        core::TextFileReader reader;
        QVERIFY(reader.open(table));
        QCOMPARE(reader.lines(), (QStringList{u"CHAMP=a;b"_s, u"x;y"_s}));
        QVERIFY(QFile::exists(dir.filePath(u"a.bak"_s)));
        QVERIFY(QFile::exists(dir.filePath(u"$$temp.txt"_s)));

        // A failure is said, never passed over: here the backup cannot be named.
        QCOMPARE(failed.size(), 2);
        QVERIFY(failed[1].startsWith(u"[msgbox Sylvane] Le fichier "_s + noDot +
                                     u" n'a pas été remplacé"_s));
        QVERIFY(reader.open(noDot));
        QCOMPARE(reader.lines()[1], u"x ; y"_s);
    }

    // Optimising another file shows its line count under "Données fichier", but the
    // loaded table keeps its own rows: "liste" still lists every taxon, until the next
    // load shows the table's count again.
    void anOptimisedFileShowsItsCountButTheTableKeepsItsRows() {
        QTemporaryDir dir;
        Window w;
        w.state.CurrentFolder = dir.path(); // where the optimisation's work file goes
        w.state.CurrentFile = dir.filePath(u"cepes.txt"_s);
        writeLines(w.state.CurrentFile,
                   {u"CHAMP=Espece;Chapeau"_s, u"A;brun"_s, u"B;ocre"_s, u"C;blanc"_s});
        QVERIFY(w.form.execute());
        const QString other = dir.filePath(u"autre.txt"_s);
        writeLines(other, {u"CHAMP=a"_s, u"x"_s});
        w.platform.queueDialogResult(other);
        w.platform.queueAnswer(core::MessageAnswer::No);
        w.form.fileTools.MnuOptim_Click();

        w.form.fileTools.MnuCarfic_Click();
        QCOMPARE(w.form.identification.history.itemText(1), u"nombre de lignes  :  1"_s);
        w.form.identification.Command2_Click();
        QCOMPARE(w.form.identification.taxonList.texts(),
                 (QStringList{u"A 2"_s, u"B 3"_s, u"C 4"_s}));
        QVERIFY(w.form.execute());
        w.form.fileTools.MnuCarfic_Click();
        QCOMPARE(w.form.identification.history.itemText(1), u"nombre de lignes  :  4"_s);
    }

    void fileDataReplacesTheHistory() {
        Window w;
        w.state.CurrentFile = u"/cles/a b.txt"_s;
        w.state.OptimisedLineCount = 40000; // another file optimised last
        w.state.KeyTable.setFieldNames(QStringList(17, u"champ"_s));
        w.form.identification.history.addItem(u"5  ligne"_s);
        w.form.menus.fileData.onClick();
        QCOMPARE(w.form.identification.history.count(), 4);
        QCOMPARE(w.form.identification.history.entries()[0].text,
                 u"fichier en cours  :  /cles/a b.txt"_s);
        QCOMPARE(w.form.identification.history.entries()[1].text, u"nombre de lignes  :  40000"_s);
        QCOMPARE(w.form.identification.history.entries()[2].text, u"nombre de champs  :  17"_s);
        QCOMPARE(w.form.identification.history.entries()[3].text, u"Séparateur de champ <;>"_s);
    }
};

QTEST_GUILESS_MAIN(TestFileToolsLookups)
#include "tst_filetools_lookups.moc"
