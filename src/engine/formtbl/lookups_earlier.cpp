// The web lookup buttons of the earlier build (2019-02): they search for the taxon selected
// in the taxon list, and the bibliography button opens the keyword-search page of the
// society's website and then the word picker on that name.
#include "engine/formtbl.h"

#include "engine/weblookups.h"

using namespace Qt::StringLiterals;

namespace sylvane::engine {

QString LookupsPanel::selectedTaxonName() const {
    return form_.identification.taxonList.itemText(form_.identification.taxonList.currentIndex());
}

void LookupsPanel::earlierLookup(int index) {
    switch (index) {
    case 0:
        Doc_Compose_chaine();
        ShellExW(weblookups::imageSearchPrefix() + u' ' + searchName.caption() +
                 weblookups::imageSearchButtonSuffix());
        break;
    case 1:
        Doc_Compose_chaine();
        ShellExW(weblookups::webSearchPrefix() + searchName.caption() +
                 weblookups::pdfSearchSuffix());
        break;
    case 2:
        Doc_Compose_chaine();
        ShellExW(weblookups::databaseQuickSearchPrefix() + searchName.caption());
        break;
    case 3:
        // The page opens (connection permitting), then the word picker offers the words
        // of the name for a keyword lookup.
        Doc_Compose_chaine();
        ShellExW(weblookups::societyKeywordSearchAddress());
        form_.windows().showWordPicker(QString::fromUtf16(weblookups::WordPickerCaption),
                                       searchName.caption());
        break;
    case 7:
        Doc_Compose_chaine();
        ShellExW(weblookups::websiteDescriptionSearch(searchName.caption()));
        break;
    default:
        // "Doc" (4), "INPN-2" (6) and "INPN_1" (9) have no action.
        break;
    }
}

} // namespace sylvane::engine
