#pragma once

#include "crossfilter/crossfilterhost.h"
#include "engine/formtbl.h"
#include "engine/windowservices.h"
#include "engine/wordpickerhost.h"

#include <memory>

namespace sylvane::crossfilter {

// The windows the main window opens, each created on its first use: the cross-filter
// window and the earlier build's word picker. A shell derives from it for the pop-up menus
// and the main window's closing, and attaches its views to the hosts. The windows open
// only while a main window is attached; detaching it closes them.
class OtherWindows : public engine::WindowServices {
  public:
    OtherWindows(keytable::ProgramState& state, core::Platform& platform);
    ~OtherWindows() override;
    OtherWindows(const OtherWindows&) = delete;
    OtherWindows& operator=(const OtherWindows&) = delete;

    void attach(engine::FormTbl& main);
    void detach();

    // The hosts while a main window is attached, null otherwise.
    CrossFilterHost* crossFilter() const { return crossFilter_.get(); }
    engine::WordPickerHost* wordPicker() const { return wordPicker_.get(); }

    void loadCrossFilter() override;
    void showCrossFilter() override;
    bool crossFilterVisible() const override;
    void closeCrossFilter() override;
    void showWordPicker(const QString& caption, const QString& name) override;

  private:
    keytable::ProgramState& state_;
    core::Platform& platform_;
    std::unique_ptr<CrossFilterHost> crossFilter_;
    std::unique_ptr<engine::WordPickerHost> wordPicker_;
};

} // namespace sylvane::crossfilter
