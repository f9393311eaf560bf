#pragma once

#include "crossfilter/crossfilterhost.h"
#include "engine/wordpickerhost.h"
#include "ui/windowhost.h"

#include <memory>

namespace sylvane::ui {

class WindowPlaces;

// The windows the main window opens: the cross-filter window (reached from "Appel Crx")
// and the earlier build's word picker. Each gets its view when its logic is created and
// loses it when the logic goes. The cross-filter window first opens beside the main
// window's view (when given); places keeps where the user leaves both.
class SecondaryWindows {
  public:
    SecondaryWindows(engine::FormTbl& main, keytable::ProgramState& state, core::Platform& platform,
                     WindowHost* mainView = nullptr, WindowPlaces* places = nullptr);
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

// Where a window opened from main goes first: beside it when the screen has room, else
// where it leaves main's menu bar and field list (the control named fieldList) in sight.
QPoint besideMainWindow(WindowHost& main, const QString& fieldList, QSize frame);

} // namespace sylvane::ui
