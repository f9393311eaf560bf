#pragma once

#include <Qt>

// The numbers the window logic expects for keys and mouse buttons.
namespace sylvane::ui {

// The key code of a key (16 Shift, 13 Enter, 38 Up, 65 A...); 0 when it has none.
int vbKeyCode(int qtKey);

// 1 left, 2 right, 4 middle; 0 for other buttons.
int vbMouseButton(Qt::MouseButton button);

} // namespace sylvane::ui
