// The result list: its links, its enlarged view in the text panel and its pop-up menu.
#include "engine/formtbl.h"

using namespace Qt::StringLiterals;

namespace sylvane::engine {

namespace {

// The text between the first and the second marker, or after the first marker up to the
// end when there is no second one.
QString textAfterMarker(const QString& text, QChar marker) {
    const qsizetype start = text.indexOf(marker) + 1;
    const qsizetype end = text.indexOf(marker, start);
    return end < 0 ? text.sliced(start) : text.sliced(start, end - start);
}

} // namespace

void ResultPanel::wire() {
    wireSheet();
    wireLookAlikes();
    closeTextPanel.onClick = [this] { Command4_Click(); };
    resultList.onClick = [this] { ListeResultat_Click(); };
    resultList.onKeyDown = [this](int keyCode) { ListeResultat_KeyDown(keyCode); };
    resultList.onMouseDown = [this](int button) { ListeResultat_MouseDown(button); };
    form_.menus.enlargeResults.onClick = [this] { MnuResbig_Click(); };
    form_.menus.copyResults.onClick = [this] { MnuResCopie_Click(); };
}

void ResultPanel::ListeResultat_Click() {
    // An entry of the look-alikes opens the sheet of its taxon.
    if (const int current = resultList.currentIndex();
        showing_ == Showing::LookAlikes && resultList.itemData(current) > 0) {
        showSheet(resultList.itemData(current));
        return;
    }
    const QString entry = resultList.itemText(resultList.currentIndex());
    // The document first, then the web address: an entry may carry both.
    if (entry.contains(u'%'))
        form_.lookups.openDocument(textAfterMarker(entry, u'%'));
    if (entry.contains(u'#'))
        form_.lookups.openLink(textAfterMarker(entry, u'#'));
}

void ResultPanel::ListeResultat_KeyDown(int keyCode) {
    if (isKey(keyCode, KeyCode::Shift))
        ListResultat_Big();
}

// The pop-up menu of the result list: enlarge, copy, and (current build) the look-alikes of
// the taxon of the sheet and why the taxon of the entry is not found.
void ResultPanel::ListeResultat_MouseDown(int button) {
    if (!isButton(button, MouseButton::Right) ||
        resultList.count() < (form_.isEarlierBuild() ? 2 : 1))
        return;
    form_.menus.lookAlikesOfSheet.setEnabled(findLookAlikes.enabled());
    form_.menus.whyResult.setEnabled(taxonOfResultEntry(resultList.currentIndex()) > 0);
    form_.windows().showPopup(form_.menus.resultPopup);
}

void ResultPanel::ListResultat_Big() {
    const QString& lineBreak = form_.state().LineBreak;
    Text1_Ouvre();
    textPanel.setText(QString());
    QString text = u"        "_s + heading.caption() + lineBreak;
    text += u"        -----------------"_s + lineBreak;
    for (const ListEntry& entry : resultList.entries())
        text += entry.text + lineBreak;
    textPanel.setText(text);
}

void ResultPanel::MnuResbig_Click() {
    ListResultat_Big();
}

void ResultPanel::MnuResCopie_Click() {
    CopieResultat();
}

// The enlarged panel covers the results, the look-alikes button above them with them.
void ResultPanel::Text1_Ouvre() {
    textPanel.setVisible(true);
    closeTextPanel.setVisible(true);
    findLookAlikes.setVisible(false);
    textPanel.setGeometry(100, 3800, 5500, 4100);
}

void ResultPanel::Text1_Ferme() {
    textPanel.setVisible(false);
    closeTextPanel.setVisible(false);
    findLookAlikes.setVisible(!form_.isEarlierBuild());
}

void ResultPanel::Command4_Click() {
    Text1_Ferme();
    form_.identification.taxaTitle.setCaption(u"Espèces trouvées"_s);
}

} // namespace sylvane::engine
