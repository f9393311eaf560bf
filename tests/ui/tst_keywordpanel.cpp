// The keyword panel on screen: opened by "Chercher", a keyword typed, a search by click.
#include "uifixture.h"

#include "ui/windowview.h"

#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace sylvane;

class TestKeywordPanel : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void searchTheTaxaByClicks() {
        QTemporaryDir app;
        MainWindowFixture f(app.path());
        MessageBoxAnswer noSettings(QMessageBox::Ok);
        f.form.Form_Load(QStringLiteral(SYLVANE_SAMPLE_DATA "/champignons_europe.txt"));
        f.form.Form_Activate();
        f.view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f.view));
        auto& v = f.view.view();

        QTest::mouseClick(widgetNamed<QPushButton>(v, u"Command2"_s),
                          Qt::LeftButton); // "liste": every taxon
        QVERIFY(f.form.identification.taxonList.count() > 40);
        QTest::mouseClick(widgetNamed<QPushButton>(v, u"Command3"_s),
                          Qt::LeftButton); // "Chercher" opens the panel
        QVERIFY(widgetNamed(v, u"Picture1"_s)->isVisible());
        QVERIFY(!widgetNamed(v, u"List5"_s)->isVisible());

        auto* species = widgetNamed<QAbstractButton>(v, u"Option3(1)"_s);
        QTest::mouseClick(species, Qt::LeftButton, {}, QPoint(8, species->height() / 2));
        QVERIFY(!widgetNamed(v, u"MoCle(1)"_s)->isEnabled()); // no extraction on taxa
        auto* keyword = widgetNamed<QLineEdit>(v, u"Textcle(0)"_s);
        keyword->clear();
        QTest::keyClicks(keyword, u"amanita"_s); // case ignored: finds "Amanita ..."
        QTest::mouseClick(widgetNamed<QPushButton>(v, u"MoCle(0)"_s), Qt::LeftButton);

        auto* results = widgetNamed<QListView>(v, u"ListeResultat"_s);
        QVERIFY(results->model()->rowCount() >= 9);
        const QString first = results->model()->index(0, 0).data().toString();
        QVERIFY2(first.contains(u" : Amanita"_s), qPrintable(first));
        QCOMPARE(widgetNamed<QLabel>(v, u"Lab_Resultat"_s)->text(),
                 u"Résultat recherche : amanita"_s);

        QTest::mouseClick(widgetNamed<QPushButton>(v, u"MoCle(2)"_s),
                          Qt::LeftButton); // "&Quitter"
        QVERIFY(!widgetNamed(v, u"Picture1"_s)->isVisible());
        QVERIFY(widgetNamed(v, u"List5"_s)->isVisible());
    }
};

QTEST_MAIN(TestKeywordPanel)
#include "tst_keywordpanel.moc"
