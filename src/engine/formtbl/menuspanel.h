#pragma once

#include "engine/control.h"
#include "engine/formtbl/panel.h"
#include "engine/window.h"

#include <vector>

namespace sylvane::engine {

// The menu bar and the pop-up menus of the lists. Each item is wired by the panel whose
// handler it runs.
//
// clang-format off
//   member           designer name  caption
//   fileMenu         MFichier       "Fichiers"
//   open             MnOuvrir       "Ouvrir"
//   report           MnuRapport     "Rapport d'identification..." (current build only)
//   quit             Mnquit         "Quitter"
//   editMenu         Mnedite        "Edition"
//   editCopy         MnuCopie       "Copie resultat"
//   settingsMenu     MnParam(1)     "Paramètres"
//   settingsItems    MnPrm(i)       0 "Polices", 2 "Fic actuel =>Fic Défaut",
//                                   4 "Sauver les options"
//   toolsMenu        MnOptions      "Outils"
//   makeDefaultFile  MnFDef         "Fic actuel =>Fic Défaut"
//   filterTabs       Mnfiltr        "filtrage *Tab"
//   optimiseFile     MnuOptim       "Optimisation de fichier"
//   fileData         MnuCarfic      "Données fichier"
//   aboutTools       about          "à propos"
//   saveOptions      inisauve       "Sauver options"
//   editCurrentFile  MnuEdit        "Editer fichier en cours"
//   checkFields      Mnoutil(1)     "Verif champs"
//   documentation    NavDoc         "Documentation"
//   showAbout        MnApropos      "A propos"
//   valuePopup       PopDesc
//   copyValues       CopieDesc      "Copie "
//   taxonPopup       PopEspeces
//   copyTaxa         CopieEsp       "Copie"
//   whyTaxon         MnPourquoi     "Pourquoi écartée ?" (current build only)
//   resultPopup      mnufile
//   enlargeResults   MnuResbig      "Agrandir"
//   copyResults      MnuResCopie    "Copie Résultats"
//   lookAlikesOfSheet MnuResProches "Espèces proches" (current build only)
//   whyResult        MnuResPourquoi "Pourquoi écartée ?" (current build only)
//   choicePopup      PopChoix       (current build only)
//   withdrawChoice   MnRetirer      "Retirer" (current build only)
// clang-format on
class MenusPanel : public Panel {
  public:
    explicit MenusPanel(FormTbl& form) : Panel(form) {}

    MenuItem fileMenu{QStringLiteral("MFichier"), QStringLiteral("Fichiers"), 0};
    MenuItem open{QStringLiteral("MnOuvrir"), QStringLiteral("Ouvrir")};
    MenuItem report{QStringLiteral("MnuRapport"), QStringLiteral("Rapport d'identification...")};
    MenuItem quit{QStringLiteral("Mnquit"), QStringLiteral("Quitter")};
    MenuItem editMenu{QStringLiteral("Mnedite"), QStringLiteral("Edition"), 0};
    MenuItem editCopy{QStringLiteral("MnuCopie"), QStringLiteral("Copie resultat")};
    MenuItem settingsMenu{QStringLiteral("MnParam(1)"), QStringLiteral("Paramètres"), 0};
    // The indexes of the settings items; the designer left gaps between them.
    enum SettingsItem : int { FontsItem = 0, DefaultFileItem = 2, SaveOptionsItem = 4 };
    ControlArray<MenuItem> settingsItems{
        QStringLiteral("MnPrm"),
        {{FontsItem, QStringLiteral("Polices")},
         {DefaultFileItem, QStringLiteral("Fic actuel =>Fic Défaut")},
         {SaveOptionsItem, QStringLiteral("Sauver les options")}}};
    MenuItem toolsMenu{QStringLiteral("MnOptions"), QStringLiteral("Outils"), 0};
    MenuItem makeDefaultFile{QStringLiteral("MnFDef"), QStringLiteral("Fic actuel =>Fic Défaut")};
    MenuItem filterTabs{QStringLiteral("Mnfiltr"), QStringLiteral("filtrage *Tab")};
    MenuItem optimiseFile{QStringLiteral("MnuOptim"), QStringLiteral("Optimisation de fichier")};
    MenuItem fileData{QStringLiteral("MnuCarfic"), QStringLiteral("Données fichier")};
    MenuItem aboutTools{QStringLiteral("about"), QStringLiteral("à propos")};
    MenuItem saveOptions{QStringLiteral("inisauve"), QStringLiteral("Sauver options")};
    MenuItem editCurrentFile{QStringLiteral("MnuEdit"), QStringLiteral("Editer fichier en cours")};
    MenuItem checkFields{QStringLiteral("Mnoutil(1)"), QStringLiteral("Verif champs")};
    MenuItem documentation{QStringLiteral("NavDoc"), QStringLiteral("Documentation")};
    MenuItem showAbout{QStringLiteral("MnApropos"), QStringLiteral("A propos")};
    MenuItem valuePopup{QStringLiteral("PopDesc"), QString(), 0};
    MenuItem copyValues{QStringLiteral("CopieDesc"), QStringLiteral("Copie ")};
    MenuItem taxonPopup{QStringLiteral("PopEspeces"), QString(), 0};
    MenuItem copyTaxa{QStringLiteral("CopieEsp"), QStringLiteral("Copie")};
    MenuItem whyTaxon{QStringLiteral("MnPourquoi"), QStringLiteral("Pourquoi écartée ?")};
    MenuItem resultPopup{QStringLiteral("mnufile"), QString(), 0};
    MenuItem enlargeResults{QStringLiteral("MnuResbig"), QStringLiteral("Agrandir")};
    MenuItem copyResults{QStringLiteral("MnuResCopie"), QStringLiteral("Copie Résultats")};
    MenuItem lookAlikesOfSheet{QStringLiteral("MnuResProches"), QStringLiteral("Espèces proches")};
    MenuItem whyResult{QStringLiteral("MnuResPourquoi"), QStringLiteral("Pourquoi écartée ?")};
    MenuItem choicePopup{QStringLiteral("PopChoix"), QString(), 0};
    MenuItem withdrawChoice{QStringLiteral("MnRetirer"), QStringLiteral("Retirer")};

    // Connects the events of the controls to their handlers.
    void wire();

    // The menu bar, in order: level-0 menus each followed by their items.
    const std::vector<MenuItem*>& menuBar() const { return menuBar_; }
    // The items of a pop-up menu (PopDesc, PopEspeces, mnufile, PopChoix).
    std::vector<MenuItem*> popupItems(const MenuItem& popup);

    // ---- The identification report (menus_report.cpp) -------------------------------------
    void MnuRapport_Click();

  private:
    QString reportFolder() const;

    std::vector<MenuItem*> menuBar_;
    // The folder the last report was saved in ("" before the first one).
    QString lastReportFolder_;
};

} // namespace sylvane::engine
