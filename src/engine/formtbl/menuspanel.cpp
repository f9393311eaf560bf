// The menu bar and the pop-up menus of the main window.
#include "engine/formtbl.h"

using namespace Qt::StringLiterals;

namespace sylvane::engine {

void MenusPanel::wire() {
    // "Copie resultat" has no action in this program: the result list copies through its
    // pop-up menu ("Copie Résultats").
    menuBar_ = {&fileMenu,
                &open,
                &report,
                &quit,
                &editMenu,
                &editCopy,
                &settingsMenu,
                &settingsItems(FontsItem),
                &settingsItems(DefaultFileItem),
                &settingsItems(SaveOptionsItem),
                &toolsMenu,
                &makeDefaultFile,
                &filterTabs,
                &optimiseFile,
                &fileData,
                &aboutTools,
                &saveOptions,
                &editCurrentFile,
                &checkFields,
                &documentation,
                &showAbout};
    settingsItems(FontsItem).setEnabled(false);
    filterTabs.setEnabled(false);
    aboutTools.setEnabled(false);
    saveOptions.setEnabled(false);
    saveOptions.setVisible(false);
    for (MenuItem* popup : {&valuePopup, &taxonPopup, &resultPopup, &choicePopup})
        popup->setVisible(false);
    if (!form_.isEarlierBuild())
        report.onClick = [this] { MnuRapport_Click(); };
    if (form_.isEarlierBuild()) {
        // The earlier build's "Paramètres" holds only "Polices" and is greyed; its "Outils"
        // saves the options and has no "Fic actuel =>Fic Défaut".
        settingsMenu.setEnabled(false);
        settingsItems(2).setVisible(false);
        settingsItems(4).setVisible(false);
        makeDefaultFile.setVisible(false);
        saveOptions.setVisible(true);
        saveOptions.setEnabled(true);
        // The identification report, the look-alikes and the reasons came after the earlier
        // build.
        for (MenuItem* later : {&report, &whyTaxon, &lookAlikesOfSheet, &whyResult})
            later->setVisible(false);
    }
}

std::vector<MenuItem*> MenusPanel::popupItems(const MenuItem& popup) {
    if (&popup == &valuePopup)
        return {&copyValues};
    if (&popup == &taxonPopup)
        return {&copyTaxa, &whyTaxon};
    if (&popup == &resultPopup)
        return {&enlargeResults, &copyResults, &lookAlikesOfSheet, &whyResult};
    if (&popup == &choicePopup)
        return {&withdrawChoice};
    return {};
}

} // namespace sylvane::engine
