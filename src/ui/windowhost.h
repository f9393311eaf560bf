#pragma once

#include "engine/window.h"

#include <QMainWindow>

#include <functional>
#include <optional>

namespace sylvane::ui {

class MenuView;
class WindowPlaces;
class WindowView;

// The program's icon, set on every window.
QIcon programIcon();

// A top-level window of the program: the client area built from the window's models,
// its menu bar if it has one, the status bar's control in Qt's status bar, its caption,
// place and visibility taken from the model, its closing asked to the logic and its
// activation passed on.
//
// Its size: the design of its models at first, as far as the screen's available area
// allows; its minimum lets it fit a 1366 x 768 screen with a task bar. Its place: the
// model's left and top place the frame, title bar included, inside the available area.
// With places given, the size and place the user left it at are kept between runs.
class WindowHost : public QMainWindow {
    Q_OBJECT
  public:
    explicit WindowHost(engine::Window& window, const std::vector<engine::MenuItem*>& menus = {},
                        QWidget* parent = nullptr);
    ~WindowHost() override;

    WindowView& view() { return *view_; }
    MenuView* menus() { return menus_; }
    engine::Window& window() { return window_; }

    // Until the program has started, activation is not passed on (start-up runs the
    // first activation itself, after the load).
    void setActivationEnabled(bool enabled) { activationEnabled_ = enabled; }

    // Where the size and place of the window are kept between runs (none: not kept).
    void setPlaces(WindowPlaces* places) { places_ = places; }

    // Where the frame goes at the first show when no place was kept (given the frame's
    // size); unset, the model's left and top place it.
    std::function<QPoint(QSize frame)> firstPlace;

    // Runs once the window has agreed to close and is gone.
    std::function<void()> onClosed;

    // The largest client size the minimum may ask for: 1000 x 680 pixels at 96 dpi for
    // the whole window, less its menu bar and status bar.
    QSize clientLimit() const;

  protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

  private:
    // Caption, place and visibility as the window's model has them.
    void showWindowModel();
    void placeAtFirstShow();
    QSize frameExtra() const;
    // The menu bar's and status bar's height around the client area.
    QSize chrome() const;
    QPoint modelFramePlace() const;
    void keepPlace();

    engine::Window& window_;
    WindowView* view_;
    MenuView* menus_ = nullptr;
    WindowPlaces* places_ = nullptr;
    int shownLeft_ = -1;
    int shownTop_ = -1;
    bool activationEnabled_ = true;
    bool placed_ = false;
    std::optional<QPoint> wantedFrame_;
};

} // namespace sylvane::ui
