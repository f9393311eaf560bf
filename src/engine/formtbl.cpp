#include "engine/formtbl.h"

#include <initializer_list>

using namespace Qt::StringLiterals;

namespace sylvane::engine {

FormTbl::FormTbl(core::ProgramState& state, core::Platform& platform, core::Edition edition)
    : Window(u"FormTbl"_s, u"Sylvane"_s, state, platform), edition_(edition) {
    registerControls();
    layOutControls();
    buildMenus();
    wireLoading();
    wireStartup();
    wireEngine();
    wireShell();
    wireLookups();
    wireResults();
    wireFileTools();
    wireCrossFilter();
    wireEarlierBuild();
}

void FormTbl::registerControls() {
    addAll(List2, ListDesc, ListEspeces, ListeResultat, List4, List5);
    addAll(Label1, Label2, Label3, Label4, Label5, Label6, Label9, Label10, Label11, Nb_Trouve,
           Lab_Resultat, Ltest);
    addAll(Command1, Command2, Command3, Command4, Command5, Command8, Command9, Command10,
           Command11);
    add(Command6);
    addAll(Text1, Text2);
    addAll(Check3, Check4, CheckChoix, Check5, Check6, ChkFormat, Check2);
    addAll(Picture1, Label8);
    add(Textcle);
    add(MoCle);
    add(Check1);
    addAll(Frame1, Option1, Option2, Frame2);
    add(Option3);
    addAll(Checkespece, FraFlash, lblLabelflashx, FraMycm);
    add(AboutLabel);
    add(Bout);
    addAll(Frame12, Label17, StatusBar1);
    addAll(MFichier, MnOuvrir, Mnquit, Mnedite, MnuCopie, MnParam);
    add(MnPrm);
    addAll(MnOptions, MnFDef, Mnfiltr, MnuOptim, MnuCarfic, about, inisauve, MnuEdit, Mnoutil,
           NavDoc, MnApropos);
    addAll(PopDesc, CopieDesc, PopEspeces, CopieEsp, mnufile, MnuResbig, MnuResCopie);
}

// Positions in twips. The flow of a step runs from left to right: fields, values, taxa,
// commands; the history, the result list and the comments or the keyword panel below.
void FormTbl::layOutControls() {
    setSize(ClientWidth, ClientHeight);

    Label6.setGeometry(100, 100, 3200, 250);
    Label2.setGeometry(100, 380, 3200, 250);
    List2.setGeometry(100, 650, 3200, 2700);

    // The options sit under their lists, on two rows so that every caption shows whole.
    Label11.setGeometry(3400, 100, 1500, 250);
    Label3.setGeometry(4900, 100, 2800, 250);
    ListDesc.setGeometry(3400, 380, 4300, 2570);
    Check3.setGeometry(3400, 3000, 2300, 300);
    CheckChoix.setGeometry(5750, 3000, 1950, 300);
    Check4.setGeometry(3400, 3330, 1200, 300);

    Label5.setGeometry(7800, 100, 2700, 250);
    Nb_Trouve.setGeometry(10500, 100, 1500, 250);
    ListEspeces.setGeometry(7800, 380, 4200, 2570);
    Check5.setGeometry(7800, 3000, 4200, 300);
    Check6.setGeometry(7800, 3330, 4200, 300); // wide enough for the earlier build's caption

    Command1.setGeometry(12100, 380, 1700, 420);
    Command2.setGeometry(12100, 880, 1700, 420);
    Command3.setGeometry(12100, 1380, 1700, 420);
    Command5.setGeometry(12100, 1880, 1700, 420);
    Command8.setGeometry(13900, 380, 1700, 420);
    Command9.setGeometry(13900, 880, 1700, 420);
    Command10.setGeometry(13900, 1380, 1700, 420);
    Command11.setGeometry(13900, 1880, 1700, 420);
    Frame12.setGeometry(12100, 2400, 3950, 600);
    Label17.setGeometry(100, 250, 3750, 250);
    Label17.setContainer(&Frame12);
    Ltest.setGeometry(12100, 3020, 3900, 250);
    ChkFormat.setGeometry(12100, 3300, 2000, 300);
    Check2.setGeometry(14150, 3300, 1850, 300);

    // The text panel opens over the history; its close button stands above it.
    Command4.setGeometry(100, 3420, 1900, 340);
    Label10.setGeometry(100, 3800, 5500, 250);
    List4.setGeometry(100, 4080, 5500, 1820);
    Text1.setGeometry(100, 3800, 5500, 4100);
    Text2.setGeometry(100, 4000, 8000, 10);

    Lab_Resultat.setGeometry(5700, 3800, 10350, 250);
    Lab_Resultat.setForeColour(255);
    ListeResultat.setGeometry(5700, 4080, 10350, 5500);

    // List5 is placed again by position_fenetres: 800 above the bottom of ListeResultat.
    Label4.setGeometry(250, 8500, 5300, 250);
    List5.setGeometry(250, 8780, 5300, 1200);

    Picture1.setGeometry(50, 6000, 5550, 2450);
    const auto inPanel = [this](Control& c) { c.setContainer(&Picture1); };
    Label8.setGeometry(100, 40, 3500, 250);
    inPanel(Label8);
    Textcle(0).setGeometry(100, 320, 2900, 320);
    Textcle(1).setGeometry(100, 680, 2900, 320);
    MoCle(0).setGeometry(3150, 320, 2250, 340);
    MoCle(1).setGeometry(3150, 700, 2250, 340);
    MoCle(2).setGeometry(3150, 1080, 2250, 340);
    Check1(2).setGeometry(100, 1040, 2900, 280);
    Check1(1).setGeometry(100, 1330, 2900, 280);
    Frame1.setGeometry(100, 1650, 2500, 650);
    Frame2.setGeometry(2700, 1480, 2800, 900);
    for (Control* c :
         std::initializer_list<Control*>{&Textcle(0), &Textcle(1), &MoCle(0), &MoCle(1), &MoCle(2),
                                         &Check1(1), &Check1(2), &Frame1, &Frame2})
        inPanel(*c);
    Option1.setGeometry(100, 270, 1100, 300);
    Option2.setGeometry(1300, 270, 1100, 300);
    Option1.setContainer(&Frame1);
    Option2.setContainer(&Frame1);
    Option1.setGroup(u"Frame1"_s);
    Option2.setGroup(u"Frame1"_s);
    Option3(0).setGeometry(100, 260, 1450, 280);
    Option3(1).setGeometry(1580, 260, 1180, 280);
    Checkespece.setGeometry(100, 560, 2500, 280);
    for (Control* c : std::initializer_list<Control*>{&Option3(0), &Option3(1), &Checkespece})
        c->setContainer(&Frame2);

    // The web lookup buttons sit in one row under the result list: 0, 1, 4, 3, 6, 9, 7, 2.
    int x = 5700;
    for (int index : {0, 1, 4, 3, 6, 9, 7, 2}) {
        Command6(index).setGeometry(x, 9640, 1250, 360);
        x += 1290;
    }

    // The About panel opens over the result list.
    FraMycm.setGeometry(7600, 5000, 6500, 1800);
    AboutLabel(0).setGeometry(150, 300, 6200, 250);
    AboutLabel(1).setGeometry(150, 600, 6200, 250);
    AboutLabel(2).setGeometry(150, 900, 6200, 250);
    Bout(2).setGeometry(150, 1250, 1500, 400);
    Bout(3).setGeometry(1800, 1250, 2500, 400);
    AboutLabel.forEach([this](int, Label& l) { l.setContainer(&FraMycm); });
    Bout.forEach([this](int, Button& b) { b.setContainer(&FraMycm); });

    lblLabelflashx.setContainer(&FraFlash);
    // The status bar takes the bottom of the window, under the current file's name.
    Label9.setGeometry(100, 10040, 15950, 300);

    // States at start.
    for (Control* hidden : std::initializer_list<Control*>{
             &Command4, &Command8, &Command9, &Command10, &Command11, &Text1, &Text2, &ChkFormat,
             &Check2, &Picture1, &Checkespece, &FraFlash, &FraMycm, &Frame12, &Ltest})
        hidden->setVisible(false);
    Command6.forEach([](int, Button& b) { b.setVisible(false); });
    Command9.setEnabled(false);
    Check1(1).setValue(1);
    Check1(2).setValue(1);
    Option1.setValue(1);
    Option3(0).setValue(1);
    Option3(0).setGroup(u"Frame2"_s);
    Option3(1).setGroup(u"Frame2"_s);
}

void FormTbl::buildMenus() {
    menuBar_ = {&MFichier, &MnOuvrir, &Mnquit,    &Mnedite, &MnuCopie, &MnParam,  &MnPrm(0),
                &MnPrm(2), &MnPrm(4), &MnOptions, &MnFDef,  &Mnfiltr,  &MnuOptim, &MnuCarfic,
                &about,    &inisauve, &MnuEdit,   &Mnoutil, &NavDoc,   &MnApropos};
    MnPrm(0).setEnabled(false);
    Mnfiltr.setEnabled(false);
    about.setEnabled(false);
    inisauve.setEnabled(false);
    inisauve.setVisible(false);
    for (MenuItem* popup : {&PopDesc, &PopEspeces, &mnufile})
        popup->setVisible(false);
    if (isEarlierBuild()) {
        // The earlier build's "Paramètres" holds only "Polices" and is greyed; its "Outils"
        // saves the options and has no "Fic actuel =>Fic Défaut".
        MnParam.setEnabled(false);
        MnPrm(2).setVisible(false);
        MnPrm(4).setVisible(false);
        MnFDef.setVisible(false);
        inisauve.setVisible(true);
        inisauve.setEnabled(true);
    }
}

std::vector<MenuItem*> FormTbl::popupItems(const MenuItem& popup) {
    if (&popup == &PopDesc)
        return {&CopieDesc};
    if (&popup == &PopEspeces)
        return {&CopieEsp};
    if (&popup == &mnufile)
        return {&MnuResbig, &MnuResCopie};
    return {};
}

} // namespace sylvane::engine
