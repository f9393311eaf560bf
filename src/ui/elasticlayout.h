#pragma once

#include <QRect>
#include <QSize>

#include <vector>

namespace sylvane::ui {

// How a control's box follows its window when the window is not at its designed size.
enum class Elasticity {
    Stretch,      // lists and text panels: both sides follow the window
    StretchWidth, // labels, one-line boxes, scroll bars: the width follows, the height stays
    Fixed,        // buttons, check boxes, panels: the size stays
};

// A band of a window's height: from top (designed pixels) down to the next band's top, it
// takes a share of the room the window gains (or gives up a share of the room it loses) in
// proportion to its weight for growing (for shrinking) times its height. A band of weight
// 0 keeps its height.
struct HeightBand {
    int top = 0;
    int grow = 1;
    int shrink = 1;
};

// How positions along one side of the window follow it: piecewise linear, each band
// stretched by its share of the difference between the designed and the current length.
class ElasticAxis {
  public:
    // Every position in proportion.
    explicit ElasticAxis(int designed = 1, int current = 1);
    // Bands in order from 0; a band that would lose more than half its height (a window
    // far below its design) makes every position follow in proportion instead.
    ElasticAxis(int designed, int current, const std::vector<HeightBand>& bands);

    int map(int position) const;
    // The current length over the designed one.
    double scale() const { return scale_; }

  private:
    std::vector<std::pair<double, double>> knots_; // (designed, current), ascending
    double scale_ = 1;
};

// Places boxes designed for one client size in another. Every position follows the window
// on each axis (across in proportion, down by the window's height bands), so that boxes side
// by side in the design stay side by side, in the same order. Growing, a box takes its share
// of the extra room as its elasticity allows; shrinking, every box shrinks as its place does
// but never below what its content needs (capped at its designed size).
class ElasticLayout {
  public:
    ElasticLayout() = default;
    ElasticLayout(QSize designed, QSize current, const std::vector<HeightBand>& heightBands = {});

    // The overall scale of each axis (current / designed).
    double scaleX() const { return x_.scale(); }
    double scaleY() const { return y_.scale(); }

    // The box of a control designed at designed (pixels at the designed size); needed is
    // what its content asks for (its size hint).
    QRect place(const QRect& designed, Elasticity elasticity, QSize needed = {}) const;

    // The layout inside a container placed at containerNow from containerDesigned: in
    // proportion to the container.
    ElasticLayout inside(const QRect& containerDesigned, const QRect& containerNow) const;

  private:
    struct Axes {};
    ElasticLayout(Axes, ElasticAxis x, ElasticAxis y) : x_(std::move(x)), y_(std::move(y)) {}

    ElasticAxis x_;
    ElasticAxis y_;
};

} // namespace sylvane::ui
