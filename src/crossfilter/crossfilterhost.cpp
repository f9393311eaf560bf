#include "crossfilter/crossfilterhost.h"

namespace sylvane::crossfilter {

CrossFilterHost::CrossFilterHost(engine::FormTbl& main, keytable::ProgramState& state,
                                 core::Platform& platform)
    : main_(main), state_(state), platform_(platform) {
    main_.onShowCrossFilter = [this] { show(); };
    main_.crossFilterVisible = [this] { return isVisible(); };
    main_.closeCrossFilter = [this] { unload(); };
}

CrossFilterHost::~CrossFilterHost() {
    main_.onShowCrossFilter = nullptr;
    main_.crossFilterVisible = nullptr;
    main_.closeCrossFilter = nullptr;
    if (window_)
        destroy();
}

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

bool CrossFilterHost::isVisible() {
    return load().visible();
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
