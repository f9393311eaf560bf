#pragma once

#include "crossfilter/filtertable.h"
#include "engine/listbox.h"
#include "engine/window.h"

#include <array>
#include <vector>

namespace sylvane::crossfilter {

// The cross-filter window "Gestion des croix": numbered filters over the loaded key table,
// each testing one or two values against fields, combined with ET or OU; a cross search
// that reports taxon by taxon which filters pass; a counting run; a copy of the report.
// Every control is a model under a role name, its designer name as its name(); every
// handler keeps its own name. The handlers live in formcrx_filters.cpp (editing the
// filters) and formcrx_search.cpp (search, counting, copy).
//
//   member          designer name  caption
//   fieldsTitle     Label6         "Choisir critère de filtre parmi"
//   fieldList       ListeChamps
//   valueList       ListeChoix
//   valueBoxes      Text1(i)       0, 1
//   exactMatch      Check1(i)      0, 1
//   takeValue       Command2(i)    0 "<", 1 "<"
//   combine         Option1(i)     0 "ET", 1 "OU"
//   numberTitle     Label2         "Numéro de filtre"
//   numberBox       Text2          "1"
//   numberBar       HScroll1
//   filterShown     Label1
//   validate        Command4       "valider"
//   clearFilters    Command5       "RAZ filtres"
//   listFilters     Command6       "liste filtres"
//   search          Command1       "Recherche"
//   count           Command8       "Compter"
//   showOptions     Command7       "options"
//   reportBox       Text3
//   progress        Label3         "***"
//   elapsed         Label5
//   optionsFrame    Frame2         "options"
//   separatorTitle  Label4         "séparateur"
//   separatorBox    Text4          ";"
//   copyMenu        copiecroix     "Copie ds Presse papier"
//   optionsMenu     MnuOptions     "Options"
//   separatorMenu   MnSep          "Séparateur"
//   separatorItems  sept(i)        0 ";", 1 ","
class FormCrx : public engine::Window {
  public:
    FormCrx(keytable::ProgramState& state, core::Platform& platform);

    void activate() override { Form_Activate(); }

    // ---- Field and value lists ---------------------------------------------------------
    engine::Label fieldsTitle{QStringLiteral("Label6"),
                              QStringLiteral("Choisir critère de filtre parmi")};
    engine::ListBox fieldList{QStringLiteral("ListeChamps"), false};
    engine::ListBox valueList{QStringLiteral("ListeChoix"), true};

    // ---- The filter being edited ---------------------------------------------------------
    engine::ControlArray<engine::TextBox> valueBoxes{QStringLiteral("Text1"), {{0, {}}, {1, {}}}};
    engine::ControlArray<engine::CheckBox> exactMatch{QStringLiteral("Check1"), {{0, {}}, {1, {}}}};
    engine::ControlArray<engine::Button> takeValue{
        QStringLiteral("Command2"), {{0, QStringLiteral("<")}, {1, QStringLiteral("<")}}};
    engine::ControlArray<engine::OptionButton> combine{
        QStringLiteral("Option1"), {{0, QStringLiteral("ET")}, {1, QStringLiteral("OU")}}};
    engine::Label numberTitle{QStringLiteral("Label2"), QStringLiteral("Numéro de filtre")};
    engine::TextBox numberBox{QStringLiteral("Text2"), QStringLiteral("1")};
    engine::ScrollBar numberBar{QStringLiteral("HScroll1")};
    engine::Label filterShown{QStringLiteral("Label1")};

    // ---- Commands ------------------------------------------------------------------------
    engine::Button validate{QStringLiteral("Command4"), QStringLiteral("valider")};
    engine::Button clearFilters{QStringLiteral("Command5"), QStringLiteral("RAZ filtres")};
    engine::Button listFilters{QStringLiteral("Command6"), QStringLiteral("liste filtres")};
    engine::Button search{QStringLiteral("Command1"), QStringLiteral("Recherche")};
    engine::Button count{QStringLiteral("Command8"), QStringLiteral("Compter")};
    engine::Button showOptions{QStringLiteral("Command7"), QStringLiteral("options")};

    // ---- Filter list and report ----------------------------------------------------------
    engine::TextBox reportBox{QStringLiteral("Text3"), true};
    engine::Label progress{QStringLiteral("Label3"), QStringLiteral("***")};
    engine::Label elapsed{QStringLiteral("Label5")};

    // ---- Options frame -------------------------------------------------------------------
    engine::Frame optionsFrame{QStringLiteral("Frame2"), QStringLiteral("options")};
    engine::Label separatorTitle{QStringLiteral("Label4"), QStringLiteral("séparateur")};
    engine::TextBox separatorBox{QStringLiteral("Text4"), QStringLiteral(";")};

    // ---- Menus (menu bar order) ------------------------------------------------------------
    engine::MenuItem copyMenu{QStringLiteral("copiecroix"),
                              QStringLiteral("Copie ds Presse papier"), 0};
    engine::MenuItem optionsMenu{QStringLiteral("MnuOptions"), QStringLiteral("Options"), 0};
    engine::MenuItem separatorMenu{QStringLiteral("MnSep"), QStringLiteral("Séparateur"), 1};
    engine::ControlArray<engine::MenuItem> separatorItems{
        QStringLiteral("sept"), {{0, QStringLiteral(";")}, {1, QStringLiteral(",")}}};

    // The menu bar in order: each menu followed by its items (levels 0, 1, 2).
    const std::vector<engine::MenuItem*>& menuBar() const { return menuBar_; }

    // ---- Window state ----------------------------------------------------------------------
    FilterTable Filters;
    int FilterCount = 0;
    int MaxFilters = FilterSlots;
    int CurrentField = 0;
    std::array<int, 2> PickedField{};
    QString OutputSeparator = QStringLiteral(";");
    LinkWordTable LinkWords;
    bool CountingMode = false;
    qint64 StartTime = 0; // monotonic milliseconds at the start of a search

    // ---- Load, activation, filter editing ------------------------------------------------
    void Form_Load();
    void Form_Activate();
    void AfficheChamps();
    void ListeChamps_Click();
    void Command2_Click(int Index);
    void MajFiltres();
    void AfficheFiltres();
    int DernierFiltre() const;
    void RazFiltres();
    void Command4_Click();
    void Command5_Click();
    void Command6_Click();
    void Command7_Click();
    void Text2_Change();
    void HScroll1_Change();
    void sept_Click(int Index);
    void Text4_Change();

    // ---- Search, counting, copy ------------------------------------------------------------
    void Cherche();
    void Command1_Click();
    void Command8_Click();
    void copiecroix_Click();
    void Text3_MouseDown(int Button);

    static constexpr int ClientWidth = 9900;
    static constexpr int ClientHeight = 8700;

  private:
    void registerControls();
    void layOutControls();
    void buildMenus();
    void wireFilters();
    void wireSearch();
    void takeTable();

    // Changes made by the code to the number box and the bar run their change handlers
    // when the value really changes, as the window relies on.
    void setFilterNumberText(const QString& text);
    void moveFilterBar(int value);
    // The filter number in the number box: its leading number, rounded halves to even.
    int filterNumber() const;
    FilterRecord& filter(int number);
    QString elapsedText();

    std::vector<engine::MenuItem*> menuBar_;
};

} // namespace sylvane::crossfilter
