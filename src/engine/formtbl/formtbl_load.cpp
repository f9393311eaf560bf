// Opening and loading a key table, and the field list.
#include "engine/formtbl.h"

#include "core/moduleroutines.h"
#include "core/vbtext.h"
#include "keytable/currentfolder.h"
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
    void dataLineStored(int, QStringView) override {}
    void progress(int row) override {
        form_.identification.valueCount.setCaption(QString::number(row));
        yield_();
    }
    void refused(const QString& message) override {
        form_.platform().messageBox(message, u"Sylvane"_s, core::MessageButtons::Ok);
    }
    void busy(bool busy) override { form_.platform().setBusyCursor(busy); }

    // The comment list is filled once at the end.
    void flush() { form_.results.commentList.addItems(std::move(comments_)); }

  private:
    FormTbl& form_;
    std::function<void()> yield_;
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
    openedFileTitle.setCaption(QString());
    const QString extension = core::ExtensionOf(chosen).toUpper();
    if (extension == u"CLE"_s || extension == u"TXT"_s || extension == u"CSV"_s ||
        extension == u"CSVM"_s) {
        keyword.panel.setVisible(false);
        currentFile.setCaption(chosen);
    }
    state().CurrentFile = chosen;
    // A load ends with the lists reset; a file that is not there leaves the table loaded
    // before, and its identification starts again.
    if (!execute())
        identification.RazListes();
    identification.valueCount.setCaption(
        core::numberText(state().KeyTable.fieldCount()) + u" champs ; "_s +
        core::numberText(keytable::shownLineCount(state())) + u" lignes"_s);
}

bool FormTbl::execute() {
    auto& s = state();
    if (!core::FileExists(keytable::resolvedPath(s, s.CurrentFile)))
        return false;
    BusyScope busyScope(*this);
    identification.crossFilterButton.setEnabled(true);
    position_fenetres();
    identification.valueList.clear();
    identification.fieldList.clear();
    identification.taxonList.clear();
    identification.history.clear();
    results.commentList.clear();

    WindowLoadSink sink(*this, [this] { yieldSometimes(); });
    keytable::LoadKeyTable(s, s.CurrentFile, sink);
    sink.flush();
    identification.fieldsTitle.setCaption(core::numberText(s.KeyTable.declaredFieldCount()) +
                                          u" champs"_s);

    identification.RazListes();
    identification.valueCount.setCaption(
        core::numberText(s.KeyTable.fieldCount()) + u" champs ; "_s +
        core::numberText(keytable::shownLineCount(s)) + u" lignes"_s);
    return true;
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
