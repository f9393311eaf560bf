#pragma once

#include "engine/control.h"
#include "engine/formtbl/panel.h"
#include "engine/listbox.h"

namespace sylvane::engine {

// The result list with its heading, the taxon sheet and the comparison, the look-alikes of
// a taxon and why a taxon is not found, the text panel that enlarges or copies a list, and
// the comments of the table.
//
//   member          designer name  caption
//   resultList      ListeResultat
//   commentList     List5
//   commentsTitle   Label4         "Commentaires"
//   heading         Lab_Resultat   "..."
//   closeTextPanel  Command4       "ferme  fenêtre"
//   textPanel       Text1
//   findLookAlikes  CmdProches     "Espèces proches" (current build only)
class ResultPanel : public Panel {
  public:
    explicit ResultPanel(FormTbl& form) : Panel(form) {}

    ListBox resultList{QStringLiteral("ListeResultat"), false};
    ListBox commentList{QStringLiteral("List5"), false};
    Label commentsTitle{QStringLiteral("Label4"), QStringLiteral("Commentaires")};
    Label heading{QStringLiteral("Lab_Resultat"), QStringLiteral("...")};
    Button closeTextPanel{QStringLiteral("Command4"), QStringLiteral("ferme  fenêtre")};
    TextBox textPanel{QStringLiteral("Text1"), true};
    Button findLookAlikes{QStringLiteral("CmdProches"), QStringLiteral("Espèces proches")};

    // Connects the events of the controls to their handlers.
    void wire();

    // ---- The result list (resultpanel.cpp) ---------------------------------------------
    void ListeResultat_Click();
    void ListeResultat_KeyDown(int keyCode);
    void ListeResultat_MouseDown(int button);
    void ListResultat_Big();
    void MnuResbig_Click();
    void MnuResCopie_Click();
    void Text1_Ouvre();
    void Text1_Ferme();
    void Command4_Click();

    // ---- Taxon sheet and comparison (result_sheet.cpp) ------------------------------------
    void ListEspeces_Click();
    void ListEspeces_MouseDown(int button);
    void CopieResultat();

    // ---- Look-alikes and reasons (result_lookalikes.cpp) ------------------------------------
    // The ten taxa of the table nearest the taxon whose sheet (or look-alikes) is shown,
    // each with the fields where they differ.
    void CmdProches_Click();
    // Why the taxon of the entry is not found (the taxa list, the result list).
    void MnPourquoi_Click();
    void MnuResPourquoi_Click();

  private:
    // What the result list shows, for the commands that act on a taxon.
    enum class Showing { Other, Sheet, LookAlikes };

    void wireSheet();
    void wireLookAlikes();
    void showSheet(int row);
    void compareTaxon(int row);
    void showLookAlikes(int row);
    // The result list shows entries, a sheet or look-alikes (row: their taxon); an open
    // enlarged view follows it.
    void showResults(Showing showing, int row, std::vector<ListEntry> entries);
    void showTaxonCommandsState();
    // The taxon an entry of the taxa list or of the result list stands for, as a row; 0
    // for none.
    int taxonOfTaxaEntry(int index) const;
    int taxonOfResultEntry(int index) const;
    void explainWhy(int row);

    Showing showing_ = Showing::Other;
    int shownRow_ = 0;
};

} // namespace sylvane::engine
