// Where the earlier build (2019-02) behaves differently in the identification, the sheet
// and the extraction: the search history, the emptied result heading, the extraction
// heading and the copy hint of the status bar. Each helper does nothing in the current
// build, so that the shared handlers can call it unconditionally.
#include "engine/formtbl.h"

using namespace Qt::StringLiterals;

namespace sylvane::engine {

void FormTbl::wireEarlierBuild() {
    if (!isEarlierBuild())
        return;
    // The sheet option in the place of "comparer": this build has no comparison.
    Check6.setCaption(u"masquer les lignes vides"_s);
}

void FormTbl::showCopyHint() {
    if (isEarlierBuild())
        StatusBar1.setCaption(u" Clic droit sur les fenêtre jaunes pour ciopier le texte"_s);
}

// Remembers the value(s) just applied, under the name of their field, until the next
// field is chosen: "field:value", or "field:v1/ v2/ " for a multiple choice.
void FormTbl::keepHistoryOfChoice(const QString& values) {
    if (!isEarlierBuild())
        return;
    const auto& s = state();
    const int field = s.ChosenField[s.ChoiceLevel];
    const QString name = field >= 1 && field <= core::MaxFields ? s.FieldNames[field] : QString();
    pendingHistory_ = name + u":"_s + values;
}

// A new field is chosen: the choice made in the value list it replaces goes to the search
// history ("Historique recherche").
void FormTbl::writeHistoryLine() {
    if (pendingHistory_.isEmpty())
        return;
    List4.addItem(pendingHistory_);
    pendingHistory_.clear();
}

void FormTbl::earlierClickReset() {
    if (isEarlierBuild())
        Lab_Resultat.setCaption(QString());
}

// "Extrait :  k0" or "Extrait :  k0 OU k1"; with "&Et" and two keywords "Extrait : k0 & k1".
QString FormTbl::extractionHeading() {
    bool both = false;
    const QString keywords = keywordsShown(&both);
    return (both ? u"Extrait : "_s : u"Extrait :  "_s) + keywords;
}

} // namespace sylvane::engine
