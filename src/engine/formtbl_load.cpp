// Opening and loading a key table, and the field list.
#include "engine/formtbl.h"

#include "core/moduleroutines.h"
#include "core/vbtext.h"
#include "keytable/keytablereader.h"

using namespace Qt::StringLiterals;

namespace sylvane::engine {

namespace {

// Shows what the reader reports in the main window.
class WindowLoadSink : public keytable::LoadSink {
  public:
    WindowLoadSink(FormTbl& form, std::function<void()> yield)
        : form_(form), yield_(std::move(yield)) {}
    void titleRead(const QString& title) override { form_.setCaption(u"Sylvane : "_s + title); }
    void commentRead(const QString& comment) override { comments_.push_back({comment}); }
    // The raw lines would go to List4, which the reset that follows every load empties
    // at once: they are not kept.
    void dataLineStored(int, const QString&) override {}
    void progress(int row) override {
        form_.Label3.setCaption(QString::number(row));
        yield_();
    }
    void refused(const QString& message) override {
        form_.platform().messageBox(message, u"Sylvane"_s, core::MessageButtons::Ok);
    }
    void busy(bool busy) override { form_.platform().setBusyCursor(busy); }

    // The comment list is filled once at the end.
    void flush() { form_.List5.addItems(std::move(comments_)); }

  private:
    FormTbl& form_;
    std::function<void()> yield_;
    std::vector<ListEntry> comments_;
};

const QString openFilter =
    u"*.txt,*.cle,*.csv,*.csvm|*.txt;*.cle;*.csv;*.csvm|*.csvm,*.csv|*.csvm;*.csv|Tous les fichiers (*.*)|*.*|"_s;

} // namespace

void FormTbl::wireLoading() {
    MnOuvrir.onClick = [this] { MnOuvrir_Click(); };
}

void FormTbl::MnOuvrir_Click() {
    const QString chosen = platform().openFileDialog(openFilter);
    // A cancelled dialog leaves the table that is loaded as it is.
    if (chosen.isEmpty())
        return;
    Label1.setCaption(QString());
    const QString extension = core::ExtensionOf(chosen).toUpper();
    if (extension == u"CLE"_s || extension == u"TXT"_s || extension == u"CSV"_s ||
        extension == u"CSVM"_s) {
        Picture1.setVisible(false);
        state().CurrentFile = chosen;
        Label9.setCaption(chosen);
    }
    state().CurrentFile = chosen;
    execute();
    RazListes();
    Label3.setCaption(core::numberText(state().FieldCount) + u" champs ; "_s +
                      core::numberText(state().LineCount) + u" lignes"_s);
}

void FormTbl::execute() {
    auto& s = state();
    if (!core::FileExists(s.CurrentFile))
        return;
    BusyScope busyScope(*this);
    core::ResetUsedFields(s);
    Command9.setEnabled(true);
    position_fenetres();
    ListDesc.clear();
    List2.clear();
    ListEspeces.clear();
    List4.clear();
    List5.clear();

    WindowLoadSink sink(*this, [this] { yieldSometimes(); });
    keytable::LoadKeyTable(s, s.CurrentFile, sink);
    sink.flush();
    Label6.setCaption(core::numberText(s.DeclaredFieldCount) + u" champs"_s);

    RAZFenetre();
    Label3.setCaption(core::numberText(s.FieldCount) + u" champs ; "_s +
                      core::numberText(s.LineCount) + u" lignes"_s);
    s.FoundRows[0] = s.LineCount;
}

void FormTbl::AfficheChamps() {
    const auto& s = state();
    List2.clear();
    Label2.setCaption(s.FieldNames[1]);
    std::vector<ListEntry> fields;
    for (int i = 2; i <= s.FieldCount && i <= core::MaxFields; ++i)
        if (!core::isUsedField(s.UsedFields, i))
            fields.push_back({s.FieldNames[i], i});
    List2.addItems(std::move(fields));
}

void FormTbl::LireContenuChamps(QString& Ligne, std::span<QString> Tblchp) {
    List4.addItem(u"0  "_s + Ligne);
    int n = 0;
    core::SplitFieldList(Ligne, n, Tblchp, state().Separator);
    // The last piece is stored even when it is empty.
    if (Ligne.isEmpty() && n >= 1 && n < static_cast<int>(Tblchp.size()))
        Tblchp[n] = QString();
}

void FormTbl::RAZFenetre() {
    RazListes();
}

void FormTbl::position_fenetres() {
    Picture1.move(50, 6000);
    if (isEarlierBuild())
        List5.move(250, 6600);
    else
        List5.move(250, ListeResultat.top() + ListeResultat.height() - 800);
    // The comments' title stays just above its list.
    Label4.move(List5.left(), List5.top() - 280);
}

} // namespace sylvane::engine
