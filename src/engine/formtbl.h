#pragma once

#include "core/edition.h"
#include "engine/window.h"

#include <functional>
#include <span>

namespace sylvane::engine {

class KeywordMatcher;

// The main window's logic: every control under the designer's name and every event
// handler and procedure under its own name. The Qt view shows these models and forwards
// the user's events; the headless driver does the same without a display. The handlers
// live in several files, one per subject (formtbl_*.cpp).
class FormTbl : public Window {
  public:
    FormTbl(core::ProgramState& state, core::Platform& platform,
            core::Edition edition = core::Edition::Current);

    void activate() override { Form_Activate(); }
    bool queryClose() override { return Form_QueryUnload(); }

    core::Edition edition() const { return edition_; }
    bool isEarlierBuild() const { return edition_ == core::Edition::Earlier; }

    // ---- Field, value and taxon lists --------------------------------------------------
    ListBox List2{QStringLiteral("List2"), false};
    ListBox ListDesc{QStringLiteral("ListDesc"), true, true};
    ListBox ListEspeces{QStringLiteral("ListEspeces"), true};
    ListBox ListeResultat{QStringLiteral("ListeResultat"), false};
    ListBox List4{QStringLiteral("List4"), false};
    ListBox List5{QStringLiteral("List5"), false};

    // ---- Labels ------------------------------------------------------------------------
    Label Label1{QStringLiteral("Label1")};
    Label Label2{QStringLiteral("Label2")};
    Label Label3{QStringLiteral("Label3")};
    Label Label4{QStringLiteral("Label4"), QStringLiteral("Commentaires")};
    Label Label5{QStringLiteral("Label5"), QStringLiteral("Espèces trouvées")};
    Label Label6{QStringLiteral("Label6"), QStringLiteral("Champs")};
    Label Label9{QStringLiteral("Label9")};
    Label Label10{QStringLiteral("Label10"), QStringLiteral("Historique recherche")};
    Label Label11{QStringLiteral("Label11"), QStringLiteral("Description ")};
    Label Nb_Trouve{QStringLiteral("Nb_Trouve")};
    Label Lab_Resultat{QStringLiteral("Lab_Resultat"), QStringLiteral("...")};
    Label Ltest{QStringLiteral("Ltest")};

    // ---- Command buttons ---------------------------------------------------------------
    Button Command1{QStringLiteral("Command1"), QStringLiteral("RAZ")};
    Button Command2{QStringLiteral("Command2"), QStringLiteral("liste")};
    Button Command3{QStringLiteral("Command3"), QStringLiteral("Chercher")};
    Button Command4{QStringLiteral("Command4"), QStringLiteral("ferme  fenêtre")};
    Button Command5{QStringLiteral("Command5"), QStringLiteral("<==")};
    Button Command8{QStringLiteral("Command8"), QStringLiteral("Command8")};
    Button Command9{QStringLiteral("Command9"), QStringLiteral("Appel Crx")};
    Button Command10{QStringLiteral("Command10"), QStringLiteral("Command10")};
    Button Command11{QStringLiteral("Command11"), QStringLiteral("Command11")};
    // Web lookup buttons (developer controls); captions set by the lookup code.
    ControlArray<Button> Command6{QStringLiteral("Command6"),
                                  {{0, {}},
                                   {1, QStringLiteral("Web  PDF")},
                                   {2, QStringLiteral("Doc")},
                                   {3, {}},
                                   {4, {}},
                                   {6, {}},
                                   {7, QStringLiteral("INPN-2")},
                                   {9, QStringLiteral("INPN_1")}}};

    // ---- Text boxes --------------------------------------------------------------------
    TextBox Text1{QStringLiteral("Text1"), true};
    TextBox Text2{QStringLiteral("Text2")};

    // ---- Options -----------------------------------------------------------------------
    CheckBox Check3{QStringLiteral("Check3"), QStringLiteral("Ignorer les accents")};
    CheckBox Check4{QStringLiteral("Check4"), QStringLiteral("Tous")};
    CheckBox CheckChoix{QStringLiteral("CheckChoix"), QStringLiteral("choix multiple")};
    CheckBox Check5{QStringLiteral("Check5"), QStringLiteral("masquer les champs non renseignés")};
    CheckBox Check6{QStringLiteral("Check6"), QStringLiteral("comparer")};
    CheckBox ChkFormat{QStringLiteral("ChkFormat"), QStringLiteral("fichier txt formatté")};
    CheckBox Check2{QStringLiteral("Check2"), QStringLiteral("Ch1 + Ch2")};

    // ---- Keyword search panel ----------------------------------------------------------
    Frame Picture1{QStringLiteral("Picture1")};
    Label Label8{QStringLiteral("Label8"), QStringLiteral("Recherche par mot clé")};
    ControlArray<TextBox> Textcle{QStringLiteral("Textcle"), {{0, {}}, {1, {}}}};
    ControlArray<Button> MoCle{QStringLiteral("MoCle"),
                               {{0, QStringLiteral("&Chercher")},
                                {1, QStringLiteral("&Extraire")},
                                {2, QStringLiteral("&Quitter")}}};
    ControlArray<CheckBox> Check1{
        QStringLiteral("Check1"),
        {{1, QStringLiteral("&Ignore M/m")}, {2, QStringLiteral("&Ignore accents")}}};
    Frame Frame1{QStringLiteral("Frame1")};
    OptionButton Option1{QStringLiteral("Option1"), QStringLiteral("&Ou")};
    OptionButton Option2{QStringLiteral("Option2"), QStringLiteral("&Et")};
    Frame Frame2{QStringLiteral("Frame2")};
    ControlArray<OptionButton> Option3{
        QStringLiteral("Option3"),
        {{0, QStringLiteral("&Description")}, {1, QStringLiteral("&Espèces")}}};
    CheckBox Checkespece{QStringLiteral("Checkespece"), QStringLiteral("extr. espèces")};

    // ---- Transient message, About panel, developer frame, status bar --------------------
    Frame FraFlash{QStringLiteral("FraFlash")};
    Label lblLabelflashx{QStringLiteral("lblLabelflashx")};
    Frame FraMycm{QStringLiteral("FraMycm"), QStringLiteral("A propos")};
    ControlArray<Label> AboutLabel{QStringLiteral("Label"),
                                   {{0, QStringLiteral("-----")}, {1, {}}, {2, {}}}};
    ControlArray<Button> Bout{
        QStringLiteral("Bout"),
        {{2, QStringLiteral("Fermer")}, {3, QStringLiteral("Contacter l'auteur")}}};
    Frame Frame12{QStringLiteral("Frame12"), QStringLiteral("Frame12 debug")};
    Label Label17{QStringLiteral("Label17")};
    StatusBar StatusBar1{QStringLiteral("StatusBar1")};

    // ---- Menus (menu bar order) and pop-up menus ----------------------------------------
    MenuItem MFichier{QStringLiteral("MFichier"), QStringLiteral("Fichiers"), 0};
    MenuItem MnOuvrir{QStringLiteral("MnOuvrir"), QStringLiteral("Ouvrir")};
    MenuItem Mnquit{QStringLiteral("Mnquit"), QStringLiteral("Quitter")};
    MenuItem Mnedite{QStringLiteral("Mnedite"), QStringLiteral("Edition"), 0};
    MenuItem MnuCopie{QStringLiteral("MnuCopie"), QStringLiteral("Copie resultat")};
    MenuItem MnParam{QStringLiteral("MnParam(1)"), QStringLiteral("Paramètres"), 0};
    ControlArray<MenuItem> MnPrm{QStringLiteral("MnPrm"),
                                 {{0, QStringLiteral("Polices")},
                                  {2, QStringLiteral("Fic actuel =>Fic Défaut")},
                                  {4, QStringLiteral("Sauver les options")}}};
    MenuItem MnOptions{QStringLiteral("MnOptions"), QStringLiteral("Outils"), 0};
    MenuItem MnFDef{QStringLiteral("MnFDef"), QStringLiteral("Fic actuel =>Fic Défaut")};
    MenuItem Mnfiltr{QStringLiteral("Mnfiltr"), QStringLiteral("filtrage *Tab")};
    MenuItem MnuOptim{QStringLiteral("MnuOptim"), QStringLiteral("Optimisation de fichier")};
    MenuItem MnuCarfic{QStringLiteral("MnuCarfic"), QStringLiteral("Données fichier")};
    MenuItem about{QStringLiteral("about"), QStringLiteral("à propos")};
    MenuItem inisauve{QStringLiteral("inisauve"), QStringLiteral("Sauver options")};
    MenuItem MnuEdit{QStringLiteral("MnuEdit"), QStringLiteral("Editer fichier en cours")};
    MenuItem Mnoutil{QStringLiteral("Mnoutil(1)"), QStringLiteral("Verif champs")};
    MenuItem NavDoc{QStringLiteral("NavDoc"), QStringLiteral("Documentation")};
    MenuItem MnApropos{QStringLiteral("MnApropos"), QStringLiteral("A propos")};

    MenuItem PopDesc{QStringLiteral("PopDesc"), QString(), 0};
    MenuItem CopieDesc{QStringLiteral("CopieDesc"), QStringLiteral("Copie ")};
    MenuItem PopEspeces{QStringLiteral("PopEspeces"), QString(), 0};
    MenuItem CopieEsp{QStringLiteral("CopieEsp"), QStringLiteral("Copie")};
    MenuItem mnufile{QStringLiteral("mnufile"), QString(), 0};
    MenuItem MnuResbig{QStringLiteral("MnuResbig"), QStringLiteral("Agrandir")};
    MenuItem MnuResCopie{QStringLiteral("MnuResCopie"), QStringLiteral("Copie Résultats")};

    // The menu bar, in order: level-0 menus each followed by their items.
    const std::vector<MenuItem*>& menuBar() const { return menuBar_; }
    // The items of a pop-up menu (PopDesc, PopEspeces, mnufile).
    std::vector<MenuItem*> popupItems(const MenuItem& popup);

    // Asked to show a pop-up menu at the mouse; the view (or the driver) shows it.
    std::function<void(MenuItem& popup)> onPopup;
    // Asked to close the window (Quitter); the view closes, which asks Form_QueryUnload.
    std::function<void()> onCloseRequested;
    // Asked to show the cross-filter window, creating it on first use.
    std::function<void()> onShowCrossFilter;
    // Whether the cross-filter window is visible (creating it hidden on first ask), and
    // closing it. Set by whoever owns that window.
    std::function<bool()> crossFilterVisible;
    std::function<void()> closeCrossFilter;

    // ---- Start-up, settings and closing ----------------------------------------------------
    void Form_Load(const QString& commandLine);
    void Form_Activate();
    void Ini_Charge();
    void ini_sauve();
    void MnFDef_Click();
    void MnPrm_Click(int index);
    void Mnquit_Click();
    // Returns true when the window may close.
    bool Form_QueryUnload();
    void position_fenetres();

    // ---- Loading ----------------------------------------------------------------------
    void MnOuvrir_Click();
    void execute();
    void AfficheChamps();
    void LireContenuChamps(QString& Ligne, std::span<QString> Tblchp);

    // ---- Identification engine -----------------------------------------------------------
    void List2_Click();
    void List2_Simulclic();
    void Label2_Click();
    void List2_Simulclic_Espece();
    void Allege();
    void ListDesc_Click();
    void ListDesc_Simulclic_Simple();
    void ListDesc_Simulclic_multiple();
    void ListDesc_KeyDown(int keyCode);
    void ListDesc_MouseDown(int button);
    void Check4_Click();
    void Command1_Click();
    void Command2_Click();
    void Command5_Click();
    void Command10_Click();
    void Command11_Click();
    void Command9_Click(); // "Appel Crx": shows the cross-filter window
    void RazListes();
    void RAZFenetre();
    void MarcheArriere();

    // ---- Shell services of the window -----------------------------------------------------
    void Flash(double couleur, const QString& chn, int delai, int x, int y);
    void Text1_Ouvre();
    void Text1_Ferme();
    void Text2_Ouvre();
    void Text2_Ferme();
    void Command4_Click();
    void Edit_Aff(QString& ligne);
    void Raz_Teditchamp();
    void CopieDesc_Click();
    void CopieEsp_Click();
    void MnuCopie_Click();

    // ---- Links and external lookups -------------------------------------------------------
    void ShellEx(const QString& FileOrURL, const QString& Parametres);
    void ShellExW(const QString& chn, qint16& errw);
    bool CheckInternetConnection();
    void openLink(const QString& link);     // the "#" links of the lists
    void openDocument(const QString& path); // the "%" links of the lists
    void Command6_Click(int index);
    QString NomFich(const QString& filename);
    QString Extrc_Nom_genre(QString& chn);
    void Doc_Compose_chaine(int index);
    void Notepad();
    void NavDoc_Click();
    void MnApropos_Click();
    void Bout_Click(int index);

    // ---- Taxon sheet, result list, keyword search, extraction ------------------------------
    void ListEspeces_Click();
    void ListEspeces_MouseDown(int button);
    void CopieResultat();
    void ListeResultat_Click();
    void ListeResultat_KeyDown(int keyCode);
    void ListeResultat_MouseDown(int button);
    void ListResultat_Big();
    void MnuResbig_Click();
    void MnuResCopie_Click();
    void MoCle_Click(int index);
    void Option3_Click(int index);
    void Command3_Click();
    void RechercheListe();
    void ChercheListe(ListBox& listc, double max);
    void ExtraireListe(ListBox& listc, double max);

    // ---- File tools --------------------------------------------------------------------
    void VerifNbChamps();
    void MnuOptim_Click();
    void MnuCarfic_Click();

    // The earlier build's word picker opener (bibliography button); set by its owner.
    std::function<void(const QString& caption, const QString& name)> onShowWordPicker;

    // Window coordinates used by several messages.
    static constexpr int ClientWidth = 16155;
    static constexpr int ClientHeight = 10875;

  private:
    void registerControls();
    void layOutControls();
    void buildMenus();
    // Each subject file connects the events of its controls to its handlers.
    void wireLoading();
    void wireStartup();
    void wireEngine();
    void wireShell();
    void wireLookups();
    void wireResults();
    void wireFileTools();
    void wireCrossFilter();

    // Identification engine helpers.
    void deriveValues(int field);
    void appendChoice(const QString& token);
    void showFoundTaxa(int found);
    int appendFoundRows(const QString& rows, int found);
    void replayToken(const QString& token);
    void editListedLine();

    // Called by wireResults.
    void wireSheet();
    void wireKeyword();

    void showSheet(int row);
    void compareTaxon(int row);
    std::vector<int> commonFields(int row, const std::vector<qint32>& rows);
    // The matching rule set by the keyword panel's boxes and options.
    KeywordMatcher panelMatcher();
    // The keywords as the headings show them: the first, or both joined by " OU " or " & ".
    QString keywordsShown(bool* bothRequired = nullptr);

    // Where the earlier build differs (formtbl_earlier*.cpp).
    void wireEarlierBuild();
    void showCopyHint();
    void keepHistoryOfChoice(const QString& values);
    void writeHistoryLine();
    void earlierClickReset();
    QString extractionHeading();
    QString selectedTaxonName() const;
    void earlierLookup(int index);

    core::Edition edition_;
    // The value list shows the taxon column and that choice is not yet on record: the
    // next value choice records it as an "E" token.
    bool taxonColumnPending_ = false;
    // The value list holds the table's lines (developer listing): a click on one opens it
    // in the line editor instead of choosing a value.
    bool linesListed_ = false;
    std::vector<MenuItem*> menuBar_;
    QString keptFileName_; // Doc_Compose_chaine's file name
    // Earlier build: the history line of the value applied last ("field:value"), written
    // to the history list when the next field is chosen.
    QString pendingHistory_;
};

} // namespace sylvane::engine
