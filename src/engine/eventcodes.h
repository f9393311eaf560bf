#pragma once

// The codes that come with the controls' mouse and key events, and the colours the logic
// paints with, under their names.
namespace sylvane::engine {

enum class MouseButton : int { Left = 1, Right = 2, Middle = 4 };
enum class KeyCode : int { Shift = 16 };
// Blue-green-red numbers, as the controls keep their colours.
enum class Colour : int { Black = 0, Red = 255, Yellow = 65535 };

constexpr bool isButton(int button, MouseButton which) {
    return button == static_cast<int>(which);
}
constexpr bool isKey(int keyCode, KeyCode which) {
    return keyCode == static_cast<int>(which);
}
constexpr double colourValue(Colour colour) {
    return static_cast<int>(colour);
}

} // namespace sylvane::engine
