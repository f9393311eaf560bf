// Where the controls of the main window stand when it opens, and which show at start.
#include "engine/formtbl.h"

#include <initializer_list>

using namespace Qt::StringLiterals;

namespace sylvane::engine {

// Positions in twips. The flow of a step runs from left to right: fields, values, taxa,
// commands. The three lists take the top of the window, at least twenty rows each on a
// 1366 x 768 screen, with their options under them; below, the comments (or the keyword
// panel in their place) and the search history on the left, the result list on the right.
// Room the window gains goes three parts to the lists for one to the panels below; room it
// loses, one part from the lists for three from the panels.
//
// The column right of the taxa, under the command buttons (12100..16050 x 2400..5150),
// holds the choices in force; the options row under it holds the developer frame.
void FormTbl::layOutControls() {
    setSize(ClientWidth, ClientHeight);
    setHeightBands({{0, 0, 0}, {650, 3, 1}, {5150, 0, 0}, {6230, 1, 3}, {10000, 0, 0}});

    identification.fieldsTitle.setGeometry(100, 100, 3200, 250);
    identification.taxonColumn.setGeometry(100, 380, 3200, 250);
    identification.fieldList.setGeometry(100, 650, 3200, 4500);
    if (!isEarlierBuild()) {
        identification.bestFieldsFirst.setGeometry(100, 5200, 3200, 300);
        identification.keepUndescribed.setGeometry(4650, 5530, 3050, 300);
        // The choices in force right of the taxa, under the commands, Retirer beside their
        // title; the list grows with the three lists.
        identification.choicesTitle.setGeometry(12100, 2450, 2150, 250);
        identification.withdraw.setGeometry(14300, 2400, 1750, 340);
        identification.choiceList.setGeometry(12100, 2800, 3950, 2350);
        // The tolerated differences beside the value options, under the taxa they keep;
        // "comparer" after them.
        identification.toleranceTitle.setGeometry(7800, 5560, 1900, 250);
        identification.tolerance.setGeometry(9750, 5500, 700, 330);
        // The look-alikes of the taxon whose sheet is shown, at the end of its title.
        results.findLookAlikes.setGeometry(13950, 5890, 2100, 320);
    } else {
        for (Control* later : std::initializer_list<Control*>{
                 &identification.bestFieldsFirst, &identification.keepUndescribed,
                 &identification.choicesTitle, &identification.choiceList, &identification.withdraw,
                 &identification.toleranceTitle, &identification.tolerance,
                 &results.findLookAlikes})
            later->setVisible(false);
    }

    // The options sit under their lists, on two rows so that every caption shows whole.
    identification.valuesTitle.setGeometry(3400, 100, 1500, 250);
    identification.valueCount.setGeometry(4900, 100, 2800, 250);
    identification.valueList.setGeometry(3400, 380, 4300, 4770);
    identification.ignoreAccents.setGeometry(3400, 5200, 2300, 300);
    identification.multipleChoice.setGeometry(5750, 5200, 1950, 300);
    identification.selectAll.setGeometry(3400, 5530, 1200, 300);

    // The count leaves room for the taxa kept by a tolerance ("12 + 5 à 1-2 différences").
    identification.taxaTitle.setGeometry(7800, 100, 1700, 250);
    identification.foundCount.setGeometry(9550, 100, 2450, 250);
    identification.taxonList.setGeometry(7800, 380, 4200, 4770);
    identification.hideEmptyFields.setGeometry(7800, 5200, 4200, 300);
    if (isEarlierBuild()) // wide enough for the earlier build's caption
        identification.compare.setGeometry(7800, 5530, 4200, 300);
    else
        identification.compare.setGeometry(10600, 5530, 1400, 300);

    identification.reset.setGeometry(12100, 380, 1700, 420);
    identification.listTaxa.setGeometry(12100, 880, 1700, 420);
    keyword.openSearch.setGeometry(12100, 1380, 1700, 420);
    identification.stepBack.setGeometry(12100, 1880, 1700, 420);
    lookups.editFile.setGeometry(13900, 380, 1700, 420);
    identification.crossFilterButton.setGeometry(13900, 880, 1700, 420);
    identification.listLines.setGeometry(13900, 1380, 1700, 420);
    identification.storeEditedValue.setGeometry(13900, 1880, 1700, 420);
    lookups.debugFrame.setGeometry(12100, 5200, 3950, 600);
    lookups.searchName.setGeometry(100, 250, 3750, 250);
    lookups.searchName.setContainer(&lookups.debugFrame);
    identification.choicePathShown.setGeometry(12100, 3020, 3900, 250);
    formattedText.setGeometry(12100, 3300, 2000, 300);
    joinFields.setGeometry(14150, 3300, 1850, 300);

    // The text panel opens over the panels below the lists (the view gives it their room),
    // its close button above it, under the field list's option.
    results.closeTextPanel.setGeometry(100, 5530, 1900, 340);
    results.textPanel.setGeometry(100, 3800, 5500, 4100);
    identification.valueEditor.setGeometry(100, 4000, 8000, 10);

    // The comments and the keyword panel share one place: the panel open, the comments are
    // hidden. position_fenetres places List5 again at every load, 800 above the bottom of
    // the result list; the view keeps the comments in the panel's place, down to the
    // history. So that the window's design stays as it is wherever List5 goes, its height
    // is the room under the result list.
    results.commentsTitle.setGeometry(250, 5950, 5300, 250);
    results.commentList.setGeometry(250, 6230, 5300, 1200);
    identification.historyTitle.setGeometry(100, 8520, 5500, 250);
    identification.history.setGeometry(100, 8800, 5500, 1200);

    results.heading.setGeometry(5700, 5950, isEarlierBuild() ? 10350 : 8150, 250);
    results.heading.setForeColour(colourValue(Colour::Red));
    results.resultList.setGeometry(5700, 6230, 10350, 3370);

    keyword.panel.setGeometry(50, 6000, 5550, 2450);
    const auto inPanel = [this](Control& c) { c.setContainer(&keyword.panel); };
    keyword.title.setGeometry(100, 40, 3500, 250);
    inPanel(keyword.title);
    keyword.keywords(0).setGeometry(100, 320, 2900, 320);
    keyword.keywords(1).setGeometry(100, 680, 2900, 320);
    keyword.commands(0).setGeometry(3150, 320, 2250, 340);
    keyword.commands(1).setGeometry(3150, 700, 2250, 340);
    keyword.commands(2).setGeometry(3150, 1080, 2250, 340);
    keyword.matchOptions(2).setGeometry(100, 1040, 2900, 280);
    keyword.matchOptions(1).setGeometry(100, 1330, 2900, 280);
    keyword.combineFrame.setGeometry(100, 1650, 2500, 650);
    keyword.targetFrame.setGeometry(2700, 1480, 2800, 900);
    for (Control* c : std::initializer_list<Control*>{
             &keyword.keywords(0), &keyword.keywords(1), &keyword.commands(0), &keyword.commands(1),
             &keyword.commands(2), &keyword.matchOptions(1), &keyword.matchOptions(2),
             &keyword.combineFrame, &keyword.targetFrame})
        inPanel(*c);
    keyword.anyKeyword.setGeometry(100, 270, 1100, 300);
    keyword.allKeywords.setGeometry(1300, 270, 1100, 300);
    keyword.anyKeyword.setContainer(&keyword.combineFrame);
    keyword.allKeywords.setContainer(&keyword.combineFrame);
    keyword.anyKeyword.setGroup(u"Frame1"_s);
    keyword.allKeywords.setGroup(u"Frame1"_s);
    keyword.target(0).setGeometry(100, 260, 1450, 280);
    keyword.target(1).setGeometry(1580, 260, 1180, 280);
    keyword.extractTaxa.setGeometry(100, 560, 2500, 280);
    for (Control* c : std::initializer_list<Control*>{&keyword.target(0), &keyword.target(1),
                                                      &keyword.extractTaxa})
        c->setContainer(&keyword.targetFrame);

    // The web lookup buttons sit in one row under the result list: 0, 1, 4, 3, 6, 9, 7, 2.
    int x = 5700;
    for (int index : {0, 1, 4, 3, 6, 9, 7, 2}) {
        lookups.webLookups(index).setGeometry(x, 9640, 1250, 360);
        x += 1290;
    }

    // The About panel opens over the result list.
    lookups.aboutPanel.setGeometry(7600, 6500, 6500, 1800);
    lookups.aboutLines(0).setGeometry(150, 300, 6200, 250);
    lookups.aboutLines(1).setGeometry(150, 600, 6200, 250);
    lookups.aboutLines(2).setGeometry(150, 900, 6200, 250);
    lookups.aboutButtons(2).setGeometry(150, 1250, 1500, 400);
    lookups.aboutButtons(3).setGeometry(1800, 1250, 2500, 400);
    lookups.aboutLines.forEach([this](int, Label& l) { l.setContainer(&lookups.aboutPanel); });
    lookups.aboutButtons.forEach([this](int, Button& b) { b.setContainer(&lookups.aboutPanel); });

    flashText.setContainer(&flashFrame);
    // The status bar takes the bottom of the window, under the current file's name.
    currentFile.setGeometry(100, 10040, 15950, 300);

    // States at start.
    for (Control* hidden : std::initializer_list<Control*>{
             &results.closeTextPanel, &lookups.editFile, &identification.crossFilterButton,
             &identification.listLines, &identification.storeEditedValue, &results.textPanel,
             &identification.valueEditor, &formattedText, &joinFields, &keyword.panel,
             &keyword.extractTaxa, &flashFrame, &lookups.aboutPanel, &lookups.debugFrame,
             &identification.choicePathShown})
        hidden->setVisible(false);
    lookups.webLookups.forEach([](int, Button& b) { b.setVisible(false); });
    identification.crossFilterButton.setEnabled(false);
    keyword.matchOptions(1).setValue(1);
    keyword.matchOptions(2).setValue(1);
    keyword.anyKeyword.setValue(1);
    keyword.target(0).setValue(1);
    keyword.target(0).setGroup(u"Frame2"_s);
    keyword.target(1).setGroup(u"Frame2"_s);
}

} // namespace sylvane::engine
