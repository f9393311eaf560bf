// Step back: the search is reset and every recorded choice but the last is replayed.
#include "engine/formtbl.h"

#include "core/vbtext.h"

using namespace Qt::StringLiterals;

namespace sylvane::engine {

void IdentificationPanel::Command5_Click() {
    MarcheArriere();
}

// The replayed procedures record their choices again by the usual rules, so that the
// record ends one token shorter. A token that no longer fits the lists (the accent option
// changed meanwhile) selects another entry or none; the replay goes on without a message.
void IdentificationPanel::MarcheArriere() {
    auto& s = form_.state();
    auto steps = static_cast<qint16>(s.ChoiceSteps);
    QString path = s.ChoicePath;
    RazListes();
    while (steps > 0) {
        --steps;
        const qsizetype end = path.indexOf(u';');
        const QString token = core::trimBlanks(end < 0 ? QStringView(path) : path.first(end));
        path = end < 0 ? QString() : path.sliced(end + 1);
        replayToken(token);
    }
}

void IdentificationPanel::replayToken(const QString& token) {
    if (token.isEmpty())
        return;
    bool ok = false;
    const qint16 position = token.sliced(1).toShort(&ok);
    switch (static_cast<ChoiceList>(token.front().unicode())) {
    case ChoiceList::Field:
        if (ok)
            fieldList.setCurrentIndex(position);
        List2_Simulclic();
        break;
    case ChoiceList::Value:
        if (ok)
            valueList.setCurrentIndex(position);
        ListDesc_Simulclic_Simple();
        break;
    case ChoiceList::TaxonColumn:
        List2_Simulclic_Espece();
        break;
    }
}

} // namespace sylvane::engine
