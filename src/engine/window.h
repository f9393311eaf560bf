#pragma once

#include "core/platform.h"
#include "engine/control.h"
#include "engine/listbox.h"
#include "keytable/programstate.h"

#include <QHash>

#include <map>
#include <memory>
#include <vector>

namespace sylvane::engine {

// A control array of the designer: controls of one kind under one name, told apart by
// an index ("MoCle(0)", "Command6(7)"). Indexes need not be consecutive.
template <typename T> class ControlArray {
  public:
    ControlArray(const QString& name, std::initializer_list<std::pair<int, QString>> items) {
        for (const auto& [index, caption] : items)
            items_[index] = std::make_unique<T>(elementName(name, index), caption);
    }
    T& operator()(int index) { return *items_.at(index); }
    const T& operator()(int index) const { return *items_.at(index); }
    bool has(int index) const { return items_.count(index) != 0; }
    template <typename F> void forEach(F f) {
        for (auto& [index, item] : items_)
            f(index, *item);
    }
    static QString elementName(const QString& name, int index) {
        return name + QLatin1Char('(') + QString::number(index) + QLatin1Char(')');
    }

  private:
    std::map<int, std::unique_ptr<T>> items_;
};

// A window of the program: its own model (caption, visibility), the registry of its
// controls by name, and the platform and shared state it works on.
class Window : public Control {
  public:
    Window(QString name, QString caption, keytable::ProgramState& state, core::Platform& platform);

    keytable::ProgramState& state() { return state_; }
    core::Platform& platform() { return platform_; }

    // The control of this window with that name ("List2", "MoCle(0)"); null if none.
    Control* find(const QString& name) const { return byName_.value(name, nullptr); }
    const std::vector<Control*>& controls() const { return controls_; }

    // How the window's height is shared when the window is taller or shorter than its
    // design: from each top (twips, in order), the band down to the next top gains room in
    // proportion to its weight for growing times its height, and loses room by its weight
    // for shrinking; a band of weight 0 keeps its height. None: every position follows the
    // window in proportion.
    struct HeightBand {
        int top = 0;
        int grow = 1;
        int shrink = 1;
    };
    void setHeightBands(std::vector<HeightBand> bands) { heightBands_ = std::move(bands); }
    const std::vector<HeightBand>& heightBands() const { return heightBands_; }

    // The window becomes active; asked to close (false keeps it open).
    virtual void activate() {}
    virtual bool queryClose() { return true; }

    // True while a long operation of any window of the program runs (a load, a listing,
    // a comparison) and lets the event queue run: user events that arrive meanwhile, in
    // this window or another, are refused.
    bool busy() const { return state_.BusyDepth > 0; }

    // Marks the program busy for its lifetime.
    class BusyScope {
      public:
        explicit BusyScope(Window& window) : state_(window.state_) { ++state_.BusyDepth; }
        ~BusyScope() { --state_.BusyDepth; }
        BusyScope(const BusyScope&) = delete;
        BusyScope& operator=(const BusyScope&) = delete;

      private:
        keytable::ProgramState& state_;
    };

  protected:
    void add(Control& control);
    template <typename T> void add(ControlArray<T>& array) {
        array.forEach([this](int, T& item) { add(item); });
    }
    template <typename... C> void addAll(C&... controls) { (add(controls), ...); }

    // Lets the event queue run at most every ~30 ms inside a long loop, so that the
    // window stays alive without slowing the loop down.
    void yieldSometimes() {
        if (yieldDue())
            platform_.processEvents();
    }
    // True at most every ~30 ms: the moment for a long loop to show its progress and let
    // the event queue run (showing it more often would only slow the loop down).
    bool yieldDue();

  private:
    keytable::ProgramState& state_;
    core::Platform& platform_;
    std::vector<Control*> controls_;
    QHash<QString, Control*> byName_;
    std::vector<HeightBand> heightBands_;
    qint64 lastYield_ = 0;
};

} // namespace sylvane::engine
