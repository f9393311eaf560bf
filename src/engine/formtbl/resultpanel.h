#pragma once

#include "engine/control.h"
#include "engine/formtbl/panel.h"
#include "engine/listbox.h"

namespace sylvane::engine {

// The result list with its heading, the taxon sheet and the comparison, the text panel
// that enlarges or copies a list, and the comments of the table.
//
//   member          designer name  caption
//   resultList      ListeResultat
//   commentList     List5
//   commentsTitle   Label4         "Commentaires"
//   heading         Lab_Resultat   "..."
//   closeTextPanel  Command4       "ferme  fenêtre"
//   textPanel       Text1
class ResultPanel : public Panel {
  public:
    explicit ResultPanel(FormTbl& form) : Panel(form) {}

    ListBox resultList{QStringLiteral("ListeResultat"), false};
    ListBox commentList{QStringLiteral("List5"), false};
    Label commentsTitle{QStringLiteral("Label4"), QStringLiteral("Commentaires")};
    Label heading{QStringLiteral("Lab_Resultat"), QStringLiteral("...")};
    Button closeTextPanel{QStringLiteral("Command4"), QStringLiteral("ferme  fenêtre")};
    TextBox textPanel{QStringLiteral("Text1"), true};

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

  private:
    void wireSheet();
    void showSheet(int row);
    void compareTaxon(int row);
};

} // namespace sylvane::engine
