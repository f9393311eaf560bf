#include "ui/formtblview.h"

#include "ui/menuview.h"
#include "ui/qtplatform.h"
#include "ui/windowview.h"

#include <QCoreApplication>

using namespace Qt::StringLiterals;

namespace sylvane::ui {

FormTblView::FormTblView(engine::FormTbl& form, QtPlatform* platform)
    : WindowHost(form, form.menuBar()), form_(form) {
    // Panels that open over the lists, then the transient message over everything.
    view().raiseControls({u"Picture1"_s, u"Text1"_s, u"Command4"_s, u"Text2"_s, u"FraMycm"_s,
                          u"Frame12"_s, u"FraFlash"_s});
    form_.onPopup = [this](engine::MenuItem& popup) {
        showPopupMenu(form_, form_.popupItems(popup), this);
    };
    form_.onCloseRequested = [this] { close(); };
    // The program ends with its main window, whatever other window is still open.
    onClosed = [] { QCoreApplication::quit(); };
    if (platform)
        platform->setDialogParent(this);
}

void showDeveloperControls(engine::FormTbl& form) {
    form.Command6.forEach([](int, engine::Button& button) { button.setVisible(true); });
    for (engine::Control* control : {static_cast<engine::Control*>(&form.Command8),
                                     static_cast<engine::Control*>(&form.Command9),
                                     static_cast<engine::Control*>(&form.Command10),
                                     static_cast<engine::Control*>(&form.Command11),
                                     static_cast<engine::Control*>(&form.Frame12)})
        control->setVisible(true);
}

} // namespace sylvane::ui
