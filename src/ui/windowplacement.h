#pragma once

#include <QRect>
#include <QString>

namespace sylvane::ui {

// Where windows go on the screen. Every rectangle is a window's frame (title bar and
// borders included) in screen coordinates; available is the screen's area without its
// task bars.

// The frame offset from the available area's top-left corner, moved back inside the area
// as far as it fits, so that its title bar can always be reached.
QPoint frameTopLeft(const QRect& available, QPoint offset, QSize frame);

// A window opened beside the main one: right of it when the screen has room there, else
// left of it, else right of keepLeft (the main window's field list) and under keepTop
// (its menu bar), so that those stay in sight.
QPoint besideTopLeft(const QRect& available, const QRect& main, QSize frame, int keepLeft,
                     int keepTop);

// The client size a window starts at: its design, as far as the available area allows
// once chrome (frame, menu bar, status bar) is added, and never below its minimum.
QSize startingClientSize(QSize designed, QSize minimum, QSize available, QSize chrome);

} // namespace sylvane::ui
