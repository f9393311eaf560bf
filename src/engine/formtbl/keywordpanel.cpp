// The keyword panel: opening and closing it, its options, and the search over the value
// list or the taxon list into the result list.
#include "engine/formtbl.h"

#include "core/vbtext.h"
#include "identify/keywordmatcher.h"
#include "identify/queries.h"

using namespace Qt::StringLiterals;

namespace sylvane::engine {

void KeywordPanel::wire() {
    openSearch.onClick = [this] { Command3_Click(); };
    commands.forEach([this](int index, Button& button) {
        button.onClick = [this, index] { MoCle_Click(index); };
    });
    target.forEach([this](int index, OptionButton& option) {
        option.onClick = [this, index] { Option3_Click(index); };
    });
}

void KeywordPanel::Command3_Click() {
    panel.setVisible(true);
    form_.results.commentList.setVisible(false);
    form_.results.Text1_Ferme();
    keywords(0).setFocus();
    keywords(0).select(0, static_cast<int>(keywords(0).text().size()));
    RechercheListe();
}

void KeywordPanel::MoCle_Click(int index) {
    form_.results.heading.setCaption(QString());
    switch (index) {
    case 0:
        panel.setVisible(true);
        RechercheListe();
        break;
    case 1:
        panel.setVisible(true);
        ExtraireListe();
        break;
    case 2:
        panel.setVisible(false);
        form_.results.heading.setCaption(QString());
        form_.results.commentList.setVisible(true);
        break;
    default:
        break;
    }
}

void KeywordPanel::Option3_Click(int index) {
    if (index == 0) {
        target(1).setValue(0);
        commands(1).setEnabled(true);
    } else if (index == 1) {
        target(0).setValue(0);
        commands(1).setEnabled(false);
    }
}

void KeywordPanel::RechercheListe() {
    if (target(0).value() != 0)
        ChercheListe(form_.identification.valueList);
    if (target(1).value() != 0)
        ChercheListe(form_.identification.taxonList);

    form_.results.heading.setCaption(u"Résultat recherche : "_s + keywordsShown());
}

// The first keyword, followed by the second one when it is given: " OU " with "&Ou",
// " & " with "&Et" (bothRequired then tells so).
QString KeywordPanel::keywordsShown(bool* bothRequired) {
    const QString& k0 = keywords(0).text();
    const QString& k1 = keywords(1).text();
    if (bothRequired)
        *bothRequired = false;
    if (core::trimBlanks(k1).isEmpty())
        return k0;
    if (anyKeyword.value() != 0)
        return k0 + u" OU "_s + k1;
    if (allKeywords.value() != 0) {
        if (bothRequired)
            *bothRequired = true;
        return k0 + u" & "_s + k1;
    }
    return k0;
}

identify::KeywordMatcher KeywordPanel::panelMatcher() {
    return identify::KeywordMatcher(
        keywords(0).text(), keywords(1).text(),
        {.foldAccents = matchOptions(2).value() != 0,
         .ignoreCase = matchOptions(1).value() != 0,
         .bothRequired = anyKeyword.value() == 0 && allKeywords.value() != 0});
}

void KeywordPanel::ChercheListe(ListBox& listc) {
    if (keywords(0).text().isEmpty())
        return;
    const QStringList found = identify::keywordSearch(listc.texts(), panelMatcher());
    form_.results.resultList.clear();
    form_.results.resultList.addItems(entriesOf(found));
}

} // namespace sylvane::engine
