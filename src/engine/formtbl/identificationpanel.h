#pragma once

#include "core/tablelimits.h"
#include "engine/control.h"
#include "engine/formtbl/panel.h"
#include "engine/listbox.h"
#include "identify/identification.h"

#include <array>
#include <functional>
#include <span>
#include <vector>

namespace sylvane::engine {

// The identification: the field list (with the taxon column above it), the values of the
// chosen field, the taxa found, their counts and options, the choices in force, the search
// history and the commands "RAZ", "liste", "<==" and "Retirer", and the developer's line
// editor. It shows its session: every change of the session is drawn in showSession.
//
//   member             designer name  caption
//   fieldList          List2
//   valueList          ListDesc
//   taxonList          ListEspeces
//   history            List4
//   taxonColumn        Label2
//   valueCount         Label3
//   taxaTitle          Label5         "Espèces trouvées"
//   fieldsTitle        Label6         "Champs"
//   historyTitle       Label10        "Historique recherche"
//   valuesTitle        Label11        "Description "
//   foundCount         Nb_Trouve
//   choicePathShown    Ltest
//   reset              Command1       "RAZ"
//   listTaxa           Command2       "liste"
//   stepBack           Command5       "<=="
//   crossFilterButton  Command9       "Appel Crx"
//   listLines          Command10      "Command10"
//   storeEditedValue   Command11      "Command11"
//   valueEditor        Text2
//   ignoreAccents      Check3         "Ignorer les accents"
//   selectAll          Check4         "Tous"
//   multipleChoice     CheckChoix     "choix multiple"
//   hideEmptyFields    Check5         "masquer les champs non renseignés"
//   compare            Check6         "comparer"
//   bestFieldsFirst    CheckMeilleurs "meilleurs critères" (current build only)
//   keepUndescribed    CheckRetenus   "non renseignés retenus" (current build only)
//   choiceList         ListChoix      (current build only)
//   choicesTitle       LabChoix       "Choix en cours" (current build only)
//   withdraw           CmdRetirer     "Retirer" (current build only)
//   toleranceTitle     LabTolerance   "différences tolérées" (current build only)
//   tolerance          Tolerance      0..3, a spin box (current build only)
class IdentificationPanel : public Panel {
  public:
    explicit IdentificationPanel(FormTbl& form);

    ListBox fieldList{QStringLiteral("List2"), false};
    ListBox valueList{QStringLiteral("ListDesc"), true, true};
    ListBox taxonList{QStringLiteral("ListEspeces"), true};
    ListBox history{QStringLiteral("List4"), false};
    Label taxonColumn{QStringLiteral("Label2")};
    Label valueCount{QStringLiteral("Label3")};
    Label taxaTitle{QStringLiteral("Label5"), QStringLiteral("Espèces trouvées")};
    Label fieldsTitle{QStringLiteral("Label6"), QStringLiteral("Champs")};
    Label historyTitle{QStringLiteral("Label10"), QStringLiteral("Historique recherche")};
    Label valuesTitle{QStringLiteral("Label11"), QStringLiteral("Description ")};
    Label foundCount{QStringLiteral("Nb_Trouve")};
    Label choicePathShown{QStringLiteral("Ltest")};
    Button reset{QStringLiteral("Command1"), QStringLiteral("RAZ")};
    Button listTaxa{QStringLiteral("Command2"), QStringLiteral("liste")};
    Button stepBack{QStringLiteral("Command5"), QStringLiteral("<==")};
    Button crossFilterButton{QStringLiteral("Command9"), QStringLiteral("Appel Crx")};
    Button listLines{QStringLiteral("Command10"), QStringLiteral("Command10")};
    Button storeEditedValue{QStringLiteral("Command11"), QStringLiteral("Command11")};
    TextBox valueEditor{QStringLiteral("Text2")};
    CheckBox ignoreAccents{QStringLiteral("Check3"), QStringLiteral("Ignorer les accents")};
    CheckBox selectAll{QStringLiteral("Check4"), QStringLiteral("Tous")};
    CheckBox multipleChoice{QStringLiteral("CheckChoix"), QStringLiteral("choix multiple")};
    CheckBox hideEmptyFields{QStringLiteral("Check5"),
                             QStringLiteral("masquer les champs non renseignés")};
    CheckBox compare{QStringLiteral("Check6"), QStringLiteral("comparer")};
    CheckBox bestFieldsFirst{QStringLiteral("CheckMeilleurs"),
                             QStringLiteral("meilleurs critères")};
    CheckBox keepUndescribed{QStringLiteral("CheckRetenus"),
                             QStringLiteral("non renseignés retenus")};
    ListBox choiceList{QStringLiteral("ListChoix"), false};
    Label choicesTitle{QStringLiteral("LabChoix"), QStringLiteral("Choix en cours")};
    Button withdraw{QStringLiteral("CmdRetirer"), QStringLiteral("Retirer")};
    Label toleranceTitle{QStringLiteral("LabTolerance"), QStringLiteral("différences tolérées")};
    ScrollBar tolerance{QStringLiteral("Tolerance"), true};

    // Connects the events of the controls to their handlers.
    void wire();

    // ---- Choosing a field (identification_fields.cpp) ----------------------------------
    void List2_Click();
    void List2_Simulclic();
    void Label2_Click();
    void List2_Simulclic_Espece();
    // Lists the fields not used yet, the taxon column's name above them.
    void AfficheChamps();

    // ---- Choosing values (identification_values.cpp) ---------------------------------------
    void ListDesc_Click();
    void ListDesc_Simulclic_Simple();
    void ListDesc_Simulclic_multiple();
    void ListDesc_KeyDown(int keyCode);
    void ListDesc_MouseDown(int button);
    void Check4_Click();

    // ---- The options (identification_options.cpp) --------------------------------------------
    // The taxa found become those that contradict at most the tolerance set of the choices
    // in force.
    void Tolerance_Change();

    // ---- The choices in force (identification_choices.cpp) -----------------------------------
    void ListChoix_Click();
    void ListChoix_KeyDown(int keyCode);
    void ListChoix_MouseDown(int button);
    // Withdraws the choice selected in the choice list.
    void CmdRetirer_Click();

    // ---- Commands (identificationpanel.cpp, identification_stepback.cpp) -------------------
    void Command1_Click();
    void Command2_Click();
    void Command5_Click();
    void Command9_Click(); // "Appel Crx": shows the cross-filter window
    void RazListes();
    void MarcheArriere();
    // What a reset clears besides the session: the history, the status line and the
    // result list with its heading.
    void clearShownSearch();
    void CopieDesc_Click();
    void CopieEsp_Click();

    // ---- Developer's line editor (identification_lines.cpp) ---------------------------------
    void Command10_Click();
    void Command11_Click();
    void Text2_Ouvre();
    void Edit_Aff(QString& ligne);
    void Raz_Teditchamp();
    void LireContenuChamps(QString& Ligne, std::span<QString> Tblchp);

    // ---- The earlier build's search history (identification_history.cpp) -------------------
    void keepHistoryOfChoice(const QString& values);
    void writeHistoryLine();
    void earlierClickReset();
    // The value list no longer holds the values of the chosen field: nothing to write.
    void forgetHistoryOfChoice() { pendingHistory_.clear(); }

    // ---- Keyword extraction (identification_extract.cpp) ------------------------------------
    // The values whose text matches become the taxa found, their taxa the value list;
    // returns the positions of the matching values (none: the lists empty, the taxa found
    // stay).
    std::vector<int> extract(const std::function<bool(const QString&)>& matches);
    // An extraction without a keyword: only step back goes off.
    void forgoStepBack();

    // The identification the lists show: rows found, fields used, choices made.
    const identify::Identification& session() const { return session_; }
    // The lists show an extraction (taxa in the value list, values in the taxa list).
    bool extractionShown = false;

  private:
    identify::Identification session_;

    bool foldsAccents() const;
    bool keepsUndescribed() const;
    void wireOptions();
    void wireChoices();
    void rankFieldList();
    // ---- What the lists show of the session (identification_show.cpp) ---------------------
    void showSession(identify::Identification::Changes changes);
    void showFieldList();
    void listSessionValues();
    void showFoundTaxa();
    void showChoicesInForce();
    void showCommandsState();

    void deriveValues(const std::function<void()>& choose);
    void beginListing();
    void showValueListing();
    void showValueApplied(const QString& value, const QString& history);
    void showRecomputedFound();
    void listEqualLinesOnce();
    void editListedLine();
    // The value list holds the table's lines (developer listing): a click on one opens it
    // in the line editor instead of choosing a value.
    bool linesListed() const {
        return session_.listing() == identify::Identification::Listing::Lines;
    }

    // The line open in the line editor, field by field (element 0 unused).
    std::array<QString, core::MaxFields + 1> FieldContents;
    // Earlier build: the history line of the value applied last ("field:value"), written
    // to the history list when the next field is chosen.
    QString pendingHistory_;
};

} // namespace sylvane::engine
