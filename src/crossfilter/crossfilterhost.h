#pragma once

#include "crossfilter/formcrx.h"

#include <functional>
#include <memory>

namespace sylvane::crossfilter {

// Owns the cross-filter window on behalf of the main window. The window is created hidden,
// and its load step run, when it is first loaded (the main window's first activation);
// "Appel Crx" shows it without blocking the main window; closing the main window unloads
// it, so its filters are lost and a later use loads it afresh.
class CrossFilterHost {
  public:
    CrossFilterHost(keytable::ProgramState& state, core::Platform& platform);
    // The window goes with its owner, who is told nothing: its owner is going too.
    ~CrossFilterHost();
    CrossFilterHost(const CrossFilterHost&) = delete;
    CrossFilterHost& operator=(const CrossFilterHost&) = delete;

    // The window while it is loaded, null otherwise.
    FormCrx* window() const { return window_.get(); }

    // Creates the window hidden and runs its load step, the first time only.
    FormCrx& load();
    // Shows the window and activates it.
    void show();
    // Closes the window and forgets it.
    void unload();
    // True between an unload asked while the window was busy and its next use.
    bool unloadPending() const { return unloadPending_; }

    // Told when a window has been created and loaded (a view or the driver attaches to
    // it), and just before an unload destroys it.
    std::function<void(FormCrx&)> onLoaded;
    std::function<void(FormCrx&)> onUnloading;

  private:
    keytable::ProgramState& state_;
    core::Platform& platform_;
    std::unique_ptr<FormCrx> window_;
    bool unloadPending_ = false;

    void destroy();
};

} // namespace sylvane::crossfilter
