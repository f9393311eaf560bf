#include "ui/secondarywindows.h"

namespace sylvane::ui {

SecondaryWindows::SecondaryWindows(engine::FormTbl& main, core::ProgramState& state,
                                   core::Platform& platform)
    : crossFilter_(main, state, platform), wordPicker_(main, state, platform) {
    crossFilter_.onLoaded = [this](crossfilter::FormCrx& window) {
        crossFilterView_ = std::make_unique<WindowHost>(window, window.menuBar());
        crossFilterView_->setObjectName(window.name());
    };
    // The view goes at once, before the logic it shows.
    crossFilter_.onUnloading = [this](crossfilter::FormCrx&) { crossFilterView_.reset(); };
    wordPicker_.onLoaded = [this](engine::Form1& window) {
        wordPickerView_ = std::make_unique<WindowHost>(window);
        wordPickerView_->setObjectName(window.name());
    };
}

SecondaryWindows::~SecondaryWindows() {
    crossFilterView_.reset();
    wordPickerView_.reset();
}

} // namespace sylvane::ui
