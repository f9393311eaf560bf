#pragma once

#include <QColor>
#include <QRect>

// Conversions between the logic's units and the screen's: twips (1440 per logical inch)
// to pixels, and blue-green-red colour numbers to colours.
namespace sylvane::ui {

inline int twipsToPixels(int twips, double dpi) {
    return static_cast<int>(twips * dpi / 1440.0 + (twips >= 0 ? 0.5 : -0.5));
}

inline QRect twipsRect(int left, int top, int width, int height, double dpi) {
    const int x = twipsToPixels(left, dpi);
    const int y = twipsToPixels(top, dpi);
    return {x, y, std::max(twipsToPixels(left + width, dpi) - x, 0),
            std::max(twipsToPixels(top + height, dpi) - y, 0)};
}

// 255 is red, 65280 green, 16711680 blue.
inline QColor colourFromBgr(double colour) {
    const auto value = static_cast<quint32>(colour);
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

} // namespace sylvane::ui
