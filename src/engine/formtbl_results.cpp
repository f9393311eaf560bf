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

void FormTbl::wireResults() {
    wireSheet();
    wireKeyword();
    ListeResultat.onClick = [this] { ListeResultat_Click(); };
    ListeResultat.onKeyDown = [this](int keyCode) { ListeResultat_KeyDown(keyCode); };
    ListeResultat.onMouseDown = [this](int button) { ListeResultat_MouseDown(button); };
    MnuResbig.onClick = [this] { MnuResbig_Click(); };
    MnuResCopie.onClick = [this] { MnuResCopie_Click(); };
}

void FormTbl::ListeResultat_Click() {
    const QString entry = ListeResultat.itemText(ListeResultat.currentIndex());
    // The document first, then the web address: an entry may carry both.
    if (entry.contains(u'%'))
        openDocument(textAfterMarker(entry, u'%'));
    if (entry.contains(u'#'))
        openLink(textAfterMarker(entry, u'#'));
}

void FormTbl::ListeResultat_KeyDown(int keyCode) {
    constexpr int shiftKey = 16;
    if (keyCode == shiftKey)
        ListResultat_Big();
}

void FormTbl::ListeResultat_MouseDown(int button) {
    if (ListeResultat.count() >= 2 && button == 2 && onPopup)
        onPopup(mnufile);
}

void FormTbl::ListResultat_Big() {
    const QString& lineBreak = state().LineBreak;
    Text1_Ouvre();
    Text1.setText(QString());
    QString text = u"        "_s + Lab_Resultat.caption() + lineBreak;
    text += u"        -----------------"_s + lineBreak;
    for (const ListEntry& entry : ListeResultat.entries())
        text += entry.text + lineBreak;
    Text1.setText(text);
}

void FormTbl::MnuResbig_Click() {
    ListResultat_Big();
}

void FormTbl::MnuResCopie_Click() {
    CopieResultat();
}

} // namespace sylvane::engine
