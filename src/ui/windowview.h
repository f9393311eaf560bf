#pragma once

#include "engine/window.h"

#include <QHash>
#include <QWidget>

#include <memory>
#include <vector>

namespace sylvane::ui {

class ListBoxModel;

// The client area of any window of the program, built from its control models: one
// widget per control (menu items aside), placed by its twips, repainted where a model
// signals a change, and forwarding the user's actions to the handlers through the same
// rules as the headless driver (engine/userinput.h).
class WindowView : public QWidget {
    Q_OBJECT
  public:
    explicit WindowView(engine::Window& window, QWidget* parent = nullptr);
    ~WindowView() override;

    engine::Window& window() { return window_; }
    // The widget that shows a control (null for menu items and unknown names).
    QWidget* widgetFor(const QString& name) const;

    // Puts these controls above the others, the last one on top.
    void raiseControls(const QStringList& names);

    // Logical dots per inch used for twips (the screen's; tests may set it).
    double dpi() const { return dpi_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    struct Binding {
        engine::Control* control = nullptr;
        QWidget* widget = nullptr;
        ListBoxModel* model = nullptr;
    };

    QWidget* createWidget(Binding& binding);
    void connectSignals(Binding& binding);
    void controlChanged(Binding& binding, engine::ControlChange what);
    void fitToWindow();
    void apply(Binding& binding);
    void applyCommon(Binding& binding);
    void applyText(Binding& binding);
    void focusLater(Binding& binding);
    void showCurrentEntry(Binding& binding);
    bool listMouse(Binding& binding, QEvent* event);
    bool listKey(Binding& binding, int qtKey);
    void afterUserEvent(Binding& binding, bool accepted);

    engine::Window& window_;
    std::vector<std::unique_ptr<Binding>> bindings_;
    QHash<QObject*, Binding*> byWidget_;
    QHash<QString, Binding*> byName_;
    double dpi_ = 96;
    bool refreshing_ = false;
};

} // namespace sylvane::ui
