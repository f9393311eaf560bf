#include "ui/windowhost.h"

#include "ui/menuview.h"
#include "ui/twips.h"
#include "ui/windowview.h"

#include <QCloseEvent>
#include <QMenuBar>

namespace sylvane::ui {

namespace {
// The window of the program that was active last: a window becomes active again "from
// within the program" only when another of them was (message boxes, menus, dialogs and
// other programs do not count), which is when its activation event runs.
WindowHost* lastActive = nullptr;
} // namespace

WindowHost::WindowHost(engine::Window& window, const std::vector<engine::MenuItem*>& menus,
                       QWidget* parent)
    : QMainWindow(parent), window_(window), view_(new WindowView(window, this)) {
    setObjectName(window.name());
    setCentralWidget(view_);
    if (!menus.empty())
        menus_ = new MenuView(window, menus, menuBar());
    connect(&window_, &engine::Control::changed, this, &WindowHost::showWindowModel);
    showWindowModel();
}

WindowHost::~WindowHost() {
    if (lastActive == this)
        lastActive = nullptr;
}

void WindowHost::showWindowModel() {
    setWindowTitle(window_.caption());
    // Moved where the logic puts it; where the user drags it afterwards is the user's.
    if (window_.left() != shownLeft_ || window_.top() != shownTop_) {
        shownLeft_ = window_.left();
        shownTop_ = window_.top();
        move(twipsToPixels(shownLeft_, view_->dpi()), twipsToPixels(shownTop_, view_->dpi()));
    }
    if (window_.visible() != isVisible())
        setVisible(window_.visible());
}

void WindowHost::closeEvent(QCloseEvent* event) {
    if (!window_.queryClose()) {
        event->ignore();
        return;
    }
    window_.setVisible(false);
    event->accept();
    if (onClosed)
        onClosed();
}

void WindowHost::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::ActivationChange || !isActiveWindow())
        return;
    WindowHost* previous = lastActive;
    lastActive = this;
    if (activationEnabled_ && previous && previous != this)
        window_.activate();
}

} // namespace sylvane::ui
