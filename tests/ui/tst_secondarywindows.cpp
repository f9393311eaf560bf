// The windows the main window opens, on screen: the cross-filter window driven by clicks,
// and the earlier build's word picker.
#include "uifixture.h"

#include "ui/secondarywindows.h"
#include "ui/windowview.h"

#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>

using namespace Qt::StringLiterals;
using namespace sylvane;

namespace {

const QString sampleTable = QStringLiteral(SYLVANE_SAMPLE_DATA "/champignons_europe.txt");

void clickRow(QWidget* widget, int row) {
    auto* list = qobject_cast<QListView*>(widget);
    QVERIFY(list);
    QVERIFY(row < list->model()->rowCount());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualRect(list->model()->index(row, 0)).center());
}

void clickButton(QWidget* widget) {
    auto* button = qobject_cast<QAbstractButton*>(widget);
    QVERIFY(button);
    QVERIFY(button->isVisible());
    QTest::mouseClick(button, Qt::LeftButton);
}

QString boxText(QWidget* widget) {
    if (auto* plain = qobject_cast<QPlainTextEdit*>(widget))
        return plain->toPlainText();
    if (auto* rich = qobject_cast<QTextEdit*>(widget))
        return rich->toPlainText();
    if (auto* line = qobject_cast<QLineEdit*>(widget))
        return line->text();
    return {};
}

// The main window of one build, started on the sample table, with its other windows.
struct Started : MainWindowFixture {
    Started(core::Edition edition, const QString& appFolder)
        : MainWindowFixture(appFolder, edition) {
        MessageBoxAnswer noSettings(QMessageBox::Ok); // no settings file in a fresh folder
        form.Form_Load(sampleTable);
        form.Form_Activate();
        view.show();
    }
};

} // namespace

class TestSecondaryWindows : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void crossFilterByClicks() {
        QTemporaryDir app;
        Started s(core::Edition::Current, app.path());
        QVERIFY(QTest::qWaitForWindowExposed(&s.view));
        // The first activation created the window, hidden.
        QVERIFY(s.windows.crossFilter()->window());
        QVERIFY(!s.windows.crossFilterView()->isVisible());

        ui::showDeveloperControls(s.form);
        clickButton(widgetNamed(s.view.view(), u"Command9"_s));
        ui::WindowHost* crx = s.windows.crossFilterView();
        QVERIFY(crx->isVisible());
        auto& v = crx->view();

        // A filter on the spore print: the first value listed, exact.
        auto& logic = *s.windows.crossFilter()->window();
        int field = -1;
        for (int i = 0; i < logic.fieldList.count(); ++i)
            if (logic.fieldList.itemText(i) == u"sporée"_s)
                field = i;
        QVERIFY(field >= 0);
        clickRow(widgetNamed(v, u"ListeChamps"_s), field);
        QVERIFY(logic.valueList.count() > 1);
        clickRow(widgetNamed(v, u"ListeChoix"_s), 1);
        clickButton(widgetNamed(v, u"Command2(0)"_s));
        QCOMPARE(logic.valueBoxes(0).text(), logic.valueList.itemText(1));
        clickButton(widgetNamed(v, u"Command4"_s)); // valider
        QCOMPARE(logic.FilterCount, 1);
        clickButton(widgetNamed(v, u"Command1"_s)); // Recherche
        const QString report = boxText(widgetNamed(v, u"Text3"_s));
        QVERIFY2(report.startsWith(u"espèces ;nb sp /filtres : ;"_s), qPrintable(report));
        QVERIFY(report.contains(logic.valueList.itemText(1)));
        QCOMPARE(report, QString(logic.reportBox.text()).replace(u"\r\n"_s, u"\n"_s));
    }

    void earlierBuildOpensTheWordPicker() {
        QTemporaryDir app;
        Started s(core::Edition::Earlier, app.path());
        QVERIFY(QTest::qWaitForWindowExposed(&s.view));
        QCOMPARE(s.form.identification.compare.caption(), u"masquer les lignes vides"_s);

        s.form.windows().showWordPicker(u"Bibliographie"_s, u"Amanita  muscaria (L.) Lam."_s);
        ui::WindowHost* picker = s.windows.wordPickerView();
        QVERIFY(picker);
        QVERIFY(picker->isVisible());
        QCOMPARE(picker->windowTitle(), u"Bibliographie"_s);
        auto* second = widgetNamed<QRadioButton>(picker->view(), u"Option1(1)"_s);
        QVERIFY(second);
        QCOMPARE(second->text(), u"muscaria"_s);
        QVERIFY(!widgetNamed(picker->view(), u"Option1(4)"_s)->isVisible());

        // On its round indicator: a radio button takes clicks on its indicator and text.
        QTest::mouseClick(second, Qt::LeftButton, {}, QPoint(8, second->height() / 2));
        QVERIFY(second->isChecked());
        clickButton(widgetNamed(picker->view(), u"Command1(0)"_s)); // Appel Mot-clé
        QVERIFY(!picker->isVisible());
        QCOMPARE(s.form.keyword.keywords(0).text(), u"muscaria"_s);
        QVERIFY(s.form.keyword.panel.visible());
    }

    // Once the main window's view is gone, the other windows are gone with it, before their
    // logic; the pop-ups, the closing and the cross-filter window it asks for find nothing
    // to show on, and the dialogs no parent.
    void nothingOutlivesTheMainView() {
        keytable::ProgramState state;
        ui::QtPlatform platform;
        ui::SecondaryWindows windows(state, platform);
        engine::FormTbl form(state, platform, windows);
        auto view = std::make_unique<ui::FormTblView>(form, &platform, &windows);
        form.Form_Activate();
        QPointer<ui::WindowHost> crossView = windows.crossFilterView();
        QVERIFY(crossView);
        QVERIFY(windows.crossFilter()->window());

        view.reset();
        QVERIFY(!crossView);
        QVERIFY(!windows.crossFilter());
        form.windows().showPopup(form.menus.valuePopup);
        form.windows().closeMainWindow();
        form.windows().showCrossFilter();
        QVERIFY(!windows.crossFilterView());
        QVERIFY(!QApplication::activePopupWidget());

        QWidget* parent = nullptr;
        bool asked = false;
        MessageBoxAnswer ok(QMessageBox::Ok, [&](QMessageBox& box) {
            asked = true;
            parent = box.parentWidget();
        });
        platform.messageBox(u"Sylvane"_s, u"Sylvane"_s, core::MessageButtons::Ok);
        QVERIFY(asked);
        QCOMPARE(parent, nullptr);
    }
};

QTEST_MAIN(TestSecondaryWindows)
#include "tst_secondarywindows.moc"
