#include "ui/windowplacement.h"

#include <algorithm>

namespace sylvane::ui {

namespace {

// The position nearest to wanted that keeps a frame inside the area (its top-left corner
// first when the frame is larger than the area).
QPoint keptInside(const QRect& available, QPoint wanted, QSize frame) {
    const int x =
        std::max(std::min(wanted.x(), available.right() + 1 - frame.width()), available.left());
    const int y =
        std::max(std::min(wanted.y(), available.bottom() + 1 - frame.height()), available.top());
    return {x, y};
}

} // namespace

QPoint frameTopLeft(const QRect& available, QPoint offset, QSize frame) {
    return keptInside(available, available.topLeft() + offset, frame);
}

QPoint besideTopLeft(const QRect& available, const QRect& main, QSize frame, int keepLeft,
                     int keepTop) {
    if (main.right() + frame.width() <= available.right())
        return keptInside(available, {main.right() + 1, main.top()}, frame);
    if (main.left() - frame.width() >= available.left())
        return keptInside(available, {main.left() - frame.width(), main.top()}, frame);
    return keptInside(available, {keepLeft + 1, keepTop + 1}, frame);
}

QSize startingClientSize(QSize designed, QSize minimum, QSize available, QSize chrome) {
    return designed.boundedTo(available - chrome).expandedTo(minimum);
}

} // namespace sylvane::ui
