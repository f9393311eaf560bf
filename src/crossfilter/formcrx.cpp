// The cross-filter window: its controls, their places and states at creation, its menus,
// and what its load step and every activation do.
#include "crossfilter/formcrx.h"

using namespace Qt::StringLiterals;

namespace sylvane::crossfilter {

FormCrx::FormCrx(keytable::ProgramState& state, core::Platform& platform)
    : Window(u"FormCrx"_s, u"Gestion des croix"_s, state, platform) {
    registerControls();
    layOutControls();
    buildMenus();
    wireFilters();
    wireSearch();
}

void FormCrx::registerControls() {
    addAll(fieldsTitle, fieldList, valueList);
    add(valueBoxes);
    add(exactMatch);
    add(takeValue);
    add(combine);
    addAll(numberTitle, numberBox, numberBar, filterShown);
    addAll(validate, clearFilters, listFilters, search, count, showOptions);
    addAll(reportBox, progress, elapsed, optionsFrame, separatorTitle, separatorBox);
    addAll(copyMenu, optionsMenu, separatorMenu);
    add(separatorItems);
}

// Positions in twips. Fields on the left, the filter being edited in the middle with its
// values taken ("<") from the value list on the right; the commands, the counts and the
// result box below; the options frame at the bottom.
void FormCrx::layOutControls() {
    setSize(ClientWidth, ClientHeight);

    fieldsTitle.setGeometry(100, 100, 3000, 250);
    fieldList.setGeometry(100, 400, 3000, 3200);

    for (int i = 0; i < 2; ++i) {
        const int top = 400 + i * 450;
        valueBoxes(i).setGeometry(3250, top, 2600, 320);
        exactMatch(i).setGeometry(5920, top + 35, 250, 250);
        takeValue(i).setGeometry(6220, top, 450, 320);
    }
    combine(0).setGeometry(3250, 1300, 900, 300);
    combine(1).setGeometry(4250, 1300, 900, 300);
    numberTitle.setGeometry(3250, 1760, 1700, 250);
    numberBox.setGeometry(5020, 1720, 650, 320);
    numberBar.setGeometry(3250, 2120, 3420, 250);
    filterShown.setGeometry(3250, 2450, 3420, 500);
    validate.setGeometry(3250, 3100, 1600, 420);
    clearFilters.setGeometry(5020, 3100, 1650, 420);

    valueList.setGeometry(6800, 400, 3000, 3200);

    listFilters.setGeometry(100, 3750, 1500, 420);
    search.setGeometry(1700, 3750, 1500, 420);
    count.setGeometry(3300, 3750, 1300, 420);
    showOptions.setGeometry(4700, 3750, 1300, 420);
    progress.setGeometry(6100, 3800, 1600, 300);
    elapsed.setGeometry(7800, 3750, 2000, 600);
    reportBox.setGeometry(100, 4450, 9700, 3400);

    optionsFrame.setGeometry(100, 7950, 3500, 650);
    separatorTitle.setGeometry(150, 280, 1200, 250);
    separatorBox.setGeometry(1450, 240, 900, 320);
    separatorTitle.setContainer(&optionsFrame);
    separatorBox.setContainer(&optionsFrame);

    // States at creation: both values tested exactly, ET chosen, filter 1 shown.
    exactMatch(0).setValue(1);
    exactMatch(1).setValue(1);
    combine(0).setGroup(u"Option1"_s);
    combine(1).setGroup(u"Option1"_s);
    combine(0).setValue(1);
    numberBar.setRange(1, FilterSlots - 1);
    numberBar.setValue(1);
    optionsFrame.setVisible(false);
}

void FormCrx::buildMenus() {
    separatorItems(0).setLevel(2);
    separatorItems(1).setLevel(2);
    menuBar_ = {&copyMenu, &optionsMenu, &separatorMenu, &separatorItems(0), &separatorItems(1)};
}

// What the load step and every activation do first: the link words, the limits and the
// fields of the table loaded now.
void FormCrx::takeTable() {
    LinkWords = defaultLinkWords();
    MaxFilters = FilterSlots;
    AfficheChamps();
}

void FormCrx::Form_Load() {
    takeTable();
    RazFiltres();
}

void FormCrx::Form_Activate() {
    takeTable();
    optionsFrame.setVisible(false);
    OutputSeparator = u";"_s;
    elapsed.setCaption(QString());
}

} // namespace sylvane::crossfilter
