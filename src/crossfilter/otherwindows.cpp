#include "crossfilter/otherwindows.h"

namespace sylvane::crossfilter {

OtherWindows::OtherWindows(keytable::ProgramState& state, core::Platform& platform)
    : state_(state), platform_(platform) {}

OtherWindows::~OtherWindows() = default;

void OtherWindows::attach(engine::FormTbl& main) {
    crossFilter_ = std::make_unique<CrossFilterHost>(state_, platform_);
    wordPicker_ = std::make_unique<engine::WordPickerHost>(main, state_, platform_);
}

void OtherWindows::detach() {
    wordPicker_.reset();
    crossFilter_.reset();
}

void OtherWindows::loadCrossFilter() {
    if (crossFilter_)
        crossFilter_->load();
}

void OtherWindows::showCrossFilter() {
    if (crossFilter_)
        crossFilter_->show();
}

bool OtherWindows::crossFilterVisible() const {
    return crossFilter_ && crossFilter_->window() && crossFilter_->window()->visible();
}

void OtherWindows::closeCrossFilter() {
    if (crossFilter_)
        crossFilter_->unload();
}

void OtherWindows::showWordPicker(const QString& caption, const QString& name) {
    if (wordPicker_)
        wordPicker_->show(caption, name);
}

} // namespace sylvane::crossfilter
