#pragma once

#include <QRect>
#include <QSize>

namespace sylvane::ui {

// How a control's box follows its window when the window is not at its designed size.
enum class Elasticity {
    Stretch,      // lists and text panels: both sides follow the window
    StretchWidth, // labels, one-line boxes, scroll bars: the width follows, the height stays
    Fixed,        // buttons, check boxes, panels: the size stays
};

// Places boxes designed for one client size in another. Every position follows the window
// in proportion on each axis, so that boxes side by side in the design stay side by side,
// in the same order. Growing, a box takes its share of the extra room as its elasticity
// allows; shrinking, every box shrinks in proportion but never below what its content
// needs (capped at its designed size).
class ElasticLayout {
  public:
    ElasticLayout() = default;
    ElasticLayout(QSize designed, QSize current);

    // The scale of each axis (current / designed).
    double scaleX() const { return scaleX_; }
    double scaleY() const { return scaleY_; }

    // The box of a control designed at designed (pixels at the designed size); needed is
    // what its content asks for (its size hint).
    QRect place(const QRect& designed, Elasticity elasticity, QSize needed = {}) const;

    // The layout inside a container placed at containerNow from containerDesigned.
    ElasticLayout inside(const QRect& containerDesigned, const QRect& containerNow) const;

  private:
    ElasticLayout(double scaleX, double scaleY) : scaleX_(scaleX), scaleY_(scaleY) {}

    double scaleX_ = 1;
    double scaleY_ = 1;
};

} // namespace sylvane::ui
