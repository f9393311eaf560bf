// The identification engine's commands: reset, the listing of every taxon, and the
// developer buttons of the line editor.
#include "engine/formtbl.h"

#include "core/moduleroutines.h"
#include "core/vbtext.h"

using namespace Qt::StringLiterals;

namespace sylvane::engine {

IdentificationPanel::IdentificationPanel(FormTbl& form)
    : Panel(form), session_(form.state().KeyTable) {
    session_.onChanged = [this](identify::Identification::Changes changes) {
        showSession(changes);
    };
}

void IdentificationPanel::wire() {
    fieldList.onClick = [this] { List2_Click(); };
    taxonColumn.onClick = [this] { Label2_Click(); };
    valueList.onClick = [this] { ListDesc_Click(); };
    valueList.onKeyDown = [this](int keyCode) { ListDesc_KeyDown(keyCode); };
    valueList.onMouseDown = [this](int button) { ListDesc_MouseDown(button); };
    selectAll.onClick = [this] { Check4_Click(); };
    reset.onClick = [this] { Command1_Click(); };
    listTaxa.onClick = [this] { Command2_Click(); };
    stepBack.onClick = [this] { Command5_Click(); };
    listLines.onClick = [this] { Command10_Click(); };
    storeEditedValue.onClick = [this] { Command11_Click(); };
    crossFilterButton.onClick = [this] { Command9_Click(); };
    form_.menus.copyValues.onClick = [this] { CopieDesc_Click(); };
    form_.menus.copyTaxa.onClick = [this] { CopieEsp_Click(); };
    wireOptions();
    wireChoices();
    // The earlier build has no comparison: its sheet option hides the empty lines.
    if (form_.isEarlierBuild())
        compare.setCaption(u"masquer les lignes vides"_s);
}

void IdentificationPanel::Command1_Click() {
    RazListes();
}

void IdentificationPanel::Command9_Click() {
    form_.windows().showCrossFilter();
}

// The session starts again (its lists are shown emptied, the fields all listed); the
// history, the status bar and the result list empty.
void IdentificationPanel::RazListes() {
    session_.reset();
    clearShownSearch();
}

void IdentificationPanel::clearShownSearch() {
    history.clear();
    form_.statusBar.setCaption(QString());
    form_.results.heading.setCaption(QString());
    extractionShown = false;
    pendingHistory_.clear();
    form_.results.resultList.clear();
}

// Lists every taxon of the table with its row number. The event queue runs meanwhile (the
// running row number shows in Label5), but user events are refused until the list is
// whole. Entries are added in batches: the same sorted list as one by one.
void IdentificationPanel::Command2_Click() {
    Window::BusyScope busyScope(form_);
    const auto& s = form_.state();
    session_.leaveValueList();
    taxonList.clear();
    form_.results.resultList.clear();
    constexpr size_t batch = 512;
    std::vector<ListEntry> pending;
    const int lines = s.KeyTable.rowCount();
    for (int i = 1; i <= lines; ++i) {
        const QString& name = s.KeyTable(i, 1);
        if (!name.isEmpty())
            pending.emplace_back(name + u" "_s + core::numberText(i), i);
        if (pending.size() >= batch)
            taxonList.addItems(std::exchange(pending, {}));
        // The running row number is shown when the queue runs, not laid out for every row.
        if (form_.yieldDue()) {
            taxaTitle.setCaption(core::numberText(i));
            form_.platform().processEvents();
        }
    }
    taxonList.addItems(std::move(pending));
    if (lines > 0)
        taxaTitle.setCaption(core::numberText(lines));
}
namespace {

// Copies every entry of a list, each followed by a line break, through the text panel.
void copyList(FormTbl& form, const ListBox& list) {
    form.results.textPanel.setVisible(false);
    form.results.textPanel.setText(QString());
    form.platform().clearClipboard();
    QString text;
    for (const ListEntry& entry : list.entries())
        text += entry.text + form.state().LineBreak;
    form.results.textPanel.setText(text);
    form.platform().setClipboardText(text);
    if (form.platform().clipboardHasText())
        form.results.textPanel.setText(QString());
    form.platform().beep();
}

} // namespace

void IdentificationPanel::CopieDesc_Click() {
    copyList(form_, valueList);
}

void IdentificationPanel::CopieEsp_Click() {
    copyList(form_, taxonList);
}

} // namespace sylvane::engine
