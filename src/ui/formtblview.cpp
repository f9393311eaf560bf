#include "ui/formtblview.h"

#include "ui/menuview.h"
#include "ui/qtplatform.h"
#include "ui/windowview.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QLineEdit>

using namespace Qt::StringLiterals;

namespace sylvane::ui {

FormTblView::FormTblView(engine::FormTbl& form, QtPlatform* platform)
    : WindowHost(form, form.menuBar()), form_(form) {
    // Panels that open over the lists, then the transient message over everything.
    view().raiseControls({u"Picture1"_s, u"Text1"_s, u"Command4"_s, u"Text2"_s, u"FraMycm"_s,
                          u"Frame12"_s, u"FraFlash"_s});
    // The large text panel ("Agrandir", a value read whole) takes the result list's room too.
    view().coverWith(u"Text1"_s, u"ListeResultat"_s);
    if (QWidget* taxonColumn = view().widgetFor(u"Label2"_s)) {
        taxonColumn->setCursor(Qt::PointingHandCursor);
        taxonColumn->setToolTip(
            u"Cliquer pour choisir parmi les noms des espèces trouvées (colonne des taxons)"_s);
    }
    setUpKeyboard();
    form_.onPopup = [this](engine::MenuItem& popup) {
        showPopupMenu(form_, form_.popupItems(popup), this);
    };
    form_.onCloseRequested = [this] { close(); };
    // The program ends with its main window, whatever other window is still open.
    onClosed = [] { QCoreApplication::quit(); };
    if (platform)
        platform->setDialogParent(this);
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
    QWidget* previous = nullptr;
    for (const QString& name :
         {u"List2"_s, u"ListDesc"_s, u"CheckChoix"_s, u"Check4"_s, u"Check3"_s, u"ListEspeces"_s,
          u"Check5"_s, u"Check6"_s, u"ListeResultat"_s, u"Command1"_s, u"Command2"_s, u"Command3"_s,
          u"Command5"_s}) {
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
