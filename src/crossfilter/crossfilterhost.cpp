#include "crossfilter/crossfilterhost.h"

namespace sylvane::crossfilter {

CrossFilterHost::CrossFilterHost(keytable::ProgramState& state, core::Platform& platform)
    : state_(state), platform_(platform) {}

CrossFilterHost::~CrossFilterHost() = default;

FormCrx& CrossFilterHost::load() {
    if (unloadPending_ && !window_->busy())
        destroy();
    if (!window_) {
        window_ = std::make_unique<FormCrx>(state_, platform_);
        window_->setVisible(false);
        window_->Form_Load();
        if (onLoaded)
            onLoaded(*window_);
    }
    return *window_;
}

void CrossFilterHost::show() {
    FormCrx& window = load();
    window.setVisible(true);
    window.activate();
}

// A window whose handler is running (letting the event queue run) is only hidden: it is
// destroyed at the next use, once its handler has returned.
void CrossFilterHost::unload() {
    if (!window_)
        return;
    if (window_->busy()) {
        window_->setVisible(false);
        unloadPending_ = true;
        return;
    }
    destroy();
}

void CrossFilterHost::destroy() {
    if (onUnloading)
        onUnloading(*window_);
    window_.reset();
    unloadPending_ = false;
}

} // namespace sylvane::crossfilter
