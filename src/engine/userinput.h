#pragma once

#include "engine/window.h"

// What a user's action does to a control before its handler runs, the same for the Qt
// views and the headless driver. Each returns false when the action was refused: the
// control is disabled, or a window of the program is busy with a long operation.
namespace sylvane::engine {

// A left click. On a list, position is the entry clicked: a multi-selection list toggles
// its mark, a single-selection list selects it alone; either way it becomes current. A
// check box toggles, an option button becomes the selected one of its group.
bool userClick(Window& window, Control& control, int position = -1);

// A mouse button pressed (2 = right) over the control, over entry position of a list (a
// list whose right-click menu acts on the entry under the pointer makes it current first).
bool userMouseDown(Window& window, Control& control, int button, int position = -1);

// A key pressed while the control has the focus (16 = Shift).
bool userKey(Window& window, Control& control, int keyCode);

// The text of a text box becomes text, then its change event runs.
bool userType(Window& window, Control& control, const QString& text);

// A scroll bar moved to value, then its change event runs.
bool userScroll(Window& window, Control& control, int value);

// The window becomes the active one: its activation event runs.
bool userActivate(Window& window);

// The user closes the window: it closes (becomes hidden) when it agrees to. False when it
// stays open.
bool userClose(Window& window);

} // namespace sylvane::engine
