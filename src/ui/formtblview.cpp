#include "ui/formtblview.h"

#include "ui/listboxview.h"
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
    // The comments of a table are sentences: each shows whole, over as many lines as it needs.
    if (auto* comments = qobject_cast<ListBoxView*>(view().widgetFor(u"List5"_s)))
        comments->setWrapping(true);
    if (QWidget* taxonColumn = view().widgetFor(u"Label2"_s)) {
        taxonColumn->setCursor(Qt::PointingHandCursor);
        taxonColumn->setToolTip(
            u"Cliquer pour choisir parmi les noms des espèces trouvées (colonne des taxons)"_s);
    }
    setUpKeyboard();
    keepFocusInSight();
    form_.onPopup = [this](engine::MenuItem& popup) {
        showPopupMenu(form_, form_.menus.popupItems(popup), this);
    };
    form_.onCloseRequested = [this] { close(); };
    // The program ends with its main window, whatever other window is still open.
    onClosed = [] { QCoreApplication::quit(); };
    if (platform)
        platform->setDialogParent(this);
}

// The comments take the place of the keyword panel, wherever a load put them, down to the
// search history and as wide as it. The large text panel ("Agrandir", a value read whole, a
// report) takes the room of every panel below the lists and their options.
void FormTblView::arrangePanels() {
    WindowView& v = view();
    const int gap = static_cast<int>(std::lround(4 * v.dpi() / 96));
    const auto panelsTop = [&v] { return v.layoutPlace(u"Picture1"_s).top(); };
    const auto historyColumn = [&v] { return v.layoutPlace(u"List4"_s); };
    v.adjustPlace(u"Label4"_s, [panelsTop, historyColumn](const QRect& placed) {
        return QRect(historyColumn().left(), panelsTop(), placed.width(), placed.height());
    });
    v.adjustPlace(u"List5"_s, [&v, panelsTop, historyColumn, gap](const QRect&) {
        const int top = panelsTop() + v.layoutPlace(u"Label4"_s).height() + gap;
        const int bottom = v.layoutPlace(u"Label10"_s).top() - 3 * gap;
        return QRect(historyColumn().left(), top, historyColumn().width(),
                     std::max(bottom - top, 0));
    });
    v.adjustPlace(u"Text1"_s, [&v, this](const QRect& placed) {
        if (!form_.find(u"Text1"_s)->visible())
            return placed;
        const QRect results = v.layoutPlace(u"ListeResultat"_s);
        const int top = v.layoutPlace(u"Lab_Resultat"_s).top();
        const int bottom = std::max(results.bottom(), v.layoutPlace(u"List4"_s).bottom());
        return QRect(QPoint(placed.left(), top), QPoint(results.right(), bottom));
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
}

// Enter in a keyword box runs the search; Ctrl+R and Alt+Left are "RAZ" and "<=="; Alt+H,
// Alt+S and Alt+T reach the field, value and taxa lists (letters no menu and no control of
// the keyword panel takes). Tab follows the screen: the three lists, the result list (or
// the large text panel over it, and its close button), the commands, then the options and
// the panels below, the rest in the order they were made.
void FormTblView::setUpKeyboard() {
    WindowView& v = view();
    auto* search = qobject_cast<QAbstractButton*>(v.widgetFor(u"MoCle(0)"_s));
    for (const QString& name : {u"Textcle(0)"_s, u"Textcle(1)"_s})
        if (auto* box = qobject_cast<QLineEdit*>(v.widgetFor(name)); box && search)
            connect(box, &QLineEdit::returnPressed, search, &QAbstractButton::click);
    const auto shortcut = [&v](const QString& name, QKeySequence keys, const QString& tip) {
        if (auto* button = qobject_cast<QAbstractButton*>(v.widgetFor(name))) {
            button->setShortcut(keys);
            button->setToolTip(tip + u" ("_s + keys.toString(QKeySequence::NativeText) + u')');
        }
    };
    shortcut(u"Command1"_s, QKeySequence(Qt::CTRL | Qt::Key_R), u"Recommencer l'identification"_s);
    shortcut(u"Command5"_s, QKeySequence(Qt::ALT | Qt::Key_Left), u"Revenir au choix précédent"_s);
    v.setMnemonic(u"Label6"_s, u'h', u"List2"_s);
    v.setMnemonic(u"Label11"_s, u's', u"ListDesc"_s);
    v.setMnemonic(u"Label5"_s, u't', u"ListEspeces"_s);
    // A step starts in the field list.
    if (QWidget* fields = v.widgetFor(u"List2"_s))
        fields->setFocus();
    QList<QWidget*> order;
    for (const QString& name :
         {u"List2"_s, u"ListDesc"_s, u"ListEspeces"_s, u"ListeResultat"_s, u"Text1"_s,
          u"Command4"_s, u"Command1"_s, u"Command2"_s, u"Command3"_s, u"Command5"_s,
          u"CheckMeilleurs"_s, u"Check3"_s, u"CheckChoix"_s, u"Check4"_s, u"CheckRetenus"_s,
          u"Check5"_s, u"Check6"_s, u"List5"_s, u"List4"_s})
        if (QWidget* widget = v.widgetFor(name))
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
    QWidget* panel = v.widgetFor(u"Text1"_s);
    QList<QWidget*> covered;
    for (const QString& name : {u"ListeResultat"_s, u"List4"_s, u"List5"_s})
        if (QWidget* widget = v.widgetFor(name))
            covered.append(widget);
    if (!panel)
        return;
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
    static const QStringList developerOnly = {u"Command8"_s, u"Command9"_s, u"Command10"_s,
                                              u"Command11"_s, u"Frame12"_s};
    for (engine::Control* control : form.controls())
        if (developerOnly.contains(control->name()) || control->name().startsWith(u"Command6("_s))
            control->setVisible(true);
}

} // namespace sylvane::ui
