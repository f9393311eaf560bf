#include "engine/formtbl.h"

using namespace Qt::StringLiterals;

namespace sylvane::engine {

FormTbl::FormTbl(keytable::ProgramState& state, core::Platform& platform, WindowServices& windows,
                 core::Edition edition)
    : Window(u"FormTbl"_s, u"Sylvane"_s, state, platform), windows_(windows), edition_(edition) {
    registerControls();
    layOutControls();
    identification.wire();
    keyword.wire();
    results.wire();
    lookups.wire();
    fileTools.wire();
    menus.wire();
    wireLoading();
    wireStartup();
}

void FormTbl::registerControls() {
    addAll(identification.fieldList, identification.valueList, identification.taxonList,
           results.resultList, identification.history, results.commentList);
    addAll(openedFileTitle, identification.taxonColumn, identification.valueCount,
           results.commentsTitle, identification.taxaTitle, identification.fieldsTitle, currentFile,
           identification.historyTitle, identification.valuesTitle, identification.foundCount,
           results.heading, identification.choicePathShown);
    addAll(identification.reset, identification.listTaxa, keyword.openSearch,
           results.closeTextPanel, identification.stepBack, lookups.editFile,
           identification.crossFilterButton, identification.listLines,
           identification.storeEditedValue);
    add(lookups.webLookups);
    addAll(results.textPanel, identification.valueEditor);
    addAll(identification.ignoreAccents, identification.selectAll, identification.multipleChoice,
           identification.hideEmptyFields, identification.compare, formattedText, joinFields);
    addAll(keyword.panel, keyword.title);
    add(keyword.keywords);
    add(keyword.commands);
    add(keyword.matchOptions);
    addAll(keyword.combineFrame, keyword.anyKeyword, keyword.allKeywords, keyword.targetFrame);
    add(keyword.target);
    addAll(keyword.extractTaxa, flashFrame, flashText, lookups.aboutPanel);
    add(lookups.aboutLines);
    add(lookups.aboutButtons);
    addAll(lookups.debugFrame, lookups.searchName, statusBar);
    addAll(menus.fileMenu, menus.open, menus.quit, menus.editMenu, menus.editCopy,
           menus.settingsMenu);
    add(menus.settingsItems);
    addAll(menus.toolsMenu, menus.makeDefaultFile, menus.filterTabs, menus.optimiseFile,
           menus.fileData, menus.aboutTools, menus.saveOptions, menus.editCurrentFile,
           menus.checkFields, menus.documentation, menus.showAbout);
    addAll(menus.valuePopup, menus.copyValues, menus.taxonPopup, menus.copyTaxa, menus.resultPopup,
           menus.enlargeResults, menus.copyResults);
    // The identification report, the two ranking options, the choices in force, the
    // tolerated differences, the look-alikes and the reasons came after the earlier build.
    if (!isEarlierBuild()) {
        addAll(menus.report, identification.bestFieldsFirst, identification.keepUndescribed,
               identification.choicesTitle, identification.choiceList, identification.withdraw,
               menus.choicePopup, menus.withdrawChoice);
        addAll(identification.toleranceTitle, identification.tolerance, results.findLookAlikes,
               menus.whyTaxon, menus.lookAlikesOfSheet, menus.whyResult);
    }
}

} // namespace sylvane::engine
