// The main window on screen: its widgets, menus, pop-up menus, clipboard, closing and
// the transient message, driven through the real widgets.
#include "uifixture.h"

#include "ui/menuview.h"
#include "ui/windowview.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QListView>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>

using namespace Qt::StringLiterals;
using namespace sylvane;

namespace {

const QString sampleTable = QStringLiteral(SYLVANE_SAMPLE_DATA "/champignons_europe.txt");

QString widgetText(QWidget* widget) {
    if (auto* button = qobject_cast<QAbstractButton*>(widget))
        return button->text();
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        if (label->textFormat() != Qt::RichText)
            return label->text();
        QTextDocument shown; // a caption with its letter underlined
        shown.setHtml(label->text());
        return shown.toPlainText();
    }
    if (auto* box = qobject_cast<QGroupBox*>(widget))
        return box->title();
    return {};
}

// The centre of an entry of a list widget, in its viewport.
QPoint rowCentre(QListView* list, int row) {
    return list->visualRect(list->model()->index(row, 0)).center();
}

// The captions as the models have them: without the mnemonic marks the menus add.
QStringList menuTexts(const QList<QAction*>& actions) {
    QStringList texts;
    for (const QAction* action : actions)
        texts.append(QString(action->text()).remove(u'&') +
                     (action->isVisible() ? u""_s : u" [hidden]"_s) +
                     (action->isEnabled() ? u""_s : u" [greyed]"_s));
    return texts;
}

} // namespace

class TestFormTblView : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void init() { QGuiApplication::clipboard()->clear(); }

    void controlsAtStart() {
        QTemporaryDir app;
        MainWindowFixture f(app.path());
        auto& v = f.view.view();
        const double dpi = v.dpi();
        // The design without the status bar's strip, which is the window's status bar.
        QCOMPARE(v.designedSize(), QSize(qRound(16155 * dpi / 1440), qRound(10440 * dpi / 1440)));
        QCOMPARE(v.size(), v.designedSize());
        const QList<std::pair<QString, QString>> captions = {
            {u"Command1"_s, u"RAZ"_s},
            {u"Command2"_s, u"liste"_s},
            {u"Command3"_s, u"Chercher"_s},
            {u"Command5"_s, u"<=="_s},
            {u"Command4"_s, u"ferme  fenêtre"_s},
            {u"Check3"_s, u"Ignorer les accents"_s},
            {u"Check4"_s, u"Tous"_s},
            {u"CheckChoix"_s, u"choix multiple"_s},
            {u"Check5"_s, u"masquer les champs non renseignés"_s},
            {u"Check6"_s, u"comparer"_s},
            {u"Label4"_s, u"Commentaires"_s},
            {u"Label5"_s, u"Espèces trouvées"_s},
            {u"Label6"_s, u"Champs"_s},
            {u"Label10"_s, u"Historique recherche"_s},
            {u"Label11"_s, u"Description "_s},
            {u"Lab_Resultat"_s, u"..."_s},
            {u"Command9"_s, u"Appel Crx"_s},
            {u"FraMycm"_s, u"A propos"_s}};
        for (const auto& [name, caption] : captions) {
            QWidget* widget = widgetNamed(v, name);
            QVERIFY2(widget, qPrintable(name));
            QCOMPARE(widgetText(widget), caption);
        }
        for (const QString& shown :
             {u"List2"_s, u"ListDesc"_s, u"ListEspeces"_s, u"ListeResultat"_s, u"List4"_s,
              u"List5"_s, u"Command1"_s, u"Check3"_s, u"CheckMeilleurs"_s, u"CheckRetenus"_s})
            QVERIFY2(widgetNamed(v, shown)->isVisibleTo(&v), qPrintable(shown));
        QVERIFY(
            widgetNamed(v, u"StatusBar1"_s)->isVisibleTo(&f.view)); // in the window's status bar
        for (const QString& hidden :
             {u"Command4"_s, u"Command8"_s, u"Command9"_s, u"Command10"_s, u"Command11"_s,
              u"Command6(1)"_s, u"Text1"_s, u"Text2"_s, u"ChkFormat"_s, u"Check2"_s, u"Picture1"_s,
              u"FraFlash"_s, u"FraMycm"_s, u"Frame12"_s, u"Label17"_s})
            QVERIFY2(!widgetNamed(v, hidden)->isVisibleTo(&v), qPrintable(hidden));
        QVERIFY(!widgetNamed(v, u"Command9"_s)->isEnabled());
        QCOMPARE(widgetNamed(v, u"Lab_Resultat"_s)->palette().color(QPalette::WindowText),
                 QColor(Qt::red));
        QVERIFY(!widgetNamed<QCheckBox>(v, u"ChkFormat"_s)->isChecked());
        QVERIFY(widgetNamed<QCheckBox>(v, u"Check1(1)"_s)->isChecked());

        // The developer mode shows its controls, and only those.
        ui::showDeveloperControls(f.form);
        for (const QString& shown : {u"Command8"_s, u"Command9"_s, u"Command11"_s, u"Command6(0)"_s,
                                     u"Command6(2)"_s, u"Frame12"_s})
            QVERIFY2(widgetNamed(v, shown)->isVisibleTo(&v), qPrintable(shown));
        QVERIFY(!widgetNamed(v, u"ChkFormat"_s)->isVisibleTo(&v));
    }

    void menusInOrder() {
        QTemporaryDir app;
        MainWindowFixture f(app.path());
        const QList<QAction*> bar = f.view.menuBar()->actions();
        QCOMPARE(menuTexts(bar),
                 (QStringList{u"Fichiers"_s, u"Edition"_s, u"Paramètres"_s, u"Outils"_s}));
        QCOMPARE(menuTexts(bar[0]->menu()->actions()),
                 (QStringList{u"Ouvrir"_s, u"Rapport d'identification..."_s, u"Quitter"_s}));
        QCOMPARE(menuTexts(bar[1]->menu()->actions()), QStringList{u"Copie resultat"_s});
        QCOMPARE(menuTexts(bar[2]->menu()->actions()),
                 (QStringList{u"Polices [greyed]"_s, u"Fic actuel =>Fic Défaut"_s,
                              u"Sauver les options"_s}));
        QCOMPARE(
            menuTexts(bar[3]->menu()->actions()),
            (QStringList{u"Fic actuel =>Fic Défaut"_s, u"filtrage *Tab [greyed]"_s,
                         u"Optimisation de fichier"_s, u"Données fichier"_s, u"à propos [greyed]"_s,
                         u"Sauver options [hidden] [greyed]"_s, u"Editer fichier en cours"_s,
                         u"Verif champs"_s, u"Documentation"_s, u"A propos"_s}));
        // A model change shows at the next refresh; a chosen item runs its handler.
        f.form.menus.filterTabs.setEnabled(true);
        QVERIFY(f.view.menus()->actionFor(f.form.menus.filterTabs)->isEnabled());
        f.state.CurrentFile = u"/x/y.txt"_s;
        f.view.menus()->actionFor(f.form.menus.makeDefaultFile)->trigger();
        QCOMPARE(f.state.DataFolder, u"/x/"_s);
    }

    // Every caption shows whole and no two controls overlap, with a table loaded, the
    // developer controls shown, and again with the keyword panel open.
    void layoutIsTidy() {
        QTemporaryDir app;
        MainWindowFixture f(app.path());
        MessageBoxAnswer noSettings(QMessageBox::Ok);
        f.form.Form_Load(sampleTable);
        QVERIFY(noSettings.answered());
        f.form.Form_Activate();
        ui::showDeveloperControls(f.form);
        f.form.results.closeTextPanel.setVisible(true);
        auto& v = f.view.view();
        const auto check = [&v] {
            const auto widgets = v.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
            for (QWidget* a : widgets) {
                if (!a->isVisibleTo(&v) || a->objectName().isEmpty())
                    continue;
                const QString text = widgetText(a);
                if (!text.isEmpty() && !qobject_cast<QGroupBox*>(a) &&
                    a->objectName() != u"Label9"_s)
                    QVERIFY2(a->sizeHint().width() <= a->width(),
                             qPrintable(a->objectName() + u" cuts "_s + text));
                for (QWidget* b : widgets)
                    if (a < b && b->isVisibleTo(&v) && !b->objectName().isEmpty())
                        QVERIFY2(!a->geometry().intersects(b->geometry()),
                                 qPrintable(a->objectName() + u" over "_s + b->objectName()));
            }
        };
        check();
        // The keyword panel takes the place of the comments list.
        f.form.keyword.panel.setVisible(true);
        f.form.results.commentList.setVisible(false);
        f.form.results.commentsTitle.setVisible(false);
        check();
        for (QWidget* child : widgetNamed(v, u"Picture1"_s)->findChildren<QWidget*>())
            if (!widgetText(child).isEmpty() && !qobject_cast<QGroupBox*>(child))
                QVERIFY2(child->sizeHint().width() <= child->width(),
                         qPrintable(child->objectName() + u" needs "_s +
                                    QString::number(child->sizeHint().width()) + u" has "_s +
                                    QString::number(child->width())));
    }

    // A right press over ListDesc shows its pop-up; "Copie " puts the list on the clipboard.
    void popupCopiesTheList() {
        QTemporaryDir app;
        MainWindowFixture f(app.path());
        f.form.identification.valueList.setEntries({{u"brun"_s}, {u"blanc"_s}});
        auto* list = widgetNamed<QListView>(f.view.view(), u"ListDesc"_s);
        QCOMPARE(list->model()->rowCount(), 2);

        QString shownItems;
        QTimer::singleShot(50, list, [&shownItems] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            QVERIFY(menu);
            shownItems = menuTexts(menu->actions()).join(u'|');
            menu->setActiveAction(menu->actions().constFirst());
            QTest::keyClick(menu, Qt::Key_Return);
        });
        QTest::mousePress(list->viewport(), Qt::RightButton, {}, rowCentre(list, 1));
        QCOMPARE(shownItems, u"Copie "_s);
        QCOMPARE(QGuiApplication::clipboard()->text(), u"blanc\r\nbrun\r\n"_s);
        QCOMPARE(f.form.identification.valueList.currentIndex(),
                 -1); // a right press selects nothing

        // One entry: no pop-up.
        f.form.identification.valueList.setEntries({{u"seul"_s}});
        QTest::mousePress(list->viewport(), Qt::RightButton, {}, rowCentre(list, 0));
        QVERIFY(!QApplication::activePopupWidget());
    }

    void closingQuestion() {
        QTemporaryDir app;
        MainWindowFixture f(app.path());
        f.form.setCaption(u"Sylvane : Amanites"_s);
        f.view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f.view));
        QString title, text;
        bool question = false;
        const auto look = [&](QMessageBox& box) {
            title = box.windowTitle();
            text = box.text();
            question = box.icon() == QMessageBox::Question;
        };
        {
            MessageBoxAnswer no(QMessageBox::No, look);
            QVERIFY(!f.view.close());
            QVERIFY(no.answered());
        }
        QCOMPARE(title, u"Sylvane : Amanites"_s);
        QCOMPARE(text, u"Voulez-vous vraiment quitter Sylvane ? "_s);
        QVERIFY(question);
        QVERIFY(f.view.isVisible());
        QVERIFY(f.form.visible());

        // "Quitter" asks the same; Yes closes.
        MessageBoxAnswer yes(QMessageBox::Yes);
        f.view.menus()->actionFor(f.form.menus.quit)->trigger();
        QVERIFY(yes.answered());
        QVERIFY(!f.view.isVisible());
        QVERIFY(!f.form.visible());
    }

    // Flash: a yellow frame 100 twips per character wide and 800 high, black text, shown
    // for delai seconds; a nested message reshapes it, then the outer one shows it again.
    void flashGeometryAndDuration() {
        QTemporaryDir app;
        BasicMainWindowFixture<ManualClockPlatform> f(app.path());
        showAtDesignedSize(f.view);
        auto& v = f.view.view();
        QWidget* frame = widgetNamed(v, u"FraFlash"_s);
        auto* label = widgetNamed<QLabel>(v, u"lblLabelflashx"_s);
        QRect seen;
        bool shown = false;
        QString nestedTextAfter;
        qint64 nestedEnd = 0;
        f.platform.at(300, [&] {
            shown = frame->isVisible();
            seen = frame->geometry();
            QCOMPARE(frame->palette().color(QPalette::Window), QColor(Qt::yellow));
            QCOMPARE(label->palette().color(QPalette::WindowText), QColor(Qt::black));
            QCOMPARE(label->text(), u"0123456789"_s);
            f.form.Flash(engine::Colour::Red, u"abc"_s, 1, 0, 0);
            nestedEnd = f.platform.now();
            nestedTextAfter = f.form.flashFrame.visible() ? u"visible"_s : u"hidden"_s;
            f.platform.at(nestedEnd + 200, [&] {
                nestedTextAfter +=
                    u" "_s + label->text() + (frame->isVisible() ? u" visible"_s : u" hidden"_s);
            });
        });
        f.form.Flash(engine::Colour::Yellow, u"0123456789"_s, 2, 500, 500);
        QVERIFY(shown);
        QCOMPARE(seen, QRect(QPoint(qRound(500 * v.dpi() / 1440), qRound(500 * v.dpi() / 1440)),
                             QPoint(qRound(1500 * v.dpi() / 1440) - 1,
                                    qRound(1300 * v.dpi() / 1440) - 1)));
        // The nested one lasted its second and hid the frame at its end; the outer showed
        // it again with the nested text until its own two seconds were up, not longer.
        QCOMPARE(nestedEnd, 300 + 1000);
        QCOMPARE(nestedTextAfter, u"hidden abc visible"_s);
        QCOMPARE(f.platform.now(), 2000);
        QVERIFY(!frame->isVisible());
    }

    // One identification step by clicks on the widgets: a field, then a value.
    void identificationStepByClicks() {
        QTemporaryDir app;
        MainWindowFixture f(app.path());
        MessageBoxAnswer noSettings(QMessageBox::Ok);
        f.form.Form_Load(sampleTable);
        f.form.Form_Activate();
        f.view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f.view));
        auto& v = f.view.view();
        auto* fields = widgetNamed<QListView>(v, u"List2"_s);
        auto* values = widgetNamed<QListView>(v, u"ListDesc"_s);
        auto* taxa = widgetNamed<QListView>(v, u"ListEspeces"_s);
        QTest::mouseClick(fields->viewport(), Qt::LeftButton, {}, rowCentre(fields, 0));
        QVERIFY(values->model()->rowCount() > 0);
        QCOMPARE(values->model()->rowCount(), f.form.identification.valueList.count());
        QTest::mouseClick(values->viewport(), Qt::LeftButton, {}, rowCentre(values, 0));
        QVERIFY(taxa->model()->rowCount() > 0);
        QCOMPARE(taxa->model()->rowCount(), f.form.identification.taxonList.count());
        QCOMPARE(widgetNamed<QLabel>(v, u"Nb_Trouve"_s)->text(),
                 f.form.identification.foundCount.caption());
    }

    // With the ranking on, a press on a field half shown at the foot of the list chooses
    // that field, and the list does not move under the pointer until the release.
    void aPressedFieldStaysUnderThePointer() {
        QTemporaryDir app;
        MainWindowFixture f(app.path());
        MessageBoxAnswer noSettings(QMessageBox::Ok);
        f.form.Form_Load(sampleTable);
        f.form.Form_Activate();
        showAtDesignedSize(f.view);
        QVERIFY(QTest::qWaitForWindowExposed(&f.view));
        auto* fields = widgetNamed<QListView>(f.view.view(), u"List2"_s);
        QTest::mouseClick(widgetNamed<QAbstractButton>(f.view.view(), u"CheckMeilleurs"_s),
                          Qt::LeftButton);
        QVERIFY(f.form.identification.session().fieldsRanked());
        // The list cut through its sixth row, whatever room the window gives it.
        const int rowHeight = fields->visualRect(fields->model()->index(0, 0)).height();
        fields->resize(fields->width(), fields->height() - fields->viewport()->height() +
                                            5 * rowHeight + rowHeight / 2);
        // The first row that the viewport cuts.
        int row = 0;
        while (row < fields->model()->rowCount() &&
               fields->visualRect(fields->model()->index(row, 0)).bottom() <
                   fields->viewport()->height())
            ++row;
        QVERIFY(row < fields->model()->rowCount());
        const QRect cut = fields->visualRect(fields->model()->index(row, 0));
        const QPoint pointer(cut.center().x(), cut.top() + 2);
        const int scrolled = fields->verticalScrollBar()->value();
        QTest::mousePress(fields->viewport(), Qt::LeftButton, {}, pointer);
        QCOMPARE(fields->verticalScrollBar()->value(), scrolled);
        QCOMPARE(fields->indexAt(pointer).row(), row);
        QCOMPARE(f.form.identification.fieldList.currentIndex(), row);
        // Released, the field chosen shows whole, still current.
        QTest::mouseRelease(fields->viewport(), Qt::LeftButton, {}, pointer);
        QVERIFY(fields->viewport()->rect().contains(fields->visualRect(fields->currentIndex())));
        QCOMPARE(fields->currentIndex().row(), row);
        QVERIFY(f.form.identification.valueList.count() > 0);
    }
};

QTEST_MAIN(TestFormTblView)
#include "tst_formtblview.moc"
