#pragma once

#include "engine/window.h"

#include <QMainWindow>

#include <functional>

namespace sylvane::ui {

class MenuView;
class WindowView;

// A top-level window of the program: the client area built from the window's models,
// its menu bar if it has one, its caption, position and visibility taken from the model,
// its closing asked to the logic and its activation passed on.
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

    // Runs once the window has agreed to close and is gone.
    std::function<void()> onClosed;

  protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    // Caption, place and visibility as the window's model has them.
    void showWindowModel();

    engine::Window& window_;
    WindowView* view_;
    MenuView* menus_ = nullptr;
    int shownLeft_ = -1;
    int shownTop_ = -1;
    bool activationEnabled_ = true;
};

} // namespace sylvane::ui
