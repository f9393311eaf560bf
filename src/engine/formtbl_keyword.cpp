// The keyword panel: opening and closing it, its options, and the search over the value
// list or the taxon list into the result list.
#include "engine/formtbl.h"

#include "core/vbtext.h"
#include "engine/keywordmatcher.h"

using namespace Qt::StringLiterals;

namespace sylvane::engine {

void FormTbl::wireKeyword() {
    Command3.onClick = [this] { Command3_Click(); };
    MoCle.forEach([this](int index, Button& button) {
        button.onClick = [this, index] { MoCle_Click(index); };
    });
    Option3.forEach([this](int index, OptionButton& option) {
        option.onClick = [this, index] { Option3_Click(index); };
    });
}

void FormTbl::Command3_Click() {
    Picture1.setVisible(true);
    List5.setVisible(false);
    Text1_Ferme();
    Textcle(0).setFocus();
    Textcle(0).select(0, static_cast<int>(Textcle(0).text().size()));
    RechercheListe();
}

void FormTbl::MoCle_Click(int index) {
    Lab_Resultat.setCaption(QString());
    switch (index) {
    case 0:
        Picture1.setVisible(true);
        RechercheListe();
        break;
    case 1:
        Picture1.setVisible(true);
        ExtraireListe(ListDesc, state().LineCount);
        break;
    case 2:
        Picture1.setVisible(false);
        Lab_Resultat.setCaption(QString());
        List5.setVisible(true);
        break;
    default:
        break;
    }
}

void FormTbl::Option3_Click(int index) {
    if (index == 0) {
        Option3(1).setValue(0);
        MoCle(1).setEnabled(true);
    } else if (index == 1) {
        Option3(0).setValue(0);
        MoCle(1).setEnabled(false);
    }
}

void FormTbl::RechercheListe() {
    if (Option3(0).value() != 0)
        ChercheListe(ListDesc, state().LineCount);
    if (Option3(1).value() != 0)
        ChercheListe(ListEspeces, state().LineCount);

    Lab_Resultat.setCaption(u"Résultat recherche : "_s + keywordsShown());
}

// The first keyword, followed by the second one when it is given: " OU " with "&Ou",
// " & " with "&Et" (bothRequired then tells so).
QString FormTbl::keywordsShown(bool* bothRequired) {
    const QString& k0 = Textcle(0).text();
    const QString& k1 = Textcle(1).text();
    if (bothRequired)
        *bothRequired = false;
    if (core::trimBlanks(k1).isEmpty())
        return k0;
    if (Option1.value() != 0)
        return k0 + u" OU "_s + k1;
    if (Option2.value() != 0) {
        if (bothRequired)
            *bothRequired = true;
        return k0 + u" & "_s + k1;
    }
    return k0;
}

KeywordMatcher FormTbl::panelMatcher() {
    return KeywordMatcher(Textcle(0).text(), Textcle(1).text(),
                          {.foldAccents = Check1(2).value() != 0,
                           .ignoreCase = Check1(1).value() != 0,
                           .bothRequired = Option1.value() == 0 && Option2.value() != 0});
}

void FormTbl::ChercheListe(ListBox& listc, double /*max*/) {
    if (Textcle(0).text().isEmpty())
        return;
    const KeywordMatcher matcher = panelMatcher();
    std::vector<ListEntry> found;
    const auto& entries = listc.entries();
    for (std::size_t i = 0; i < entries.size(); ++i)
        if (matcher.matches(entries[i].text))
            found.push_back({QString::number(i) + u" : "_s + entries[i].text});
    ListeResultat.clear();
    ListeResultat.addItems(std::move(found));
}

} // namespace sylvane::engine
