#pragma once

#include <QString>

namespace sylvane::engine {

class MenuItem;

// What the main window asks of the windows around it: the cross-filter window, the earlier
// build's word picker, its pop-up menus and its own closing. The Qt shell shows them on
// screen, the headless driver writes them; NoWindows stands for a main window alone.
class WindowServices {
  public:
    virtual ~WindowServices() = default;

    // The cross-filter window is created hidden, its load step run, the first time only.
    virtual void loadCrossFilter() = 0;
    // Shows the cross-filter window and activates it (loading it first).
    virtual void showCrossFilter() = 0;
    // Whether the cross-filter window is loaded and shown; asking never loads it.
    virtual bool crossFilterVisible() const = 0;
    // Closes the cross-filter window and forgets it: its next use loads it afresh.
    virtual void closeCrossFilter() = 0;
    // Shows the earlier build's word picker under caption, with the words of name.
    virtual void showWordPicker(const QString& caption, const QString& name) = 0;
    // Shows a pop-up menu at the mouse; the chosen item's click runs once it has closed.
    virtual void showPopup(MenuItem& popup) = 0;
    // Closes the main window as the user would (which asks its closing question).
    virtual void closeMainWindow() = 0;
};

// No window but the main one: nothing opens, nothing closes.
class NoWindows : public WindowServices {
  public:
    void loadCrossFilter() override {}
    void showCrossFilter() override {}
    bool crossFilterVisible() const override { return false; }
    void closeCrossFilter() override {}
    void showWordPicker(const QString&, const QString&) override {}
    void showPopup(MenuItem&) override {}
    void closeMainWindow() override {}
};

} // namespace sylvane::engine
