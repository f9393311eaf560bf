#include "engine/userinput.h"

#include "engine/eventcodes.h"
#include "engine/listbox.h"

namespace sylvane::engine {

namespace {

bool accepts(const Window& window, const Control& control) {
    return control.enabled() && !window.busy();
}

void selectOption(Window& window, Control& option) {
    if (!option.group().isEmpty())
        for (Control* other : window.controls())
            if (other != &option && other->kind() == ControlKind::OptionButton &&
                other->group() == option.group())
                other->setValue(0);
    option.setValue(1);
}

} // namespace

bool userClick(Window& window, Control& control, int position) {
    if (!accepts(window, control))
        return false;
    switch (control.kind()) {
    case ControlKind::ListBox: {
        auto& list = static_cast<ListBox&>(control);
        if (position < 0 || position >= list.count())
            return false;
        if (list.multiSelect())
            list.setMarked(position, !list.isMarked(position));
        list.setCurrentIndex(position);
        break;
    }
    case ControlKind::CheckBox:
        control.setValue(control.value() == 1 ? 0 : 1);
        break;
    case ControlKind::OptionButton:
        selectOption(window, control);
        break;
    default:
        break;
    }
    if (control.onClick)
        control.onClick();
    return true;
}

bool userMouseDown(Window& window, Control& control, int button, int position) {
    if (!accepts(window, control))
        return false;
    if (control.kind() == ControlKind::ListBox && isButton(button, MouseButton::Right)) {
        auto& list = static_cast<ListBox&>(control);
        if (list.rightPressSelects() && position >= 0 && position < list.count())
            list.setCurrentIndex(position);
    }
    if (control.onMouseDown)
        control.onMouseDown(button);
    return true;
}

bool userKey(Window& window, Control& control, int keyCode) {
    if (!accepts(window, control))
        return false;
    if (control.onKeyDown)
        control.onKeyDown(keyCode);
    return true;
}

bool userType(Window& window, Control& control, const QString& text) {
    if (!accepts(window, control))
        return false;
    control.setText(text);
    if (control.onChange)
        control.onChange();
    return true;
}

bool userScroll(Window& window, Control& control, int value) {
    if (!accepts(window, control))
        return false;
    control.setValue(value);
    if (control.onChange)
        control.onChange();
    return true;
}

bool userActivate(Window& window) {
    if (window.busy())
        return false;
    window.activate();
    return true;
}

bool userClose(Window& window) {
    if (window.busy() || !window.queryClose())
        return false;
    window.setVisible(false);
    return true;
}

} // namespace sylvane::engine
