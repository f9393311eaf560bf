// Opening and loading a key table, and the field list.
#include "engine/formtbl.h"

#include "core/moduleroutines.h"
#include "core/vbtext.h"
#include "keytable/currentfolder.h"
#include "keytable/keytablereader.h"
#include "keytable/tablefile.h"

using namespace Qt::StringLiterals;

namespace sylvane::engine {

namespace {

// Shows what the reader reports in the main window.
class WindowLoadSink : public keytable::LoadSink {
  public:
    explicit WindowLoadSink(FormTbl& form) : form_(form) {}
    void titleRead(const QString& title) override { form_.setCaption(u"Sylvane : "_s + title); }
    void commentRead(const QString& comment) override { comments_.push_back({comment}); }
    // The raw lines would go to List4, which the reset that follows every load empties
    // at once: they are not kept.
    void dataLineStored(int, QStringView) override {}
    // The running count is shown when the event queue runs: a caption set for every line
    // would be laid out again for every line, for a screen that shows one in many.
    void progress(int row) override {
        if (!form_.yieldDue())
            return;
        form_.identification.valueCount.setCaption(QString::number(row));
        form_.platform().processEvents();
    }
    void refused(const QString& message) override {
        form_.platform().messageBox(message, u"Sylvane"_s, core::MessageButtons::Ok);
    }
    void busy(bool busy) override { form_.platform().setBusyCursor(busy); }

    // The comment list is filled once at the end.
    void flush() { form_.results.commentList.addItems(std::move(comments_)); }

  private:
    FormTbl& form_;
    std::vector<ListEntry> comments_;
};

const QString openFilter =
    u"*.txt,*.cle,*.csv,*.csvm|*.txt;*.cle;*.csv;*.csvm|*.csvm,*.csv|*.csvm;*.csv|Tous les fichiers (*.*)|*.*|"_s;

} // namespace

void FormTbl::wireLoading() {
    menus.open.onClick = [this] { MnOuvrir_Click(); };
}

void FormTbl::MnOuvrir_Click() {
    const QString chosen = platform().openFileDialog(openFilter, keytable::currentFolder(state()));
    // A cancelled dialog leaves the table that is loaded as it is.
    if (chosen.isEmpty())
        return;
    const std::optional<keytable::TableFile> file = tableToLoad(chosen);
    if (!file)
        return;
    openedFileTitle.setCaption(QString());
    const QString extension = core::ExtensionOf(chosen).toUpper();
    if (extension == u"CLE"_s || extension == u"TXT"_s || extension == u"CSV"_s ||
        extension == u"CSVM"_s) {
        keyword.panel.setVisible(false);
        currentFile.setCaption(chosen);
    }
    state().CurrentFile = chosen;
    load(*file);
}

std::optional<keytable::TableFile> FormTbl::tableToLoad(const QString& name) {
    auto& s = state();
    keytable::TableFile file =
        keytable::TableFile::read(keytable::resolvedPath(s, name), keytable::separatorOf(s));
    if (file.loadable())
        return file;
    platform().messageBox(file.refusal(name), u"Sylvane"_s, core::MessageButtons::Ok);
    return std::nullopt;
}

bool FormTbl::execute() {
    auto& s = state();
    // A file that cannot be opened is passed over without a word (a default file of the
    // settings that is gone); one that opens but is no key table is refused.
    if (!core::FileExists(keytable::resolvedPath(s, s.CurrentFile)))
        return false;
    const std::optional<keytable::TableFile> file = tableToLoad(s.CurrentFile);
    if (file)
        load(*file);
    return file.has_value();
}

void FormTbl::load(const keytable::TableFile& file) {
    auto& s = state();
    BusyScope busyScope(*this);
    identification.crossFilterButton.setEnabled(true);
    position_fenetres();
    identification.valueList.clear();
    identification.fieldList.clear();
    identification.taxonList.clear();
    identification.history.clear();
    results.commentList.clear();

    WindowLoadSink sink(*this);
    // A load stopped by the line limit or by a refused line has said why; the window goes on
    // with the rows read so far.
    keytable::LoadKeyTable(s, file, sink);
    sink.flush();
    identification.fieldsTitle.setCaption(core::numberText(s.KeyTable.declaredFieldCount()) +
                                          u" champs"_s);

    identification.RazListes();
    identification.valueCount.setCaption(
        core::numberText(s.KeyTable.fieldCount()) + u" champs ; "_s +
        core::numberText(keytable::shownLineCount(s)) + u" lignes"_s);
}

void FormTbl::position_fenetres() {
    keyword.panel.move(50, 6000);
    if (isEarlierBuild())
        results.commentList.move(250, 6600);
    else
        results.commentList.move(250, results.resultList.top() + results.resultList.height() - 800);
    // The comments' title stays just above its list.
    results.commentsTitle.move(results.commentList.left(), results.commentList.top() - 280);
}

} // namespace sylvane::engine
