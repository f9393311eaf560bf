#pragma once

#include "engine/formtbl.h"
#include "ui/windowhost.h"

namespace sylvane::ui {

class QtPlatform;
class SecondaryWindows;

// The main window on screen: the generic window host over FormTbl's models, with its
// menu bar, its pop-up menus, the transient message above everything, the closing asked
// through Form_QueryUnload, its keyboard (Enter in a keyword box, shortcuts, tab order),
// and the Qt platform's dialogs owned by it. While it lives, windows serves the main
// window's pop-ups, its closing and its other windows.
class FormTblView : public WindowHost {
    Q_OBJECT
  public:
    FormTblView(engine::FormTbl& form, QtPlatform* platform = nullptr,
                SecondaryWindows* windows = nullptr);
    ~FormTblView() override;

    engine::FormTbl& form() { return form_; }

  private:
    void arrangePanels();
    void setUpKeyboard();
    void keepFocusInSight();

    engine::FormTbl& form_;
    SecondaryWindows* windows_;
};

// Shows the developer controls of the main window (the web lookup buttons, Command8 to
// Command11 and the frame Frame12), which are otherwise hidden for good.
void showDeveloperControls(engine::FormTbl& form);

} // namespace sylvane::ui
