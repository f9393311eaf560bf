#pragma once

#include "engine/form1.h"
#include "engine/formtbl.h"

#include <functional>
#include <memory>

namespace sylvane::engine {

// Owns the word picker on behalf of the main window: the bibliography lookup of the
// earlier build opens it on a taxon name; the window is created and loaded on first use
// and stays loaded. Its "Appel Mot-clé" runs a keyword search of the main window with the
// picked word.
class WordPickerHost {
  public:
    WordPickerHost(FormTbl& main, keytable::ProgramState& state, core::Platform& platform);
    ~WordPickerHost();
    WordPickerHost(const WordPickerHost&) = delete;
    WordPickerHost& operator=(const WordPickerHost&) = delete;

    // The window once loaded, null before.
    Form1* window() const { return window_.get(); }

    // Shows the window, not modal, under caption, with the words of name.
    void show(const QString& caption, const QString& name);

    // Told once, when the window has been created and loaded (a view or the driver
    // attaches to it).
    std::function<void(Form1&)> onLoaded;

  private:
    Form1& load();
    void lookUp(const QString& word);

    FormTbl& main_;
    keytable::ProgramState& state_;
    core::Platform& platform_;
    std::unique_ptr<Form1> window_;
};

} // namespace sylvane::engine
