// The cross-filter window: its controls, their places and states at creation, its menus,
// and what its load step and every activation do.
#include "crossfilter/formcrx.h"

using namespace Qt::StringLiterals;

namespace sylvane::crossfilter {

FormCrx::FormCrx(core::ProgramState& state, core::Platform& platform)
    : Window(u"FormCrx"_s, u"Gestion des croix"_s, state, platform) {
    registerControls();
    layOutControls();
    buildMenus();
    wireFilters();
    wireSearch();
}

void FormCrx::registerControls() {
    addAll(Label6, ListeChamps, ListeChoix);
    add(Text1);
    add(Check1);
    add(Command2);
    add(Option1);
    addAll(Label2, Text2, HScroll1, Label1);
    addAll(Command4, Command5, Command6, Command1, Command8, Command7);
    addAll(Text3, Label3, Label5, Frame2, Label4, Text4);
    addAll(copiecroix, MnuOptions, MnSep);
    add(sept);
}

// Positions in twips. Fields on the left, the filter being edited in the middle with its
// values taken ("<") from the value list on the right; the commands, the counts and the
// result box below; the options frame at the bottom.
void FormCrx::layOutControls() {
    setSize(ClientWidth, ClientHeight);

    Label6.setGeometry(100, 100, 3000, 250);
    ListeChamps.setGeometry(100, 400, 3000, 3200);

    for (int i = 0; i < 2; ++i) {
        const int top = 400 + i * 450;
        Text1(i).setGeometry(3250, top, 2600, 320);
        Check1(i).setGeometry(5920, top + 35, 250, 250);
        Command2(i).setGeometry(6220, top, 450, 320);
    }
    Option1(0).setGeometry(3250, 1300, 900, 300);
    Option1(1).setGeometry(4250, 1300, 900, 300);
    Label2.setGeometry(3250, 1760, 1700, 250);
    Text2.setGeometry(5020, 1720, 650, 320);
    HScroll1.setGeometry(3250, 2120, 3420, 250);
    Label1.setGeometry(3250, 2450, 3420, 500);
    Command4.setGeometry(3250, 3100, 1600, 420);
    Command5.setGeometry(5020, 3100, 1650, 420);

    ListeChoix.setGeometry(6800, 400, 3000, 3200);

    Command6.setGeometry(100, 3750, 1500, 420);
    Command1.setGeometry(1700, 3750, 1500, 420);
    Command8.setGeometry(3300, 3750, 1300, 420);
    Command7.setGeometry(4700, 3750, 1300, 420);
    Label3.setGeometry(6100, 3800, 1600, 300);
    Label5.setGeometry(7800, 3750, 2000, 600);
    Text3.setGeometry(100, 4450, 9700, 3400);

    Frame2.setGeometry(100, 7950, 3500, 650);
    Label4.setGeometry(150, 280, 1200, 250);
    Text4.setGeometry(1450, 240, 900, 320);
    Label4.setContainer(&Frame2);
    Text4.setContainer(&Frame2);

    // States at creation: both values tested exactly, ET chosen, filter 1 shown.
    Check1(0).setValue(1);
    Check1(1).setValue(1);
    Option1(0).setGroup(u"Option1"_s);
    Option1(1).setGroup(u"Option1"_s);
    Option1(0).setValue(1);
    HScroll1.setRange(1, FilterSlots - 1);
    HScroll1.setValue(1);
    Frame2.setVisible(false);
}

void FormCrx::buildMenus() {
    sept(0).setLevel(2);
    sept(1).setLevel(2);
    menuBar_ = {&copiecroix, &MnuOptions, &MnSep, &sept(0), &sept(1)};
}

// What the load step and every activation do first: the link words, the limits and the
// fields of the table loaded now. The declared field count of the shared state is
// overwritten with the field count, as the window reads it for its field list.
void FormCrx::takeTable() {
    LinkWords = defaultLinkWords();
    state().DeclaredFieldCount = state().FieldCount;
    MaxFilters = FilterSlots;
    AfficheChamps();
}

void FormCrx::Form_Load() {
    takeTable();
    RazFiltres();
}

void FormCrx::Form_Activate() {
    takeTable();
    Frame2.setVisible(false);
    OutputSeparator = u";"_s;
    Label5.setCaption(QString());
}

} // namespace sylvane::crossfilter
