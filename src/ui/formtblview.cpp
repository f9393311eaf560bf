#include "ui/formtblview.h"

#include "ui/menuview.h"
#include "ui/qtplatform.h"
#include "ui/windowview.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QLineEdit>

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace sylvane::ui {

FormTblView::FormTblView(engine::FormTbl& form, QtPlatform* platform)
    : WindowHost(form, form.menus.menuBar()), form_(form) {
    // Panels that open over the lists, then the transient message over everything.
    view().raiseControls({u"Picture1"_s, u"Text1"_s, u"Command4"_s, u"Text2"_s, u"FraMycm"_s,
                          u"Frame12"_s, u"FraFlash"_s});
    arrangePanels();
    if (QWidget* taxonColumn = view().widgetFor(u"Label2"_s)) {
        taxonColumn->setCursor(Qt::PointingHandCursor);
        taxonColumn->setToolTip(
            u"Cliquer pour choisir parmi les noms des espèces trouvées (colonne des taxons)"_s);
    }
    setUpKeyboard();
    form_.onPopup = [this](engine::MenuItem& popup) {
        showPopupMenu(form_, form_.menus.popupItems(popup), this);
    };
    form_.onCloseRequested = [this] { close(); };
    // The program ends with its main window, whatever other window is still open.
    onClosed = [] { QCoreApplication::quit(); };
    if (platform)
        platform->setDialogParent(this);
}

// The large text panel ("Agrandir", a value read whole) takes the result list's room too.
// The comments take the room of the keyword panel while it is closed, their title above.
void FormTblView::arrangePanels() {
    WindowView& v = view();
    v.adjustPlace(u"Text1"_s, [&v, this](const QRect& placed) {
        if (!form_.find(u"Text1"_s)->visible())
            return placed;
        // Down to the bottom of the comments too, which it covers.
        const QRect results = v.layoutPlace(u"ListeResultat"_s);
        const QWidget* comments = v.widgetFor(u"List5"_s);
        const int bottom = std::max(results.bottom(), comments ? comments->geometry().bottom() : 0);
        return placed.united(results).united(
            QRect(placed.left(), placed.top(), 1, bottom - placed.top() + 1));
    });
    // The About panel as wide as its longest line.
    v.adjustPlace(u"FraMycm"_s, [&v](const QRect& placed) {
        int needed = 0;
        for (int line = 0; line < 3; ++line)
            if (const QWidget* label = v.widgetFor(u"Label(%1)"_s.arg(line)))
                needed = std::max(needed, label->sizeHint().width());
        const int margin = static_cast<int>(std::lround(20 * v.dpi() / 96));
        QRect wide = placed;
        // Its lines stand a margin in from its sides and take 62 of its 65 hundred twips.
        wide.setWidth(std::max(placed.width(), (needed + margin) * 65 / 62));
        if (wide.right() >= v.width()) // kept inside the window
            wide.moveRight(v.width() - 1 - margin);
        return wide;
    });
    const auto keywordPanelClosed = [this] { return !form_.find(u"Picture1"_s)->visible(); };
    v.adjustPlace(u"Label4"_s, [&v, keywordPanelClosed](const QRect& placed) {
        if (!keywordPanelClosed())
            return placed;
        return QRect(placed.left(), v.layoutPlace(u"Picture1"_s).top(), placed.width(),
                     placed.height());
    });
    v.adjustPlace(u"List5"_s, [&v, keywordPanelClosed](const QRect& placed) {
        if (!keywordPanelClosed())
            return placed;
        const QRect title = v.layoutPlace(u"Label4"_s);
        const int top = v.layoutPlace(u"Picture1"_s).top() + (placed.top() - title.top());
        return QRect(QPoint(placed.left(), top), placed.bottomRight());
    });
}

// Enter in a keyword box runs the search; Ctrl+R and Alt+Left are "RAZ" and "<=="; Tab
// follows the flow of a step: fields, values and their options, taxa, result, commands.
void FormTblView::setUpKeyboard() {
    auto* search = qobject_cast<QAbstractButton*>(view().widgetFor(u"MoCle(0)"_s));
    for (const QString& name : {u"Textcle(0)"_s, u"Textcle(1)"_s})
        if (auto* box = qobject_cast<QLineEdit*>(view().widgetFor(name)); box && search)
            connect(box, &QLineEdit::returnPressed, search, &QAbstractButton::click);
    const auto shortcut = [this](const QString& name, QKeySequence keys, const QString& tip) {
        if (auto* button = qobject_cast<QAbstractButton*>(view().widgetFor(name))) {
            button->setShortcut(keys);
            button->setToolTip(tip + u" ("_s + keys.toString(QKeySequence::NativeText) + u')');
        }
    };
    shortcut(u"Command1"_s, QKeySequence(Qt::CTRL | Qt::Key_R), u"Recommencer l'identification"_s);
    shortcut(u"Command5"_s, QKeySequence(Qt::ALT | Qt::Key_Left), u"Revenir au choix précédent"_s);
    // A step starts in the field list.
    if (QWidget* fields = view().widgetFor(u"List2"_s))
        fields->setFocus();
    QWidget* previous = nullptr;
    for (const QString& name :
         {u"List2"_s, u"ListDesc"_s, u"CheckChoix"_s, u"Check4"_s, u"Check3"_s, u"ListEspeces"_s,
          u"Check5"_s, u"Check6"_s, u"ListeResultat"_s, u"Command1"_s, u"Command2"_s, u"Command3"_s,
          u"Command5"_s, u"ListChoix"_s, u"CmdRetirer"_s}) {
        QWidget* widget = view().widgetFor(name);
        if (!widget)
            continue;
        if (previous)
            setTabOrder(previous, widget);
        previous = widget;
    }
}

void showDeveloperControls(engine::FormTbl& form) {
    static const QStringList developerOnly = {u"Command8"_s, u"Command9"_s, u"Command10"_s,
                                              u"Command11"_s, u"Frame12"_s};
    for (engine::Control* control : form.controls())
        if (developerOnly.contains(control->name()) || control->name().startsWith(u"Command6("_s))
            control->setVisible(true);
}

} // namespace sylvane::ui
