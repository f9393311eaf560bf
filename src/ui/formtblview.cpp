#include "ui/formtblview.h"

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
    if (QWidget* taxonColumn = view().widgetFor(form_.identification.taxonColumn)) {
        taxonColumn->setCursor(Qt::PointingHandCursor);
        taxonColumn->setToolTip(
            u"Cliquer pour choisir parmi les noms des espèces trouvées (colonne des taxons)"_s);
    }
    setUpKeyboard();
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

// The large text panel ("Agrandir", a value read whole) takes the result list's room too.
// The comments take the room of the keyword panel while it is closed, their title above.
void FormTblView::arrangePanels() {
    WindowView& v = view();
    const engine::TextBox& textPanel = form_.results.textPanel;
    const engine::ListBox& comments = form_.results.commentList;
    const engine::Control& keywordPanel = form_.keyword.panel;
    const engine::Control& commentsTitle = form_.results.commentsTitle;
    v.adjustPlace(textPanel, [&v, &textPanel, &comments, this](const QRect& placed) {
        if (!textPanel.visible())
            return placed;
        // Down to the bottom of the comments too, which it covers.
        const QRect results = v.layoutPlace(form_.results.resultList);
        const QWidget* commentsWidget = v.widgetFor(comments);
        const int bottom =
            std::max(results.bottom(), commentsWidget ? commentsWidget->geometry().bottom() : 0);
        return placed.united(results).united(
            QRect(placed.left(), placed.top(), 1, bottom - placed.top() + 1));
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
    v.adjustPlace(commentsTitle, [&v, &keywordPanel](const QRect& placed) {
        if (keywordPanel.visible())
            return placed;
        return QRect(placed.left(), v.layoutPlace(keywordPanel).top(), placed.width(),
                     placed.height());
    });
    v.adjustPlace(comments, [&v, &keywordPanel, &commentsTitle](const QRect& placed) {
        if (keywordPanel.visible())
            return placed;
        const QRect title = v.layoutPlace(commentsTitle);
        const int top = v.layoutPlace(keywordPanel).top() + (placed.top() - title.top());
        return QRect(QPoint(placed.left(), top), placed.bottomRight());
    });
}

// Enter in a keyword box runs the search; Ctrl+R and Alt+Left are "RAZ" and "<=="; Ctrl+O,
// Ctrl+P, Ctrl+Q and F1 run their menu items; Tab follows the flow of a step: fields,
// values and their options, taxa, result, commands.
void FormTblView::setUpKeyboard() {
    engine::IdentificationPanel& id = form_.identification;
    engine::KeywordPanel& keyword = form_.keyword;
    auto* search = view().widgetFor<QAbstractButton>(keyword.commands(0));
    for (const int box : {0, 1})
        if (auto* line = view().widgetFor<QLineEdit>(keyword.keywords(box)); line && search)
            connect(line, &QLineEdit::returnPressed, search, &QAbstractButton::click);
    const auto shortcut = [this](const engine::Button& control, QKeySequence keys,
                                 const QString& tip) {
        if (auto* button = view().widgetFor<QAbstractButton>(control)) {
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
    // A step starts in the field list.
    if (QWidget* fields = view().widgetFor(id.fieldList))
        fields->setFocus();
    const engine::Control* const tabOrder[] = {
        &id.fieldList,       &id.valueList,     &id.multipleChoice,
        &id.selectAll,       &id.ignoreAccents, &id.taxonList,
        &id.hideEmptyFields, &id.compare,       &form_.results.resultList,
        &id.reset,           &id.listTaxa,      &keyword.openSearch,
        &id.stepBack};
    QWidget* previous = nullptr;
    for (const engine::Control* control : tabOrder) {
        QWidget* widget = view().widgetFor(*control);
        if (!widget)
            continue;
        if (previous)
            setTabOrder(previous, widget);
        previous = widget;
    }
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
