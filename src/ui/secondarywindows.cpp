#include "ui/secondarywindows.h"

#include "ui/formtblview.h"
#include "ui/menuview.h"
#include "ui/windowplacement.h"
#include "ui/windowview.h"

#include <QMenuBar>
#include <QScreen>

namespace sylvane::ui {

QPoint besideMainWindow(WindowHost& main, const QWidget* keptInSight, QSize frame) {
    const QScreen* screen = main.screen();
    const QRect available = screen ? screen->availableGeometry() : QRect(0, 0, 1366, 768);
    int keepLeft = main.frameGeometry().left();
    if (keptInSight)
        keepLeft = keptInSight->mapToGlobal(QPoint(keptInSight->width(), 0)).x();
    const QWidget* bar = main.menuWidget();
    // A title bar's height lower, whether the window manager places frames or clients.
    const int keepTop =
        (bar ? bar->mapToGlobal(QPoint(0, bar->height())).y() : main.geometry().top()) +
        (main.geometry().top() - main.frameGeometry().top());
    return besideTopLeft(available, main.frameGeometry(), frame, keepLeft, keepTop);
}

SecondaryWindows::SecondaryWindows(keytable::ProgramState& state, core::Platform& platform,
                                   WindowPlaces* places)
    : OtherWindows(state, platform), places_(places) {}

SecondaryWindows::~SecondaryWindows() {
    detachView();
}

void SecondaryWindows::attachView(FormTblView& main) {
    main_ = &main;
    attach(main.form());
    crossFilter()->onLoaded = [this, &main](crossfilter::FormCrx& window) {
        crossFilterView_ = std::make_unique<WindowHost>(window, window.menuBar());
        crossFilterView_->setPlaces(places_);
        // The view goes with the main one (detachView), so main outlives it.
        crossFilterView_->firstPlace = [&main](QSize frame) {
            return besideMainWindow(
                main, main.view().widgetFor(main.form().identification.fieldList), frame);
        };
    };
    // The view goes at once, before the logic it shows.
    crossFilter()->onUnloading = [this](crossfilter::FormCrx&) { crossFilterView_.reset(); };
    wordPicker()->onLoaded = [this](engine::Form1& window) {
        wordPickerView_ = std::make_unique<WindowHost>(window);
        wordPickerView_->setPlaces(places_);
    };
}

// The views go before the logic they show.
void SecondaryWindows::detachView() {
    crossFilterView_.reset();
    wordPickerView_.reset();
    detach();
    main_ = nullptr;
}

void SecondaryWindows::showPopup(engine::MenuItem& popup) {
    if (main_)
        showPopupMenu(main_->form(), main_->form().menus.popupItems(popup), main_);
}

void SecondaryWindows::closeMainWindow() {
    if (main_)
        main_->close();
}

} // namespace sylvane::ui
