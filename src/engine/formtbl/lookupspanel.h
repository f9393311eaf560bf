#pragma once

#include "engine/control.h"
#include "engine/formtbl/panel.h"
#include "engine/window.h"

namespace sylvane::engine {

// The external lookups: the web lookup buttons, the links written in the table's values,
// the text editor on the current file, the user manual and the About panel.
//
//   member        designer name  caption
//   editFile      Command8       "Command8"
//   webLookups    Command6(i)    0, 1 "Web  PDF", 2 "Doc", 3, 4, 6, 7 "INPN-2", 9 "INPN_1"
//   aboutPanel    FraMycm        "A propos"
//   aboutLines    Label(i)       0 "-----", 1, 2
//   aboutButtons  Bout(i)        2 "Fermer", 3 "Contacter l'auteur"
//   debugFrame    Frame12        "Frame12 debug"
//   searchName    Label17
class LookupsPanel : public Panel {
  public:
    explicit LookupsPanel(FormTbl& form) : Panel(form) {}

    Button editFile{QStringLiteral("Command8"), QStringLiteral("Command8")};
    ControlArray<Button> webLookups{QStringLiteral("Command6"),
                                    {{0, {}},
                                     {1, QStringLiteral("Web  PDF")},
                                     {2, QStringLiteral("Doc")},
                                     {3, {}},
                                     {4, {}},
                                     {6, {}},
                                     {7, QStringLiteral("INPN-2")},
                                     {9, QStringLiteral("INPN_1")}}};
    Frame aboutPanel{QStringLiteral("FraMycm"), QStringLiteral("A propos")};
    ControlArray<Label> aboutLines{QStringLiteral("Label"),
                                   {{0, QStringLiteral("-----")}, {1, {}}, {2, {}}}};
    enum AboutButton : int { CloseButton = 2, ContactButton = 3 };
    ControlArray<Button> aboutButtons{QStringLiteral("Bout"),
                                      {{CloseButton, QStringLiteral("Fermer")},
                                       {ContactButton, QStringLiteral("Contacter l'auteur")}}};
    Frame debugFrame{QStringLiteral("Frame12"), QStringLiteral("Frame12 debug")};
    Label searchName{QStringLiteral("Label17")};

    // Connects the events of the controls to their handlers.
    void wire();

    void ShellEx(const QString& FileOrURL);
    void ShellExW(const QString& chn);
    bool CheckInternetConnection();
    void openLink(const QString& link);     // the "#" links of the lists
    void openDocument(const QString& path); // the "%" links of the lists
    void Command6_Click(int index);
    QString NomFich(const QString& filename);
    QString Extrc_Nom_genre(QString& chn);
    void Doc_Compose_chaine();
    void Notepad();
    void NavDoc_Click();
    void MnApropos_Click();
    void Bout_Click(int index);

  private:
    // The earlier build's lookups (lookups_earlier.cpp).
    QString selectedTaxonName() const;
    void earlierLookup(int index);
};

} // namespace sylvane::engine
