#pragma once

#include "engine/control.h"
#include "engine/formtbl/panel.h"
#include "engine/listbox.h"
#include "engine/window.h"

namespace sylvane::identify {
class KeywordMatcher;
}

namespace sylvane::engine {

// The keyword panel: one or two keywords, their matching options, the search over the
// value list or the taxon list into the result list, and the extraction.
//
//   member        designer name  caption
//   openSearch    Command3       "Chercher"
//   panel         Picture1
//   title         Label8         "Recherche par mot clé"
//   keywords      Textcle(i)     0, 1
//   commands      MoCle(i)       0 "&Chercher", 1 "&Extraire", 2 "&Quitter"
//   matchOptions  Check1(i)      1 "&Ignore M/m", 2 "&Ignore accents"
//   combineFrame  Frame1
//   anyKeyword    Option1        "&Ou"
//   allKeywords   Option2        "&Et"
//   targetFrame   Frame2
//   target        Option3(i)     0 "&Description", 1 "&Espèces"
//   extractTaxa   Checkespece    "extr. espèces"
class KeywordPanel : public Panel {
  public:
    explicit KeywordPanel(FormTbl& form) : Panel(form) {}

    Button openSearch{QStringLiteral("Command3"), QStringLiteral("Chercher")};
    Frame panel{QStringLiteral("Picture1")};
    Label title{QStringLiteral("Label8"), QStringLiteral("Recherche par mot clé")};
    ControlArray<TextBox> keywords{QStringLiteral("Textcle"), {{0, {}}, {1, {}}}};
    ControlArray<Button> commands{QStringLiteral("MoCle"),
                                  {{0, QStringLiteral("&Chercher")},
                                   {1, QStringLiteral("&Extraire")},
                                   {2, QStringLiteral("&Quitter")}}};
    ControlArray<CheckBox> matchOptions{
        QStringLiteral("Check1"),
        {{1, QStringLiteral("&Ignore M/m")}, {2, QStringLiteral("&Ignore accents")}}};
    Frame combineFrame{QStringLiteral("Frame1")};
    OptionButton anyKeyword{QStringLiteral("Option1"), QStringLiteral("&Ou")};
    OptionButton allKeywords{QStringLiteral("Option2"), QStringLiteral("&Et")};
    Frame targetFrame{QStringLiteral("Frame2")};
    ControlArray<OptionButton> target{
        QStringLiteral("Option3"),
        {{0, QStringLiteral("&Description")}, {1, QStringLiteral("&Espèces")}}};
    CheckBox extractTaxa{QStringLiteral("Checkespece"), QStringLiteral("extr. espèces")};

    // Connects the events of the controls to their handlers.
    void wire();

    void Command3_Click();
    void MoCle_Click(int index);
    void Option3_Click(int index);
    void RechercheListe();
    void ChercheListe(ListBox& listc);
    void ExtraireListe();

  private:
    // The matching rule set by the panel's boxes and options.
    identify::KeywordMatcher panelMatcher();
    // The keywords as the headings show them: the first, or both joined by " OU " or " & ".
    QString keywordsShown(bool* bothRequired = nullptr);
    // The earlier build's heading of an extraction.
    QString extractionHeading();
};

} // namespace sylvane::engine
