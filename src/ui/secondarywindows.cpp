#include "ui/secondarywindows.h"

#include "ui/windowplacement.h"
#include "ui/windowview.h"

#include <QMenuBar>
#include <QScreen>

using namespace Qt::StringLiterals;

namespace sylvane::ui {

QPoint besideMainWindow(WindowHost& main, const QString& fieldList, QSize frame) {
    const QScreen* screen = main.screen();
    const QRect available = screen ? screen->availableGeometry() : QRect(0, 0, 1366, 768);
    int keepLeft = main.frameGeometry().left();
    if (const QWidget* list = main.view().widgetFor(fieldList))
        keepLeft = list->mapToGlobal(QPoint(list->width(), 0)).x();
    const QWidget* bar = main.menuWidget();
    // A title bar's height lower, whether the window manager places frames or clients.
    const int keepTop =
        (bar ? bar->mapToGlobal(QPoint(0, bar->height())).y() : main.geometry().top()) +
        (main.geometry().top() - main.frameGeometry().top());
    return besideTopLeft(available, main.frameGeometry(), frame, keepLeft, keepTop);
}

SecondaryWindows::SecondaryWindows(engine::FormTbl& main, keytable::ProgramState& state,
                                   core::Platform& platform, WindowHost* mainView,
                                   WindowPlaces* places)
    : crossFilter_(main, state, platform), wordPicker_(main, state, platform) {
    crossFilter_.onLoaded = [this, mainView, places](crossfilter::FormCrx& window) {
        crossFilterView_ = std::make_unique<WindowHost>(window, window.menuBar());
        crossFilterView_->setPlaces(places);
        if (mainView)
            crossFilterView_->firstPlace = [mainView](QSize frame) {
                return besideMainWindow(*mainView, u"List2"_s, frame);
            };
    };
    // The view goes at once, before the logic it shows.
    crossFilter_.onUnloading = [this](crossfilter::FormCrx&) { crossFilterView_.reset(); };
    wordPicker_.onLoaded = [this, places](engine::Form1& window) {
        wordPickerView_ = std::make_unique<WindowHost>(window);
        wordPickerView_->setPlaces(places);
    };
}

SecondaryWindows::~SecondaryWindows() {
    crossFilterView_.reset();
    wordPickerView_.reset();
}

} // namespace sylvane::ui
