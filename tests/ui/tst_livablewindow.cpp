// The main window as a person lives with it: a layout that follows the window's size,
// the keyboard, French dialogs, the window's place on the screen and its icon.
#include "uifixture.h"

#include "ui/frenchtranslations.h"
#include "ui/menuview.h"
#include "ui/mnemonics.h"
#include "ui/secondarywindows.h"
#include "ui/windowplacement.h"
#include "ui/windowplaces.h"
#include "ui/windowview.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeView>

using namespace Qt::StringLiterals;
using namespace sylvane;

namespace {

const QString sampleTable = QStringLiteral(SYLVANE_SAMPLE_DATA "/champignons_europe.txt");

// The main window shown, started on the sample table.
struct Started : MainWindowFixture {
    explicit Started(const QString& appFolder) : MainWindowFixture(appFolder) {
        MessageBoxAnswer noSettings(QMessageBox::Ok);
        form.Form_Load(sampleTable);
        form.Form_Activate();
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
    }
    // The client area at size, the menu bar and the status bar around it.
    void resizeClient(QSize size) {
        view.resize(size + (view.size() - view.view().size()));
        QCOMPARE(view.view().size(), size.expandedTo(view.view().minimumSize()));
    }
    template <typename T> T* widget(const QString& name) {
        return widgetNamed<T>(view.view(), name);
    }
};

QString caption(QWidget* widget) {
    if (auto* button = qobject_cast<QAbstractButton*>(widget))
        return button->text();
    if (auto* label = qobject_cast<QLabel*>(widget))
        return label->text();
    return {};
}

// Every caption of the client area shows whole and no two visible controls overlap.
void checkTidy(ui::WindowView& v) {
    const auto widgets = v.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
    for (QWidget* a : widgets) {
        if (!a->isVisibleTo(&v) || a->objectName().isEmpty() || a->geometry().isEmpty())
            continue;
        QVERIFY2(v.rect().contains(a->geometry()), qPrintable(a->objectName() + u" leaves"_s));
        const QString text = caption(a);
        if (!text.isEmpty() && a->objectName() != u"Label9"_s)
            QVERIFY2(a->sizeHint().width() <= a->width(),
                     qPrintable(a->objectName() + u" cuts "_s + text));
        for (QWidget* b : widgets)
            if (a < b && b->isVisibleTo(&v) && !b->objectName().isEmpty())
                QVERIFY2(!a->geometry().intersects(b->geometry()),
                         qPrintable(a->objectName() + u" over "_s + b->objectName()));
        for (QWidget* child : a->findChildren<QWidget*>())
            if (child->isVisibleTo(a) && !caption(child).isEmpty())
                QVERIFY2(child->sizeHint().width() <= child->width(),
                         qPrintable(child->objectName() + u" cuts "_s + caption(child)));
    }
}

QPoint rowCentre(QListView* list, int row) {
    return list->visualRect(list->model()->index(row, 0)).center();
}

int rowOf(const engine::ListBox& list, const QString& text) {
    for (int i = 0; i < list.count(); ++i)
        if (list.itemText(i) == text)
            return i;
    return -1;
}

} // namespace

class TestLivableWindow : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    // On a 1366 x 768 screen with a task bar the three lists show twenty rows at least;
    // they take most of any height the window gains, and the comments, the history and the
    // result list keep a useful height when it shrinks. Buttons keep their size and stay
    // beside the lists.
    void theListsTakeTheRoom() {
        QTemporaryDir app;
        Started s(app.path());
        const int rowHeight = s.widget<QListView>(u"List2"_s)->sizeHintForRow(0);
        QVERIFY(rowHeight > 0);
        const auto rows = [&s, rowHeight](const QString& name) {
            return s.widget<QListView>(name)->viewport()->height() / rowHeight;
        };
        const auto heights = [&s](const QStringList& names) {
            QList<int> result;
            for (const QString& name : names)
                result.append(s.widget<QListView>(name)->height());
            return result;
        };
        const QStringList lists{u"List2"_s, u"ListDesc"_s, u"ListEspeces"_s};
        const QStringList panels{u"List5"_s, u"List4"_s, u"ListeResultat"_s};
        // A task bar of 40 pixels, a title bar of 30.
        const int chrome = s.view.height() - s.view.view().height();
        const int width = s.view.view().designedSize().width();
        s.resizeClient({width, 768 - 40 - 30 - chrome});
        for (const QString& name : lists)
            QVERIFY2(rows(name) >= 20, qPrintable(name + u" %1"_s.arg(rows(name))));
        const QList<int> listsBefore = heights(lists);
        const QList<int> panelsBefore = heights(panels);
        auto* reset = s.widget<QPushButton>(u"Command1"_s);
        const QSize resetSize = reset->size();

        s.resizeClient({width + 400, 768 - 40 - 30 - chrome + 300});
        const QList<int> listsAfter = heights(lists);
        const QList<int> panelsAfter = heights(panels);
        for (qsizetype i = 0; i < lists.size(); ++i)
            QVERIFY2(listsAfter[i] - listsBefore[i] >= 200, qPrintable(lists[i]));
        for (qsizetype i = 0; i < panels.size(); ++i)
            QVERIFY2(panelsAfter[i] > panelsBefore[i] && panelsAfter[i] - panelsBefore[i] <= 100,
                     qPrintable(panels[i]));
        QCOMPARE(reset->size(), resetSize);
        QVERIFY(reset->geometry().left() >
                s.widget<QListView>(u"ListEspeces"_s)->geometry().right());
        QVERIFY(s.widget<QCheckBox>(u"CheckChoix"_s)->geometry().top() >
                s.widget<QListView>(u"ListDesc"_s)->geometry().bottom());
        checkTidy(s.view.view());

        s.resizeClient({1, 1});
        for (const QString& name : lists)
            QVERIFY2(rows(name) >= 17, qPrintable(name + u" %1"_s.arg(rows(name))));
        QVERIFY2(rows(u"List5"_s) >= 6, qPrintable(QString::number(rows(u"List5"_s))));
        QVERIFY2(rows(u"List4"_s) >= 3, qPrintable(QString::number(rows(u"List4"_s))));
        QVERIFY2(rows(u"ListeResultat"_s) >= 10,
                 qPrintable(QString::number(rows(u"ListeResultat"_s))));
    }

    // At its minimum the whole window fits a 1366 x 768 screen with a task bar, and
    // nothing overlaps or is cut, with the developer controls, the keyword panel, or the
    // large text panel shown.
    void minimumSizeFitsASmallScreen() {
        QTemporaryDir app;
        Started s(app.path());
        s.resizeClient({1, 1});
        const QSize whole = s.view.size();
        const double scale = s.view.view().dpi() / 96;
        QVERIFY2(whole.width() <= 1000 * scale && whole.height() <= 680 * scale,
                 qPrintable(u"%1 x %2"_s.arg(whole.width()).arg(whole.height())));
        checkTidy(s.view.view());
        ui::showDeveloperControls(s.form);
        checkTidy(s.view.view());
        s.form.keyword.panel.setVisible(true);
        s.form.results.commentList.setVisible(false);
        s.form.results.commentsTitle.setVisible(false);
        checkTidy(s.view.view());
        // The status bar is Qt's, at the bottom.
        QWidget* status = widgetNamed(s.view.view(), u"StatusBar1"_s);
        QCOMPARE(status->parentWidget(), s.view.statusBar());
        QCOMPARE(qobject_cast<QLabel*>(status)->text(), s.form.statusBar.caption());
        QVERIFY(status->isVisible());
        QVERIFY2(status->height() >= status->fontMetrics().height(),
                 qPrintable(QString::number(status->height())));
        QCOMPARE(s.view.statusBar()->geometry().bottom(), s.view.rect().bottom());
    }

    // "Agrandir" opens a panel at least as large as the result list it enlarges.
    void enlargedResultsCoverTheResultList() {
        QTemporaryDir app;
        Started s(app.path());
        auto* taxa = s.widget<QListView>(u"ListEspeces"_s);
        QTest::mouseClick(s.widget<QPushButton>(u"Command2"_s), Qt::LeftButton);     // liste
        QTest::mouseClick(taxa->viewport(), Qt::LeftButton, {}, rowCentre(taxa, 0)); // a sheet
        QVERIFY(s.form.results.resultList.count() > 2);
        s.form.menus.enlargeResults.onClick();
        auto* panel = s.widget<QPlainTextEdit>(u"Text1"_s);
        QVERIFY(panel->isVisible());
        QVERIFY(panel->geometry().contains(s.widget<QListView>(u"ListeResultat"_s)->geometry()));
        QVERIFY(panel->toPlainText().contains(s.form.results.resultList.itemText(1)));
    }

    // In the value list the keyboard chooses as the mouse does; in the field list Enter
    // chooses the field.
    void keyboardChoosesAsTheMouse() {
        QTemporaryDir app;
        Started byMouse(app.path());
        QTemporaryDir app2;
        Started byKeys(app2.path());
        const int field = rowOf(byMouse.form.identification.fieldList, u"sporée"_s);
        QVERIFY(field > 0);
        auto* mouseFields = byMouse.widget<QListView>(u"List2"_s);
        auto* mouseValues = byMouse.widget<QListView>(u"ListDesc"_s);
        QTest::mouseClick(mouseFields->viewport(), Qt::LeftButton, {},
                          rowCentre(mouseFields, field));
        QTest::mouseClick(mouseValues->viewport(), Qt::LeftButton, {}, rowCentre(mouseValues, 1));

        auto* keyFields = byKeys.widget<QListView>(u"List2"_s);
        auto* keyValues = byKeys.widget<QListView>(u"ListDesc"_s);
        keyFields->setFocus();
        QTest::keyClick(keyFields, Qt::Key_Home);
        for (int i = 0; i < field; ++i)
            QTest::keyClick(keyFields, Qt::Key_Down);
        QTest::keyClick(keyFields, Qt::Key_Return);
        QCOMPARE(byKeys.form.identification.valueList.count(),
                 byMouse.form.identification.valueList.count());
        const QStringList taxaBefore = byKeys.form.identification.taxonList.texts();
        QTest::keyClick(keyValues, Qt::Key_Home);
        QTest::keyClick(keyValues, Qt::Key_Down); // moves the cursor only
        QCOMPARE(byKeys.form.identification.taxonList.texts(), taxaBefore);
        QCOMPARE(keyValues->currentIndex().row(), 1);
        QTest::keyClick(keyValues, Qt::Key_Space);
        QCOMPARE(byKeys.form.identification.taxonList.texts(),
                 byMouse.form.identification.taxonList.texts());
        QCOMPARE(byKeys.form.identification.foundCount.caption(),
                 byMouse.form.identification.foundCount.caption());
        QCOMPARE(byKeys.form.identification.fieldList.texts(),
                 byMouse.form.identification.fieldList.texts());
        // The chosen value is highlighted and has the keyboard cursor.
        QCOMPARE(keyValues->currentIndex().row(), 1);
        QVERIFY(keyValues->model()->index(1, 0).data(Qt::BackgroundRole).isValid());
        QVERIFY(!keyValues->model()->index(0, 0).data(Qt::BackgroundRole).isValid());
    }

    // Tab follows the screen: the three lists, the result list, then the commands. Alt+H,
    // Alt+S and Alt+T reach the three lists, letters no menu takes. Shift+Tab opens no
    // panel, Shift alone on the value list still does. An empty list shows it has the focus.
    void keyboardFollowsTheScreen() {
        QTemporaryDir app;
        Started s(app.path());
        QVERIFY(QTest::qWaitForWindowActive(&s.view));
        const auto focused = [] {
            return QApplication::focusWidget() ? QApplication::focusWidget()->objectName()
                                               : QString();
        };
        s.widget<QListView>(u"List2"_s)->setFocus();
        QStringList order{focused()};
        for (int i = 0; i < 5; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            order.append(focused());
        }
        QCOMPARE(order, (QStringList{u"List2"_s, u"ListDesc"_s, u"ListEspeces"_s,
                                     u"ListeResultat"_s, u"Command1"_s, u"Command2"_s}));

        const QList<std::pair<Qt::Key, QString>> letters = {
            {Qt::Key_S, u"ListDesc"_s}, {Qt::Key_T, u"ListEspeces"_s}, {Qt::Key_H, u"List2"_s}};
        for (const auto& [key, list] : letters) {
            QTest::keyClick(&s.view, key, Qt::AltModifier);
            QCOMPARE(focused(), list);
        }
        for (QAction* menu : s.view.menuBar()->actions()) {
            const QString text = menu->text();
            const QChar letter = text[text.indexOf(u'&') + 1].toLower();
            QVERIFY2(!QStringList({u"h"_s, u"s"_s, u"t"_s}).contains(letter), qPrintable(text));
        }

        auto* values = s.widget<QListView>(u"ListDesc"_s);
        values->setFocus();
        QTest::keyPress(values, Qt::Key_Shift);
        QTest::keyClick(values, Qt::Key_Backtab, Qt::ShiftModifier);
        QTest::keyRelease(QApplication::focusWidget(), Qt::Key_Shift);
        QCOMPARE(focused(), u"List2"_s);
        QVERIFY(!s.form.results.textPanel.visible());
        values->setFocus();
        QTest::keyPress(values, Qt::Key_Shift);
        QTest::keyRelease(values, Qt::Key_Shift);
        QVERIFY(s.form.results.textPanel.visible());
        // The panel covers the result list: Tab goes to the panel, then to its button.
        QTest::keyClick(values, Qt::Key_Tab);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(focused(), u"Text1"_s);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(focused(), u"Command4"_s);

        auto* taxa = s.widget<QListView>(u"ListEspeces"_s);
        QCOMPARE(taxa->model()->rowCount(), 0);
        values->setFocus();
        const QImage withoutFocus = taxa->grab().toImage();
        taxa->setFocus();
        QVERIFY(taxa->grab().toImage() != withoutFocus);
    }

    // Enter in a keyword box runs "Chercher" as its button does.
    void enterInTheKeywordBoxSearches() {
        QTemporaryDir app;
        Started s(app.path());
        QTest::mouseClick(s.widget<QPushButton>(u"Command2"_s), Qt::LeftButton); // liste
        QTest::mouseClick(s.widget<QPushButton>(u"Command3"_s), Qt::LeftButton); // Chercher
        auto* species = s.widget<QAbstractButton>(u"Option3(1)"_s);
        QTest::mouseClick(species, Qt::LeftButton, {}, QPoint(8, species->height() / 2));
        auto* keyword = s.widget<QLineEdit>(u"Textcle(0)"_s);
        keyword->clear();
        QTest::keyClicks(keyword, u"amanita"_s);
        QTest::keyClick(keyword, Qt::Key_Return);
        QVERIFY(s.form.results.resultList.count() >= 9);
        QCOMPARE(s.form.results.heading.caption(), u"Résultat recherche : amanita"_s);
    }

    // Menus: a mnemonic on every item, never two on one letter in one menu; shortcuts.
    void menuMnemonicsAndShortcuts() {
        QCOMPARE(ui::mnemonicPositions(
                     {u"Ouvrir"_s, u"Outils"_s, u"à propos"_s, u"A propos"_s, u"++"_s}),
                 (QList<int>{0, 1, 2, 0, -1}));
        QCOMPARE(ui::withMnemonic(u"Copie & colle"_s, 8), u"Copie && &colle"_s);
        QTemporaryDir app;
        MainWindowFixture f(app.path());
        for (QAction* menu : f.view.menuBar()->actions()) {
            QSet<QChar> letters;
            QVERIFY(menu->text().contains(u'&'));
            for (QAction* item : menu->menu()->actions()) {
                const qsizetype mark = item->text().indexOf(u'&');
                QVERIFY2(mark >= 0, qPrintable(item->text()));
                const QChar letter = item->text()[mark + 1].toLower();
                QVERIFY2(!letters.contains(letter), qPrintable(item->text()));
                letters.insert(letter);
            }
        }
        QCOMPARE(f.view.menus()->actionFor(f.form.menus.open)->shortcut(),
                 QKeySequence(Qt::CTRL | Qt::Key_O));
        QCOMPARE(f.view.menus()->actionFor(f.form.menus.report)->shortcut(),
                 QKeySequence(Qt::CTRL | Qt::Key_P));
        QCOMPARE(f.view.menus()->actionFor(f.form.menus.quit)->shortcut(),
                 QKeySequence(Qt::CTRL | Qt::Key_Q));
        QCOMPARE(f.view.menus()->actionFor(f.form.menus.documentation)->shortcut(),
                 QKeySequence(Qt::Key_F1));
        QCOMPARE(widgetNamed<QAbstractButton>(f.view.view(), u"Command1"_s)->shortcut(),
                 QKeySequence(Qt::CTRL | Qt::Key_R));
        QCOMPARE(widgetNamed<QAbstractButton>(f.view.view(), u"Command5"_s)->shortcut(),
                 QKeySequence(Qt::ALT | Qt::Key_Left));
        // The taxon-column caption says it can be clicked.
        QWidget* taxonColumn = widgetNamed(f.view.view(), u"Label2"_s);
        QCOMPARE(taxonColumn->cursor().shape(), Qt::PointingHandCursor);
        QVERIFY(!taxonColumn->toolTip().isEmpty());
        QVERIFY(!f.view.windowIcon().pixmap(32).isNull());
    }

    // The closing question answers in French.
    void frenchClosingQuestion() {
        QVERIFY(ui::installFrenchTranslations(*QCoreApplication::instance()));
        QTemporaryDir app;
        MainWindowFixture f(app.path());
        f.view.show();
        QStringList buttons;
        MessageBoxAnswer no(QMessageBox::No, [&buttons](QMessageBox& box) {
            for (QAbstractButton* button : box.buttons())
                buttons.append(button->text().remove(u'&'));
        });
        QVERIFY(!f.view.close());
        buttons.sort();
        QCOMPARE(buttons, (QStringList{u"Non"_s, u"Oui"_s}));
    }

    // The report's save dialog is Qt's own, in French: its buttons and the kinds of its
    // entries ("Dossier", never "Folder").
    void frenchSaveDialog() {
        QVERIFY(ui::installFrenchTranslations(*QCoreApplication::instance()));
        QTemporaryDir folder;
        QVERIFY(QDir(folder.path()).mkdir(u"sorties"_s));
        ui::QtPlatform platform;
        QStringList buttons, kinds;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            auto* view = dialog ? dialog->findChild<QTreeView*>() : nullptr;
            if (!view || view->model()->rowCount(view->rootIndex()) == 0)
                return;
            for (QAbstractButton* button : dialog->findChild<QDialogButtonBox*>()->buttons())
                buttons.append(button->text().remove(u'&'));
            for (int row = 0; row < view->model()->rowCount(view->rootIndex()); ++row)
                kinds.append(view->model()->index(row, 2, view->rootIndex()).data().toString());
            dialog->reject();
        });
        poll.start(20);
        platform.saveFileDialog({u"Page web (*.html)"_s}, folder.path());
        buttons.sort();
        QCOMPARE(buttons, (QStringList{u"Annuler"_s, u"Enregistrer"_s}));
        QCOMPARE(kinds, QStringList{u"Dossier"_s});
    }

    // A frame placed at the available area's corner stays inside it; a second window
    // goes beside the first, or where the first one's menu bar and field list stay seen.
    void framePlacement() {
        const QRect screen(0, 24, 1366, 704); // a top bar of 24 pixels, a task bar of 40
        QCOMPARE(ui::frameTopLeft(screen, {0, 0}, {1000, 700}), QPoint(0, 24));
        QCOMPARE(ui::frameTopLeft(screen, {500, 300}, {1000, 700}), QPoint(366, 28));
        QCOMPARE(ui::frameTopLeft(screen, {-50, -50}, {200, 100}), QPoint(0, 24));
        const QRect wide(0, 0, 2560, 1400);
        const QRect main(0, 0, 1010, 740);
        QCOMPARE(ui::besideTopLeft(wide, main, {670, 620}, 220, 60), QPoint(1010, 0));
        QCOMPARE(ui::besideTopLeft(wide, QRect(1800, 0, 700, 740), {670, 620}, 2020, 60),
                 QPoint(1130, 0));
        QCOMPARE(ui::besideTopLeft(screen, QRect(0, 24, 1010, 700), {670, 620}, 220, 60),
                 QPoint(221, 61));
        QCOMPARE(ui::startingClientSize({1077, 696}, {1000, 636}, {1366, 704}, {10, 80}),
                 QSize(1077, 624).expandedTo({1000, 636}));
        QCOMPARE(ui::startingClientSize({660, 580}, {660, 580}, {1920, 1040}, {10, 80}),
                 QSize(660, 580));
    }

    // Size and place are kept between runs, in their own file, per window.
    void placesAreKept() {
        QTemporaryDir config;
        ui::WindowPlaces places(config.filePath(u"windows.ini"_s));
        keytable::ProgramState state;
        ui::QtPlatform platform;
        engine::Window small(u"Petit"_s, u"Petit"_s, state, platform);
        small.setSize(3000, 2000);
        QSize kept;
        {
            ui::WindowHost host(small);
            host.setPlaces(&places);
            host.show();
            QVERIFY(QTest::qWaitForWindowExposed(&host));
            host.resize(host.size() + QSize(60, 40));
            kept = host.size();
            host.hide();
        }
        QVERIFY(!places.geometry(u"Petit"_s).isEmpty());
        QVERIFY(places.geometry(u"Autre"_s).isEmpty());
        ui::WindowHost again(small);
        again.setPlaces(&places);
        again.show();
        QVERIFY(QTest::qWaitForWindowExposed(&again));
        QCOMPARE(again.size(), kept);
    }
};

QTEST_MAIN(TestLivableWindow)
#include "tst_livablewindow.moc"
