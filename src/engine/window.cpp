#include "engine/window.h"

namespace sylvane::engine {

Window::Window(QString name, QString caption, keytable::ProgramState& state,
               core::Platform& platform)
    : Control(std::move(name), ControlKind::Window, std::move(caption)), state_(state),
      platform_(platform) {}

void Window::add(Control& control) {
    controls_.push_back(&control);
    byName_.insert(control.name(), &control);
}

bool Window::yieldDue() {
    const qint64 now = platform_.monotonicMilliseconds();
    if (now - lastYield_ < 30 && now >= lastYield_)
        return false;
    lastYield_ = now;
    return true;
}

} // namespace sylvane::engine
