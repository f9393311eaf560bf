#pragma once

#include "core/edition.h"
#include "engine/eventcodes.h"
#include "engine/formtbl/filetoolspanel.h"
#include "engine/formtbl/identificationpanel.h"
#include "engine/formtbl/keywordpanel.h"
#include "engine/formtbl/lookupspanel.h"
#include "engine/formtbl/menuspanel.h"
#include "engine/formtbl/resultpanel.h"
#include "engine/window.h"
#include "engine/windowservices.h"
#include "keytable/tablefile.h"

#include <optional>

namespace sylvane::engine {

// The main window's logic, composed of the panels a user sees (each owns its controls and
// handlers, in src/engine/formtbl/) and the services they share: start-up and settings,
// loading a table, the transient message, the status bar. The Qt view shows the models and
// forwards the user's events; the headless driver does the same without a display. The
// other windows, the pop-up menus and the window's own closing go through windows.
//
// The window's own controls:
//   member           designer name   caption
//   openedFileTitle  Label1
//   currentFile      Label9
//   formattedText    ChkFormat       "fichier txt formatté"
//   joinFields       Check2          "Ch1 + Ch2"
//   flashFrame       FraFlash
//   flashText        lblLabelflashx
//   statusBar        StatusBar1
class FormTbl : public Window {
  public:
    FormTbl(keytable::ProgramState& state, core::Platform& platform, WindowServices& windows,
            core::Edition edition = core::Edition::Current);

    void activate() override { Form_Activate(); }
    bool queryClose() override { return Form_QueryUnload(); }

    core::Edition edition() const { return edition_; }
    bool isEarlierBuild() const { return edition_ == core::Edition::Earlier; }
    using Window::yieldDue;
    WindowServices& windows() { return windows_; }
    using Window::yieldSometimes;

  private:
    WindowServices& windows_;
    core::Edition edition_;

  public:
    IdentificationPanel identification{*this};
    KeywordPanel keyword{*this};
    ResultPanel results{*this};
    LookupsPanel lookups{*this};
    FileToolsPanel fileTools{*this};
    MenusPanel menus{*this};

    Label openedFileTitle{QStringLiteral("Label1")};
    Label currentFile{QStringLiteral("Label9")};
    CheckBox formattedText{QStringLiteral("ChkFormat"), QStringLiteral("fichier txt formatté")};
    CheckBox joinFields{QStringLiteral("Check2"), QStringLiteral("Ch1 + Ch2")};
    Frame flashFrame{QStringLiteral("FraFlash")};
    Label flashText{QStringLiteral("lblLabelflashx")};
    StatusBar statusBar{QStringLiteral("StatusBar1")};

    // ---- Start-up, settings and closing (formtbl_startup.cpp) ------------------------------
    void Form_Load(const QString& commandLine);
    void Form_Activate();
    void Ini_Charge();
    void ini_sauve();
    void MnFDef_Click();
    void MnPrm_Click(int index);
    void Mnquit_Click();
    // Returns true when the window may close.
    bool Form_QueryUnload();
    void position_fenetres();

    // ---- Loading (formtbl_load.cpp) -----------------------------------------------------
    void MnOuvrir_Click();
    // Loads the current file. False when it cannot be loaded: nothing changes, and a file
    // that opens but is no key table is refused with its reason.
    bool execute();
    // The file named, read and checked; when it cannot be loaded, a message names it with
    // its reason and nothing is returned.
    std::optional<keytable::TableFile> tableToLoad(const QString& name);
    // Loads a checked file into the window: the lists are emptied, the table read, the
    // identification started again.
    void load(const keytable::TableFile& file);

    // ---- Shared services -------------------------------------------------------------------
    void Flash(Colour colour, const QString& chn, int delai, int x, int y);
    // The earlier build's status bar hint after a sheet or an activation.
    void showCopyHint();

    // Window coordinates used by several messages.
    static constexpr int ClientWidth = 16155;
    static constexpr int ClientHeight = 10875;

  private:
    void registerControls();
    void layOutControls();
    // Each file connects the events that lead to its handlers.
    void wireLoading();
    void wireStartup();
};

} // namespace sylvane::engine
