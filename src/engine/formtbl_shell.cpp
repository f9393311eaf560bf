// The window's own services: the transient message, the text panels, the record
// display and the list copies.
#include "engine/formtbl.h"

#include "core/boundedtext.h"
#include "core/moduleroutines.h"

using namespace Qt::StringLiterals;

namespace sylvane::engine {

void FormTbl::wireShell() {
    Command4.onClick = [this] { Command4_Click(); };
    CopieDesc.onClick = [this] { CopieDesc_Click(); };
    CopieEsp.onClick = [this] { CopieEsp_Click(); };
    MnuCopie.onClick = [this] { MnuCopie_Click(); };
}

void FormTbl::Flash(double couleur, const QString& message, int delai, int x, int y) {
    const QString chn = core::boundedForScreen(message, core::FlashLineLength);
    FraFlash.setCaption(QString());
    lblLabelflashx.setVisible(true);
    FraFlash.setBackColour(couleur);
    lblLabelflashx.setBackColour(couleur);
    lblLabelflashx.setForeColour(0);
    const int width = 100 * static_cast<int>(chn.size());
    FraFlash.setGeometry(x, y, width, 800);
    lblLabelflashx.setGeometry(0, 0, width, 800);
    FraFlash.setVisible(true);
    lblLabelflashx.setCaption(chn);
    platform().flash(couleur, chn, delai, x, y);

    // Wait on a clock that never goes back, serving the event queue; a nested message
    // reshapes and hides the frame, and this one shows it again until its own time ends.
    const qint64 start = platform().monotonicMilliseconds();
    const qint64 duration = 1000LL * std::max(delai, 0);
    for (qint64 elapsed = 0; elapsed < duration;
         elapsed = platform().monotonicMilliseconds() - start) {
        FraFlash.setVisible(true);
        platform().waitForEvents(static_cast<int>(std::min<qint64>(duration - elapsed, 50)));
    }
    FraFlash.setVisible(false);
}

void FormTbl::Text1_Ouvre() {
    Text1.setVisible(true);
    Command4.setVisible(true);
    Text1.setGeometry(100, 3800, 5500, 4100);
}

void FormTbl::Text1_Ferme() {
    Text1.setVisible(false);
    Command4.setVisible(false);
}

void FormTbl::Text2_Ouvre() {
    Text2.setVisible(true);
    Text2.setGeometry(100, 4000, 8000, 10);
}

void FormTbl::Text2_Ferme() {
    Text2.setVisible(false);
}

void FormTbl::Command4_Click() {
    Text1_Ferme();
    Label5.setCaption(u"Espèces trouvées"_s);
}

void FormTbl::Edit_Aff(QString& ligne) {
    auto& s = state();
    ListeResultat.clear();
    LireContenuChamps(ligne, s.FieldContents);
    ListeResultat.clear();
    std::vector<ListEntry> lines;
    for (int k = 1; k <= s.FieldCount; ++k)
        lines.push_back({s.FieldNames[k] + u" : "_s + s.FieldContents[k]});
    ListeResultat.addItems(std::move(lines));
}

void FormTbl::Raz_Teditchamp() {
    auto& s = state();
    for (int k = 0; k <= s.FieldCount && k <= core::MaxFields; ++k)
        s.FieldContents[k].clear();
}

namespace {

// Copies every entry of a list, each followed by a line break, through the text panel.
void copyList(FormTbl& form, const ListBox& list) {
    form.Text1.setVisible(false);
    form.Text1.setText(QString());
    form.platform().clearClipboard();
    QString text;
    for (const ListEntry& entry : list.entries())
        text += entry.text + form.state().LineBreak;
    form.Text1.setText(text);
    form.platform().setClipboardText(text);
    if (form.platform().clipboardHasText())
        form.Text1.setText(QString());
    form.platform().beep();
}

} // namespace

void FormTbl::CopieDesc_Click() {
    copyList(*this, ListDesc);
}

void FormTbl::CopieEsp_Click() {
    copyList(*this, ListEspeces);
}

void FormTbl::MnuCopie_Click() {}

} // namespace sylvane::engine
