#pragma once

#include <Qt>

#include <utility>

// The numbers the window logic expects for keys and mouse buttons.
namespace sylvane::ui {

// The key code of a key (16 Shift, 13 Enter, 38 Up, 65 A...); 0 when it has none.
int vbKeyCode(int qtKey);

// 1 left, 2 right, 4 middle; 0 for other buttons.
int vbMouseButton(Qt::MouseButton button);

// Shift pressed and released with no other key between: the logic's Shift key (16), which
// opens a large panel. Shift held for Shift+Tab or a capital letter is no such key.
class LoneShift {
  public:
    void pressed(int qtKey) { armed_ = qtKey == Qt::Key_Shift; }
    // True when this release ends a lone Shift.
    bool released(int qtKey) { return qtKey == Qt::Key_Shift && std::exchange(armed_, false); }
    void reset() { armed_ = false; }

  private:
    bool armed_ = false;
};

} // namespace sylvane::ui
