#include "engine/control.h"

namespace sylvane::engine {

Control::Control(QString name, ControlKind kind, QString caption)
    : name_(std::move(name)), kind_(kind), caption_(std::move(caption)) {}

void Control::setCaption(const QString& caption) {
    if (caption_ == caption && caption_.isNull() == caption.isNull())
        return;
    caption_ = caption;
    touch();
}

void Control::setText(const QString& text) {
    if (text_ == text)
        return;
    text_ = text;
    touch();
}

void Control::setValue(int value) {
    if (value_ == value)
        return;
    value_ = value;
    touch();
}

void Control::setVisible(bool visible) {
    if (visible_ == visible)
        return;
    visible_ = visible;
    touch();
}

void Control::setEnabled(bool enabled) {
    if (enabled_ == enabled)
        return;
    enabled_ = enabled;
    touch();
}

void Control::move(int left, int top) {
    setGeometry(left, top, width_, height_);
}

void Control::setSize(int width, int height) {
    setGeometry(left_, top_, width, height);
}

void Control::setGeometry(int left, int top, int width, int height) {
    if (left == left_ && top == top_ && width == width_ && height == height_)
        return;
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    touch();
}

void Control::setFontSize(double points) {
    if (fontSize_ == points)
        return;
    fontSize_ = points;
    touch();
}

void Control::setBackColour(double colour) {
    if (backColour_ == colour)
        return;
    backColour_ = colour;
    touch();
}

void Control::setForeColour(double colour) {
    if (foreColour_ == colour)
        return;
    foreColour_ = colour;
    touch();
}

void Control::setRange(int minimum, int maximum) {
    minimum_ = minimum;
    maximum_ = maximum;
    touch();
}

} // namespace sylvane::engine
