#include "ui/elasticlayout.h"

#include <algorithm>
#include <cmath>

namespace sylvane::ui {

namespace {

enum class Side { Follows, FollowsToItsContent, Keeps };

// One side of a box: its start follows the axis. Its length follows it too where the box
// stretches on this axis (a list always, a label's width no shorter than its text), else
// keeps its design when its place grows and when it shrinks gives up only what it can
// spare.
std::pair<int, int> side(const ElasticAxis& axis, int start, int length, int needed, Side rule) {
    const int from = axis.map(start);
    const int span = axis.map(start + length) - from;
    const bool grows = span >= length;
    if (rule == Side::Follows || (rule == Side::FollowsToItsContent && grows))
        return {from, span};
    if (grows)
        return {from, length};
    return {from, std::max(span, std::min(needed, length))};
}

} // namespace

ElasticAxis::ElasticAxis(int designed, int current) {
    if (designed <= 0 || current <= 0)
        designed = current = 1;
    scale_ = static_cast<double>(current) / designed;
    knots_ = {{0, 0}, {designed, current}};
}

ElasticAxis::ElasticAxis(int designed, int current, const std::vector<HeightBand>& bands)
    : ElasticAxis(designed, current) {
    if (designed <= 0 || current <= 0)
        return;
    const auto topOf = [&](std::size_t i) {
        return i < bands.size() ? std::clamp(bands[i].top, 0, designed) : designed;
    };
    const double extra = current - designed;
    const auto weight = [&](std::size_t i) {
        return std::max(extra >= 0 ? bands[i].grow : bands[i].shrink, 0);
    };
    double weighted = 0;
    for (std::size_t i = 0; i < bands.size(); ++i)
        weighted += weight(i) * std::max(topOf(i + 1) - topOf(i), 0);
    if (weighted <= 0)
        return;
    std::vector<std::pair<double, double>> knots{{0, 0}};
    double reached = topOf(0); // above the first band, nothing moves
    if (reached > 0)
        knots.emplace_back(reached, reached);
    for (std::size_t i = 0; i < bands.size(); ++i) {
        const int length = std::max(topOf(i + 1) - topOf(i), 0);
        const double share = extra * weight(i) * length / weighted;
        if (length + share < 0.5 * length)
            return; // far below its design: in proportion, as every other box
        reached += length + share;
        knots.emplace_back(topOf(i) + length, reached);
    }
    knots_ = std::move(knots);
}

int ElasticAxis::map(int position) const {
    std::size_t i = 1;
    while (i + 1 < knots_.size() && position > knots_[i].first)
        ++i;
    const auto [fromDesigned, fromCurrent] = knots_[i - 1];
    const auto [toDesigned, toCurrent] = knots_[i];
    const double slope =
        toDesigned > fromDesigned ? (toCurrent - fromCurrent) / (toDesigned - fromDesigned) : 1;
    return static_cast<int>(std::lround(fromCurrent + (position - fromDesigned) * slope));
}

ElasticLayout::ElasticLayout(QSize designed, QSize current,
                             const std::vector<HeightBand>& heightBands)
    : x_(designed.width(), current.width()), y_(designed.height(), current.height(), heightBands) {}

QRect ElasticLayout::place(const QRect& designed, Elasticity elasticity, QSize needed) const {
    const Side across = elasticity == Elasticity::Stretch        ? Side::Follows
                        : elasticity == Elasticity::StretchWidth ? Side::FollowsToItsContent
                                                                 : Side::Keeps;
    const Side down = elasticity == Elasticity::Stretch ? Side::Follows : Side::Keeps;
    const auto [x, width] = side(x_, designed.x(), designed.width(), needed.width(), across);
    const auto [y, height] = side(y_, designed.y(), designed.height(), needed.height(), down);
    return {x, y, std::max(width, 0), std::max(height, 0)};
}

ElasticLayout ElasticLayout::inside(const QRect& containerDesigned,
                                    const QRect& containerNow) const {
    return {Axes{}, ElasticAxis(containerDesigned.width(), containerNow.width()),
            ElasticAxis(containerDesigned.height(), containerNow.height())};
}

} // namespace sylvane::ui
