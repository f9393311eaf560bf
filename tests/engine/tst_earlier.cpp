// What the earlier build does differently and cannot be seen in a transcript: the
// settings file, the placement of the keyword panel and the comments, and the word
// picker's owner.
#include "core/textfile.h"
#include "engine/formtblfixture.h"
#include "engine/wordpickerhost.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace sylvane;

namespace {

struct Main : testing::FormTblFixture {
    explicit Main(core::Edition edition, const QString& appFolder = QString())
        : FormTblFixture(edition) {
        state.AppFolder = appFolder;
    }
};

QStringList readLines(const QString& path) {
    core::TextFileReader reader;
    return reader.open(path) ? reader.lines() : QStringList{u"<unreadable>"_s};
}

} // namespace

class TestEarlier : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void cleanup() { QDir::setCurrent(QDir::tempPath()); }

    void settingsHaveNoMultipleChoice_data() {
        QTest::addColumn<int>("edition");
        QTest::newRow("current") << int(core::Edition::Current);
        QTest::newRow("earlier") << int(core::Edition::Earlier);
    }
    void settingsHaveNoMultipleChoice() {
        QFETCH(int, edition);
        const bool earlier = edition == int(core::Edition::Earlier);
        QTemporaryDir app;
        const QString table = app.filePath(u"cles/a.txt"_s);
        QVERIFY(QDir().mkpath(app.filePath(u"cles"_s)));
        QVERIFY(core::writeTextFile(table, {u"CHAMP=a;b"_s}));

        Main saving(core::Edition(edition), app.path());
        saving.form.Ini_Charge(); // no file yet: the message, then the defaults
        saving.state.CurrentFile = table;
        saving.form.identification.multipleChoice.setValue(1);
        saving.form.ini_sauve();
        QStringList expected{QString(), u"FICDEFAUT ="_s + table,
                             u"REPDATA ="_s + app.filePath(u"cles/"_s)};
        if (!earlier)
            expected.append(u"CHOIXMULT =1"_s);
        QCOMPARE(readLines(saving.state.SettingsFile), expected);

        // A CHOIXMULT line written by the other build is not read: neither its value nor
        // a value that is no number (which ends the reading of the current build before
        // the font size).
        QVERIFY(core::writeTextFile(app.filePath(u"Sylvane.ini"_s),
                                    {u"CHOIXMULT =1"_s, u"CHOIXMULT =x"_s, u"FNT=12"_s}));
        Main reading(core::Edition(edition), app.path());
        reading.form.Ini_Charge();
        QCOMPARE(reading.form.identification.multipleChoice.value(), earlier ? 0 : 1);
        QCOMPARE(reading.form.identification.valueList.fontSize(), earlier ? 12.0 : 0.0);
    }

    void panelAndCommentsPlacement() {
        Main earlier(core::Edition::Earlier);
        earlier.form.results.resultList.setGeometry(5700, 4080, 10350, 4620);
        earlier.form.position_fenetres();
        QCOMPARE(earlier.form.keyword.panel.left(), 50);
        QCOMPARE(earlier.form.keyword.panel.top(), 6000);
        QCOMPARE(earlier.form.results.commentList.left(), 250);
        QCOMPARE(earlier.form.results.commentList.top(), 6600);

        Main current(core::Edition::Current);
        current.form.results.resultList.setGeometry(5700, 4080, 10350, 4620);
        current.form.position_fenetres();
        QCOMPARE(current.form.results.commentList.top(), 4080 + 4620 - 800);
    }

    void startUpSetsNoStatusTextOfItsOwn() {
        QTemporaryDir app;
        Main earlier(core::Edition::Earlier, app.path());
        earlier.form.Form_Load(QString());
        QCOMPARE(earlier.form.statusBar.caption(), QString());
        earlier.form.Form_Activate();
        QCOMPARE(earlier.form.statusBar.caption(),
                 u" Clic droit sur les fenêtre jaunes pour ciopier le texte"_s);
        QCOMPARE(earlier.form.identification.multipleChoice.value(), 1);
    }

    void wordPickerIsLoadedOnceAndLooksUpThePickedWord() {
        Main main(core::Edition::Earlier);
        engine::WordPickerHost host(main.form, main.state, main.platform);
        int loads = 0;
        host.onLoaded = [&](engine::Form1&) { ++loads; };
        QVERIFY(!host.window());

        const QString twelve = u"  a b c d e f g h i j k l "_s;
        host.show(u"Bibliographie"_s, twelve);
        engine::Form1* window = host.window();
        QVERIFY(window);
        QCOMPARE(window->caption(), u"Bibliographie"_s);
        QVERIFY(window->visible());
        QCOMPARE(window->left(), 1000);
        QCOMPARE(window->width(), 4100);
        QCOMPARE(window->wordFrame.height(), 5200);
        QVERIFY(window->wordOptions(8).visible());
        QCOMPARE(window->wordOptions(8).caption(), u"i"_s);
        QCOMPARE(window->wordOptions(8).top(), 800 + 400 * 8);

        host.show(u"Autre"_s, u"Boletus edulis"_s);
        QCOMPARE(host.window(), window);
        QCOMPARE(loads, 1);
        QCOMPARE(window->caption(), u"Autre"_s);
        QVERIFY(!window->wordOptions(2).visible());

        // While the main window is busy the lookup is refused; afterwards it searches.
        window->wordOptions(1).setValue(1);
        window->wordOptions(0).setValue(0);
        {
            engine::Window::BusyScope busy(main.form);
            window->Command1_Click(0);
        }
        QCOMPARE(main.form.keyword.keywords(0).text(), QString());
        QVERIFY(!main.form.keyword.panel.visible());
        window->setVisible(true);
        window->Command1_Click(0);
        QVERIFY(!window->visible());
        QCOMPARE(main.form.keyword.keywords(0).text(), u"edulis"_s);
        QVERIFY(main.form.keyword.panel.visible());
        QCOMPARE(main.form.results.heading.caption(), u"Résultat recherche : edulis"_s);
    }

    void theCurrentBuildKeepsItsComparisonAndOpensNoWordPicker() {
        Main main(core::Edition::Current);
        main.state.KeyTable.setFieldNames({u"Espece"_s, u"Chapeau"_s});
        main.state.KeyTable.setCell(1, 1, u"Boletus edulis"_s);
        main.state.KeyTable.setCell(1, 2, u"brun"_s);
        main.form.identification.taxonList.addItem(u"Boletus edulis"_s, 1);
        main.form.identification.taxonList.setCurrentIndex(0);
        QCOMPARE(main.form.identification.compare.caption(), u"comparer"_s);
        main.form.identification.compare.setValue(1);
        main.form.results.ListEspeces_Click();
        QCOMPARE(main.form.results.resultList.itemText(0),
                 u">   critères communs avec  Boletus edulis"_s);
        QCOMPARE(main.form.statusBar.caption(), QString());

        main.form.lookups.Command6_Click(3);
        QVERIFY(main.windows.wordPickers.isEmpty());
        QVERIFY(main.platform.log().isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestEarlier)
#include "tst_earlier.moc"
