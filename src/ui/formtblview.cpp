#include "ui/formtblview.h"

#include "ui/listboxview.h"
#include "ui/menuview.h"
#include "ui/qtplatform.h"
#include "ui/secondarywindows.h"
#include "ui/windowview.h"

#include <QAbstractButton>
#include <QAction>
#include <QCoreApplication>
#include <QLineEdit>

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace sylvane::ui {

FormTblView::FormTblView(engine::FormTbl& form, QtPlatform* platform, SecondaryWindows* windows)
    : WindowHost(form, form.menus.menuBar()), form_(form), windows_(windows) {
    // Panels that open over the lists, then the transient message over everything.
    view().raiseControls({&form_.keyword.panel, &form_.results.textPanel,
                          &form_.results.closeTextPanel, &form_.identification.valueEditor,
                          &form_.lookups.aboutPanel, &form_.lookups.debugFrame, &form_.flashFrame});
    arrangePanels();
    // The comments of a table are sentences: each shows whole, over as many lines as it needs.
    if (auto* comments = view().widgetFor<ListBoxView>(form_.results.commentList))
        comments->setWrapping(true);
    if (QWidget* taxonColumn = view().widgetFor(form_.identification.taxonColumn)) {
        taxonColumn->setCursor(Qt::PointingHandCursor);
        taxonColumn->setToolTip(
            u"Cliquer pour choisir parmi les noms des espèces trouvées (colonne des taxons)"_s);
    }
    setUpKeyboard();
    keepFocusInSight();
    // The program ends with its main window, whatever other window is still open.
    onClosed = [] { QCoreApplication::quit(); };
    if (platform)
        platform->setDialogParent(this);
    if (windows_)
        windows_->attachView(*this);
}

FormTblView::~FormTblView() {
    if (windows_)
        windows_->detachView();
}

// The comments take the place of the keyword panel, wherever a load put them, down to the
// search history and as wide as it. The large text panel ("Agrandir", a value read whole, a
// report) takes the room of every panel below the lists and their options.
void FormTblView::arrangePanels() {
    WindowView& v = view();
    const int gap = static_cast<int>(std::lround(4 * v.dpi() / 96));
    const engine::Control& keywordPanel = form_.keyword.panel;
    const engine::Control& history = form_.identification.history;
    const engine::Control& commentsTitle = form_.results.commentsTitle;
    const engine::TextBox& textPanel = form_.results.textPanel;
    const auto panelsTop = [&v, &keywordPanel] { return v.layoutPlace(keywordPanel).top(); };
    const auto historyColumn = [&v, &history] { return v.layoutPlace(history); };
    v.adjustPlace(commentsTitle, [panelsTop, historyColumn](const QRect& placed) {
        return QRect(historyColumn().left(), panelsTop(), placed.width(), placed.height());
    });
    v.adjustPlace(form_.results.commentList, [&v, this, &commentsTitle, panelsTop, historyColumn,
                                              gap](const QRect&) {
        const int top = panelsTop() + v.layoutPlace(commentsTitle).height() + gap;
        const int bottom = v.layoutPlace(form_.identification.historyTitle).top() - 3 * gap;
        return QRect(historyColumn().left(), top, historyColumn().width(),
                     std::max(bottom - top, 0));
    });
    v.adjustPlace(textPanel, [&v, &textPanel, &history, this](const QRect& placed) {
        if (!textPanel.visible())
            return placed;
        const QRect results = v.layoutPlace(form_.results.resultList);
        const int top = v.layoutPlace(form_.results.heading).top();
        const int bottom = std::max(results.bottom(), v.layoutPlace(history).bottom());
        return QRect(QPoint(placed.left(), top), QPoint(results.right(), bottom));
    });
    // The About panel as wide as its longest line.
    v.adjustPlace(form_.lookups.aboutPanel, [&v, this](const QRect& placed) {
        int needed = 0;
        form_.lookups.aboutLines.forEach([&v, &needed](int, const engine::Label& line) {
            if (const QWidget* label = v.widgetFor(line))
                needed = std::max(needed, label->sizeHint().width());
        });
        const int margin = static_cast<int>(std::lround(20 * v.dpi() / 96));
        QRect wide = placed;
        // Its lines stand a margin in from its sides and take 62 of its 65 hundred twips.
        wide.setWidth(std::max(placed.width(), (needed + margin) * 65 / 62));
        if (wide.right() >= v.width()) // kept inside the window
            wide.moveRight(v.width() - 1 - margin);
        return wide;
    });
}

// Enter in a keyword box runs the search; Ctrl+R and Alt+Left are "RAZ" and "<=="; Ctrl+O,
// Ctrl+P, Ctrl+Q and F1 run their menu items; Alt+H, Alt+S, Alt+T and Alt+X reach the field,
// value, taxa and choice lists, Alt+R the tolerated differences (letters no menu and no
// control of the keyword panel takes). Tab follows
// the screen: the three lists, the result list (or the large text panel over it, and its
// close button), the commands, then the options, the look-alikes of the sheet and the
// panels below, the rest in the order they were made.
void FormTblView::setUpKeyboard() {
    WindowView& v = view();
    engine::IdentificationPanel& id = form_.identification;
    engine::KeywordPanel& keyword = form_.keyword;
    engine::ResultPanel& results = form_.results;
    auto* search = v.widgetFor<QAbstractButton>(keyword.commands(0));
    for (const int box : {0, 1})
        if (auto* line = v.widgetFor<QLineEdit>(keyword.keywords(box)); line && search)
            connect(line, &QLineEdit::returnPressed, search, &QAbstractButton::click);
    const auto shortcut = [&v](const engine::Button& control, QKeySequence keys,
                               const QString& tip) {
        if (auto* button = v.widgetFor<QAbstractButton>(control)) {
            button->setShortcut(keys);
            button->setToolTip(tip + u" ("_s + keys.toString(QKeySequence::NativeText) + u')');
        }
    };
    shortcut(id.reset, QKeySequence(Qt::CTRL | Qt::Key_R), u"Recommencer l'identification"_s);
    shortcut(id.stepBack, QKeySequence(Qt::ALT | Qt::Key_Left), u"Revenir au choix précédent"_s);
    if (MenuView* bar = menus()) {
        const std::pair<const engine::MenuItem*, QKeySequence> menuKeys[] = {
            {&form_.menus.open, QKeySequence(Qt::CTRL | Qt::Key_O)},
            {&form_.menus.report, QKeySequence(Qt::CTRL | Qt::Key_P)},
            {&form_.menus.quit, QKeySequence(Qt::CTRL | Qt::Key_Q)},
            {&form_.menus.documentation, QKeySequence(Qt::Key_F1)}};
        for (const auto& [item, keys] : menuKeys)
            if (QAction* action = bar->actionFor(*item))
                action->setShortcut(keys);
    }
    v.setMnemonic(id.fieldsTitle, u'h', id.fieldList);
    v.setMnemonic(id.valuesTitle, u's', id.valueList);
    v.setMnemonic(id.taxaTitle, u't', id.taxonList);
    v.setMnemonic(id.choicesTitle, u'x', id.choiceList);
    v.setMnemonic(id.toleranceTitle, u'r', id.tolerance);
    // A step starts in the field list.
    if (QWidget* fields = v.widgetFor(id.fieldList))
        fields->setFocus();
    // One row per part of the screen.
    // clang-format off
    const engine::Control* const tabOrder[] = {
        &id.fieldList, &id.valueList, &id.taxonList,
        &results.resultList, &results.textPanel, &results.closeTextPanel,
        &id.reset, &id.listTaxa, &keyword.openSearch, &id.stepBack, &id.choiceList, &id.withdraw,
        &id.bestFieldsFirst,
        &id.ignoreAccents, &id.multipleChoice, &id.selectAll, &id.keepUndescribed, &id.tolerance,
        &id.hideEmptyFields, &id.compare,
        &results.findLookAlikes, &results.commentList, &id.history};
    // clang-format on
    QList<QWidget*> order;
    for (const engine::Control* control : tabOrder)
        if (QWidget* widget = v.widgetFor(*control))
            order.append(widget);
    for (QWidget* widget : v.findChildren<QWidget*>())
        if (!order.contains(widget) && (widget->focusPolicy() & Qt::TabFocus) &&
            !widget->objectName().isEmpty())
            order.append(widget);
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

// While the large text panel covers the panels below the lists, Tab passes them by and
// the focus they had goes to the panel: the focus is never where it cannot be seen.
void FormTblView::keepFocusInSight() {
    WindowView& v = view();
    QWidget* panel = v.widgetFor(form_.results.textPanel);
    if (!panel)
        return;
    QList<QWidget*> covered;
    for (const engine::Control* control :
         {static_cast<const engine::Control*>(&form_.results.resultList),
          static_cast<const engine::Control*>(&form_.identification.history),
          static_cast<const engine::Control*>(&form_.results.commentList)})
        if (QWidget* widget = v.widgetFor(*control))
            covered.append(widget);
    connect(&form_.results.textPanel, &engine::Control::changed, this, [this, panel, covered] {
        const bool open = form_.results.textPanel.visible();
        for (QWidget* widget : covered) {
            widget->setFocusPolicy(open ? Qt::NoFocus : Qt::StrongFocus);
            if (open && widget->hasFocus())
                panel->setFocus();
        }
    });
}

void showDeveloperControls(engine::FormTbl& form) {
    engine::Control* const developerOnly[] = {
        &form.lookups.editFile, &form.identification.crossFilterButton,
        &form.identification.listLines, &form.identification.storeEditedValue,
        &form.lookups.debugFrame};
    for (engine::Control* control : developerOnly)
        control->setVisible(true);
    form.lookups.webLookups.forEach([](int, engine::Button& button) { button.setVisible(true); });
}

} // namespace sylvane::ui
