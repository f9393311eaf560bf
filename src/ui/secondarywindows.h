#pragma once

#include "crossfilter/crossfilterhost.h"
#include "engine/wordpickerhost.h"
#include "ui/windowhost.h"

#include <memory>

namespace sylvane::ui {

// The windows the main window opens: the cross-filter window (reached from "Appel Crx")
// and the earlier build's word picker. Each gets its view when its logic is created and
// loses it when the logic goes.
class SecondaryWindows {
  public:
    SecondaryWindows(engine::FormTbl& main, core::ProgramState& state, core::Platform& platform);
    ~SecondaryWindows();

    crossfilter::CrossFilterHost& crossFilter() { return crossFilter_; }
    engine::WordPickerHost& wordPicker() { return wordPicker_; }
    WindowHost* crossFilterView() { return crossFilterView_.get(); }
    WindowHost* wordPickerView() { return wordPickerView_.get(); }

  private:
    crossfilter::CrossFilterHost crossFilter_;
    engine::WordPickerHost wordPicker_;
    std::unique_ptr<WindowHost> crossFilterView_;
    std::unique_ptr<WindowHost> wordPickerView_;
};

} // namespace sylvane::ui
