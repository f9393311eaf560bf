// The identification engine: field choice, value choice, the choice record, step back
// and reset.
#include "engine/formtbl.h"

#include "core/moduleroutines.h"

using namespace Qt::StringLiterals;

namespace sylvane::engine {

void FormTbl::wireEngine() {
    Command1.onClick = [this] { Command1_Click(); };
}

void FormTbl::Command1_Click() {
    RazListes();
}

void FormTbl::RazListes() {
    auto& s = state();
    List2.clear();
    ListDesc.clear();
    ListEspeces.clear();
    List4.clear();
    Label3.setCaption(QString());
    StatusBar1.setCaption(QString());
    Lab_Resultat.setCaption(QString());
    s.ChoicePath.clear();
    s.ChoiceSteps = 0;
    s.ExtractionShown = false;
    Command5.setEnabled(true);
    ListeResultat.clear();
    s.UsedFields.clear();
    AfficheChamps();
    const int lines = s.lineCount();
    s.FoundRows[0] = lines;
    for (int i = 1; i <= lines && i <= core::MaxRows; ++i)
        s.FoundRows[i] = i;
}

} // namespace sylvane::engine
