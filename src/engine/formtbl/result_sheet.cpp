// The taxon sheet (one line per field of the clicked taxon, after the differences a
// tolerance forgave it), its comparison with every taxon found, and the copy of the result
// list with its heading. The lines themselves are the identify queries'; this file shows
// them.
#include "engine/formtbl.h"

#include "identify/foundnotes.h"
#include "identify/queries.h"

using namespace Qt::StringLiterals;

namespace sylvane::engine {

void ResultPanel::wireSheet() {
    form_.identification.taxonList.onClick = [this] { ListEspeces_Click(); };
    form_.identification.taxonList.onMouseDown = [this](int button) {
        ListEspeces_MouseDown(button);
    };
}

void ResultPanel::ListEspeces_Click() {
    // While an extraction is shown the list holds values, not taxa.
    if (form_.keyword.extractTaxa.value() == 0 && form_.identification.extractionShown)
        return;
    const int index = form_.identification.taxonList.currentIndex();
    if (index < 0) {
        form_.platform().messageBox(u"erreur index "_s, u"Sylvane"_s, core::MessageButtons::Ok);
        return;
    }
    const int row = form_.identification.taxonList.itemData(index);
    // The earlier build has no comparison: there Check6 hides the sheet's empty lines.
    if (form_.identification.compare.value() == 0 || form_.isEarlierBuild())
        showSheet(row);
    else
        compareTaxon(row);
    form_.showCopyHint();
}

// The pop-up menu of the taxa list: its copy, and (current build) why the taxon under the
// pointer is not found, for any taxon listed.
void ResultPanel::ListEspeces_MouseDown(int button) {
    const ListBox& taxa = form_.identification.taxonList;
    if (!isButton(button, MouseButton::Right) || taxa.count() < (form_.isEarlierBuild() ? 2 : 1))
        return;
    form_.menus.whyTaxon.setEnabled(taxonOfTaxaEntry(taxa.currentIndex()) > 0);
    form_.windows().showPopup(form_.menus.taxonPopup);
}

void ResultPanel::showSheet(int row) {
    const keytable::KeyTable& table = form_.state().KeyTable;
    heading.setCaption(table(row, 1));
    const identify::SheetOptions options{
        .hideEmpty = form_.identification.hideEmptyFields.value() != 0,
        .dropEmptyLines = form_.isEarlierBuild() && form_.identification.compare.value() != 0};
    QStringList lines = identify::toleratedLines(form_.identification.session(), row);
    if (!lines.isEmpty())
        lines.append(QString());
    showResults(Showing::Sheet, row, entriesOf(lines + identify::sheetLines(table, row, options)));
    form_.identification.fieldsTitle.setCaption(u" ligne numero  "_s + QString::number(row));
}

// Compares the clicked taxon with every taxon listed. User events that arrive while the
// event queue runs are refused until the comparison ends.
void ResultPanel::compareTaxon(int row) {
    Window::BusyScope busyScope(form_);
    resultList.clear();
    std::vector<int> rows;
    rows.reserve(static_cast<std::size_t>(form_.identification.taxonList.count()));
    for (const ListEntry& entry : form_.identification.taxonList.entries())
        rows.push_back(entry.itemData);
    resultList.setEntries(entriesOf(identify::comparisonLines(form_.state().KeyTable, row, rows,
                                                              [this] { form_.yieldSometimes(); })));
}

void ResultPanel::CopieResultat() {
    auto& p = form_.platform();
    const QString& lineBreak = form_.state().LineBreak;
    textPanel.setText(QString());
    p.clearClipboard();
    QString text = u"    "_s + heading.caption() + lineBreak;
    text += u"    ----------"_s + lineBreak;
    for (const ListEntry& entry : resultList.entries())
        if (!entry.text.isEmpty())
            text += entry.text + lineBreak;
    // The text panel serves as the buffer of the copy, as the other list copies do.
    textPanel.setText(text);
    p.setClipboardText(text);
    if (p.clipboardHasText())
        textPanel.setText(QString());
    p.beep();
}

} // namespace sylvane::engine
