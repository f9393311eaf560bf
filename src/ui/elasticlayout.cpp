#include "ui/elasticlayout.h"

#include <algorithm>
#include <cmath>

namespace sylvane::ui {

namespace {

double ratio(int now, int designed) {
    return designed > 0 && now > 0 ? static_cast<double>(now) / designed : 1.0;
}

int scaled(int value, double scale) {
    return static_cast<int>(std::lround(value * scale));
}

enum class Side { Follows, FollowsToItsContent, Keeps };

// One side of a box: its start follows the scale. Its length follows it too where the
// box stretches on this axis (a list always, a label's width no shorter than its text),
// else keeps its design when growing and when shrinking gives up only what it can spare.
std::pair<int, int> side(int start, int length, int needed, Side rule, double scale) {
    const int from = scaled(start, scale);
    const int span = scaled(start + length, scale) - from;
    if (rule == Side::Follows || (rule == Side::FollowsToItsContent && scale >= 1))
        return {from, span};
    if (scale >= 1)
        return {from, length};
    return {from, std::max(span, std::min(needed, length))};
}

} // namespace

ElasticLayout::ElasticLayout(QSize designed, QSize current)
    : scaleX_(ratio(current.width(), designed.width())),
      scaleY_(ratio(current.height(), designed.height())) {}

QRect ElasticLayout::place(const QRect& designed, Elasticity elasticity, QSize needed) const {
    const Side across = elasticity == Elasticity::Stretch        ? Side::Follows
                        : elasticity == Elasticity::StretchWidth ? Side::FollowsToItsContent
                                                                 : Side::Keeps;
    const Side down = elasticity == Elasticity::Stretch ? Side::Follows : Side::Keeps;
    const auto [x, width] = side(designed.x(), designed.width(), needed.width(), across, scaleX_);
    const auto [y, height] = side(designed.y(), designed.height(), needed.height(), down, scaleY_);
    return {x, y, std::max(width, 0), std::max(height, 0)};
}

ElasticLayout ElasticLayout::inside(const QRect& containerDesigned,
                                    const QRect& containerNow) const {
    return {ratio(containerNow.width(), containerDesigned.width()),
            ratio(containerNow.height(), containerDesigned.height())};
}

} // namespace sylvane::ui
