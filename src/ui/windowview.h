#pragma once

#include "engine/window.h"
#include "ui/elasticlayout.h"

#include <QHash>
#include <QWidget>

#include <functional>
#include <memory>
#include <vector>

namespace sylvane::ui {

// The client area of any window of the program, built from its control models: one
// widget per control (menu items aside), placed by its twips, repainted where a model
// signals a change, and forwarding the user's actions to the handlers through the same
// rules as the headless driver (engine/userinput.h).
//
// The twips are the design of the window at its starting size. When the window is
// larger or smaller, the controls follow it (ElasticLayout): lists and text panels take
// their share of the room, as the window's height bands share it, buttons and check boxes
// keep their size and stay beside their lists. The status bar's control is not placed here: the
// window's host shows it in its own status bar.
class WindowView : public QWidget {
    Q_OBJECT
  public:
    explicit WindowView(engine::Window& window, QWidget* parent = nullptr);
    ~WindowView() override;

    engine::Window& window() { return window_; }
    // The widget that shows a control of this window, as W (null for menu items, for a
    // control of another window and for a widget of another kind).
    template <typename W = QWidget> W* widgetFor(const engine::Control& control) const {
        return qobject_cast<W*>(widgetOf(control));
    }
    // The widget of the window's status bar control (null when it has none).
    QWidget* statusBarWidget() const { return statusBar_; }

    // Puts these controls above the others, the last one on top.
    void raiseControls(std::initializer_list<const engine::Control*> controls);

    // Alt+letter puts the focus on target's widget, whatever label says at the time; the
    // label shows the letter underlined when its caption has it.
    void setMnemonic(const engine::Control& label, QChar letter, const engine::Control& target);

    // Where a control is shown: adjust gets the place the layout gives it and returns the
    // place to use (a panel that takes a list's room too, a list that takes a hidden
    // panel's room).
    void adjustPlace(const engine::Control& control,
                     std::function<QRect(const QRect& placed)> adjust);
    // The place the layout gives a control (before its own adjustment); empty if none.
    QRect layoutPlace(const engine::Control& control) const;

    // The client size the twips design: the window's size, less the strip of the status
    // bar when the window has one.
    QSize designedSize() const { return designed_; }

    // Logical dots per inch used for twips (the screen's; tests may set it).
    double dpi() const { return dpi_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    struct Binding {
        engine::Control* control = nullptr;
        QWidget* widget = nullptr;
        std::function<QRect(const QRect&)> adjust;
        QChar mnemonic; // the letter a label shows underlined
    };

    QWidget* widgetOf(const engine::Control& control) const;
    QWidget* createWidget(Binding& binding);
    void connectSignals(Binding& binding);
    void controlChanged(Binding& binding, engine::ControlChange what);
    void fitToWindow();
    std::vector<HeightBand> heightBands() const;
    void apply(Binding& binding);
    void applyCommon(Binding& binding);
    void applyText(Binding& binding);
    void focusLater(Binding& binding);
    void place(Binding& binding);
    QRect placed(const Binding& binding) const;
    QRect laidOut(const Binding& binding) const;
    QRect designedRect(const engine::Control& control) const;
    void afterUserEvent(Binding& binding, bool accepted);

    engine::Window& window_;
    std::vector<std::unique_ptr<Binding>> bindings_;
    QHash<QObject*, Binding*> byWidget_;
    QHash<const engine::Control*, Binding*> byControl_;
    QWidget* statusBar_ = nullptr;
    double dpi_ = 96;
    QSize designed_;
    ElasticLayout layout_;
    bool refreshing_ = false;
};

} // namespace sylvane::ui
