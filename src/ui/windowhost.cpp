#include "ui/windowhost.h"

#include "engine/userinput.h"
#include "ui/menuview.h"
#include "ui/twips.h"
#include "ui/windowplacement.h"
#include "ui/windowplaces.h"
#include "ui/windowview.h"

#include <QCloseEvent>
#include <QIcon>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace sylvane::ui {

namespace {
// The window of the program that was active last: a window becomes active again "from
// within the program" only when another of them was (message boxes, menus, dialogs and
// other programs do not count), which is when its activation event runs.
WindowHost* lastActive = nullptr;

// A window manager's title bar and borders, until the real ones are known.
constexpr QSize likelyFrameExtra(10, 36);
} // namespace

QIcon programIcon() {
    return QIcon(u":/icons/sylvane.svg"_s);
}

WindowHost::WindowHost(engine::Window& window, const std::vector<engine::MenuItem*>& menus,
                       QWidget* parent)
    : QMainWindow(parent), window_(window), view_(new WindowView(window, this)) {
    setObjectName(window.name());
    setWindowIcon(programIcon());
    setCentralWidget(view_);
    if (!menus.empty())
        menus_ = new MenuView(window, menus, menuBar());
    if (QWidget* bar = view_->statusBarWidget()) {
        // Moved out of the client area, and shown again before the status bar measures it.
        bar->setParent(statusBar());
        bar->show();
        statusBar()->addWidget(bar, 1);
    }
    view_->setMinimumSize(view_->designedSize().boundedTo(clientLimit()));
    resize(view_->designedSize() + chrome());
    setWindowTitle(window_.caption());
    shownLeft_ = window_.left();
    shownTop_ = window_.top();
    // Shown by show(), or when its model becomes visible.
    connect(&window_, &engine::Control::changed, this, &WindowHost::showWindowModel);
}

WindowHost::~WindowHost() {
    if (lastActive == this)
        lastActive = nullptr;
    if (isVisible())
        keepPlace();
}

QSize WindowHost::chrome() const {
    int height = 0;
    const auto heightOf = [](const QWidget* bar) {
        return std::max(bar->sizeHint().height(), bar->minimumSizeHint().height());
    };
    if (menus_)
        height += heightOf(menuBar());
    if (view_->statusBarWidget())
        height += heightOf(statusBar());
    return {0, height};
}

QSize WindowHost::clientLimit() const {
    const double scale = view_->dpi() / 96.0;
    return QSize(static_cast<int>(1000 * scale), static_cast<int>(680 * scale)) - chrome();
}

QSize WindowHost::frameExtra() const {
    const QSize extra = frameGeometry().size() - geometry().size();
    return extra.isEmpty() ? likelyFrameExtra : extra;
}

QPoint WindowHost::modelFramePlace() const {
    const QScreen* screen = this->screen();
    const QRect available = screen ? screen->availableGeometry() : QRect(0, 0, 1366, 768);
    const QPoint offset(twipsToPixels(window_.left(), view_->dpi()),
                        twipsToPixels(window_.top(), view_->dpi()));
    return frameTopLeft(available, offset, size() + frameExtra());
}

void WindowHost::showWindowModel() {
    setWindowTitle(window_.caption());
    // Moved where the logic puts it; where the user drags it afterwards is the user's.
    if (window_.left() != shownLeft_ || window_.top() != shownTop_) {
        shownLeft_ = window_.left();
        shownTop_ = window_.top();
        move(modelFramePlace());
    }
    if (window_.visible() != isVisible())
        setVisible(window_.visible());
}

// The first time the window shows: where the user left it, else at its design size as
// far as the screen allows, placed by its frame.
void WindowHost::placeAtFirstShow() {
    placed_ = true;
    const QByteArray kept = places_ ? places_->geometry(objectName()) : QByteArray();
    if (kept.isEmpty() || !restoreGeometry(kept)) {
        const QScreen* screen = this->screen();
        if (!screen)
            return;
        resize(startingClientSize(view_->designedSize(), view_->minimumSize(),
                                  screen->availableGeometry().size(), chrome() + frameExtra()) +
               chrome());
        move(firstPlace ? firstPlace(size() + frameExtra()) : modelFramePlace());
    }
    // A window manager may place a new window its own way: for a moment after the first
    // show, the frame is put back where it was asked to go.
    wantedFrame_ = pos();
    QTimer::singleShot(1000, this, [this] { wantedFrame_.reset(); });
}

void WindowHost::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    if (wantedFrame_ && isVisible() && frameGeometry().topLeft() != *wantedFrame_) {
        const QPoint wanted = *wantedFrame_;
        wantedFrame_.reset();
        move(wanted);
    }
}

void WindowHost::keepPlace() {
    if (places_ && placed_)
        places_->setGeometry(objectName(), saveGeometry());
}

void WindowHost::showEvent(QShowEvent* event) {
    if (!placed_)
        placeAtFirstShow();
    QMainWindow::showEvent(event);
}

void WindowHost::hideEvent(QHideEvent* event) {
    keepPlace();
    QMainWindow::hideEvent(event);
}

void WindowHost::closeEvent(QCloseEvent* event) {
    if (!engine::userClose(window_)) {
        event->ignore();
        return;
    }
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
        engine::userActivate(window_);
}

} // namespace sylvane::ui
