#pragma once

#include "crossfilter/otherwindows.h"
#include "ui/windowhost.h"

#include <QPointer>

#include <memory>

namespace sylvane::ui {

class FormTblView;
class WindowPlaces;

// The windows around the main window on screen: the cross-filter window (reached from
// "Appel Crx") and the earlier build's word picker, each with its view while its logic
// lives, and the main window's pop-up menus and closing. They are served while the main
// window's view is attached; the cross-filter window first opens beside it, and places
// keeps where the user leaves both.
class SecondaryWindows final : public crossfilter::OtherWindows {
  public:
    SecondaryWindows(keytable::ProgramState& state, core::Platform& platform,
                     WindowPlaces* places = nullptr);
    ~SecondaryWindows() override;

    // The main window's view attaches itself while it lives.
    void attachView(FormTblView& main);
    void detachView();

    WindowHost* crossFilterView() { return crossFilterView_.get(); }
    WindowHost* wordPickerView() { return wordPickerView_.get(); }

    void showPopup(engine::MenuItem& popup) override;
    void closeMainWindow() override;

  private:
    WindowPlaces* places_;
    QPointer<FormTblView> main_;
    std::unique_ptr<WindowHost> crossFilterView_;
    std::unique_ptr<WindowHost> wordPickerView_;
};

// Where a window opened from main goes first: beside it when the screen has room, else
// where it leaves main's menu bar and the widget keptInSight (its field list) in sight.
QPoint besideMainWindow(WindowHost& main, const QWidget* keptInSight, QSize frame);

} // namespace sylvane::ui
