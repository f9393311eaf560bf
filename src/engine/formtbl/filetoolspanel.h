#pragma once

#include "engine/formtbl/panel.h"

namespace sylvane::engine {

// The file tools, reached through the menus: the field-count check of the current table,
// the optimisation of a chosen file and the current file's data. They show their results
// in the panels of the identification and the results.
class FileToolsPanel : public Panel {
  public:
    explicit FileToolsPanel(FormTbl& form) : Panel(form) {}

    // Connects the events of the controls to their handlers.
    void wire();

    void VerifNbChamps();
    void MnuOptim_Click();
    void MnuCarfic_Click();
};

} // namespace sylvane::engine
