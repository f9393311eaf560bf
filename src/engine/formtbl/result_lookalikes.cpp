// The commands that act on one taxon (current build): its look-alikes in the result list,
// from its sheet ("Espèces proches", the button or the result list's pop-up menu), and why
// a taxon is not among those found ("Pourquoi écartée ?", on any entry that names one).
#include "engine/formtbl.h"

#include "identify/foundnotes.h"
#include "identify/lookalikes.h"
#include "identify/mismatches.h"
#include "identify/queries.h"

using namespace Qt::StringLiterals;

namespace sylvane::engine {

void ResultPanel::wireLookAlikes() {
    // Whatever else fills the result list, it no longer shows a sheet nor look-alikes.
    QObject::connect(&resultList, &Control::changed, &resultList, [this](ControlChange what) {
        if (what != ControlChange::Entries)
            return;
        showing_ = Showing::Other;
        shownRow_ = 0;
        showTaxonCommandsState();
    });
    if (form_.isEarlierBuild())
        return;
    // The pop-up menus act on the entry under the pointer.
    form_.identification.taxonList.setRightPressSelects(true);
    resultList.setRightPressSelects(true);
    findLookAlikes.onClick = [this] { CmdProches_Click(); };
    form_.menus.lookAlikesOfSheet.onClick = [this] { CmdProches_Click(); };
    form_.menus.whyTaxon.onClick = [this] { MnPourquoi_Click(); };
    form_.menus.whyResult.onClick = [this] { MnuResPourquoi_Click(); };
    showTaxonCommandsState();
}

void ResultPanel::showResults(Showing showing, int row, std::vector<ListEntry> entries) {
    resultList.setEntries(std::move(entries));
    showing_ = showing;
    shownRow_ = row;
    showTaxonCommandsState();
    if (textPanel.visible())
        ListResultat_Big();
}

// The look-alikes are at hand while a sheet or the look-alikes of a taxon are shown.
void ResultPanel::showTaxonCommandsState() {
    findLookAlikes.setEnabled(!form_.isEarlierBuild() && showing_ != Showing::Other);
}

void ResultPanel::CmdProches_Click() {
    if (showing_ != Showing::Other)
        showLookAlikes(shownRow_);
}

// One entry per look-alike, "name — 2 différences", each followed by its differences,
// "    champ : blanc | jaune"; every entry carries the look-alike's row, so that a click
// opens its sheet.
void ResultPanel::showLookAlikes(int row) {
    const keytable::KeyTable& table = form_.state().KeyTable;
    const std::vector<identify::LookAlike> found =
        identify::lookAlikes(table, form_.identification.session().nameFields(), row);
    heading.setCaption(u"Espèces proches de "_s + table(row, 1));
    std::vector<ListEntry> entries;
    for (const identify::LookAlike& alike : found) {
        const auto count = static_cast<int>(alike.differences.size());
        entries.emplace_back(
            table(alike.row, 1) + u" — "_s +
                (count == 0 ? u"aucune différence"_s : identify::differencesNote(count)),
            alike.row);
        for (const identify::FieldDifference& difference : alike.differences)
            entries.emplace_back(u"    "_s + identify::differenceText(table, difference),
                                 alike.row);
    }
    showResults(Showing::LookAlikes, row, std::move(entries));
}

// A taxa list entry names its row's taxon ("liste" adds the row after the name); while an
// extraction is shown the list holds values, which may name one too.
int ResultPanel::taxonOfTaxaEntry(int index) const {
    const ListBox& taxa = form_.identification.taxonList;
    if (index < 0 || index >= taxa.count())
        return 0;
    const keytable::KeyTable& table = form_.state().KeyTable;
    const int row = taxa.itemData(index);
    const QString& text = taxa.itemText(index);
    const QString& name = table(row, 1);
    if (!name.isEmpty() && (text == name || text.startsWith(name + u' ')))
        return row;
    return identify::taxonOfEntry(table, text);
}

// A line of a sheet stands for its taxon, a line of the look-alikes for its look-alike; a
// search result for the taxon it names.
int ResultPanel::taxonOfResultEntry(int index) const {
    if (index < 0 || index >= resultList.count())
        return 0;
    if (showing_ == Showing::Sheet)
        return shownRow_;
    if (showing_ == Showing::LookAlikes)
        return resultList.itemData(index);
    return identify::taxonOfEntry(form_.state().KeyTable, resultList.itemText(index));
}

void ResultPanel::MnPourquoi_Click() {
    explainWhy(taxonOfTaxaEntry(form_.identification.taxonList.currentIndex()));
}

void ResultPanel::MnuResPourquoi_Click() {
    explainWhy(taxonOfResultEntry(resultList.currentIndex()));
}

void ResultPanel::explainWhy(int row) {
    if (row <= 0)
        return;
    form_.platform().messageBox(identify::whyText(form_.identification.session(), row),
                                u"Pourquoi écartée ?"_s, core::MessageButtons::Ok);
}

} // namespace sylvane::engine
