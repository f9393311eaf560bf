#pragma once

namespace sylvane::engine {

class FormTbl;

// A part of the main window a user sees as one whole (the identification lists, the
// keyword panel...): it owns its controls and its handlers, and reaches the other panels
// and the services they share through the window.
class Panel {
  public:
    explicit Panel(FormTbl& form) : form_(form) {}
    Panel(const Panel&) = delete;
    Panel& operator=(const Panel&) = delete;

  protected:
    FormTbl& form_;
};

} // namespace sylvane::engine
