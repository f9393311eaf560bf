// The identification engine's commands: reset, the listing of every taxon, and the
// developer buttons of the line editor.
#include "engine/formtbl.h"

#include "core/moduleroutines.h"
#include "core/vbtext.h"

using namespace Qt::StringLiterals;

namespace sylvane::engine {

void FormTbl::wireEngine() {
    List2.onClick = [this] { List2_Click(); };
    Label2.onClick = [this] { Label2_Click(); };
    ListDesc.onClick = [this] { ListDesc_Click(); };
    ListDesc.onKeyDown = [this](int keyCode) { ListDesc_KeyDown(keyCode); };
    ListDesc.onMouseDown = [this](int button) { ListDesc_MouseDown(button); };
    Check4.onClick = [this] { Check4_Click(); };
    Command1.onClick = [this] { Command1_Click(); };
    Command2.onClick = [this] { Command2_Click(); };
    Command5.onClick = [this] { Command5_Click(); };
    Command10.onClick = [this] { Command10_Click(); };
    Command11.onClick = [this] { Command11_Click(); };
}

void FormTbl::Command1_Click() {
    RazListes();
}

void FormTbl::RazListes() {
    auto& s = state();
    List2.clear();
    ListDesc.clear();
    ListEspeces.clear();
    List4.clear();
    Label3.setCaption(QString());
    StatusBar1.setCaption(QString());
    Lab_Resultat.setCaption(QString());
    s.ChoicePath.clear();
    s.ChoiceSteps = 0;
    s.ExtractionShown = false;
    taxonColumnPending_ = false;
    linesListed_ = false;
    pendingHistory_.clear();
    Command5.setEnabled(true);
    ListeResultat.clear();
    s.UsedFields.clear();
    AfficheChamps();
    const int lines = s.lineCount();
    s.FoundRows[0] = lines;
    for (int i = 1; i <= lines && i <= core::MaxRows; ++i)
        s.FoundRows[i] = i;
}

// Lists every taxon of the table with its row number. The event queue runs meanwhile (the
// running row number shows in Label5), but user events are refused until the list is
// whole. Entries are added in batches: the same sorted list as one by one.
void FormTbl::Command2_Click() {
    BusyScope busyScope(*this);
    const auto& s = state();
    ListDesc.clear();
    ListEspeces.clear();
    ListeResultat.clear();
    constexpr size_t batch = 512;
    std::vector<ListEntry> pending;
    const int lines = std::min(s.lineCount(), core::MaxRows);
    for (int i = 1; i <= lines; ++i) {
        Label5.setCaption(core::numberText(i));
        const QString& name = s.KeyTable(i, 1);
        if (!name.isEmpty())
            pending.emplace_back(name + u" "_s + core::numberText(i), i);
        if (pending.size() >= batch)
            ListEspeces.addItems(std::exchange(pending, {}));
        yieldSometimes();
    }
    ListEspeces.addItems(std::move(pending));
}

// Developer button: the data lines of the table, one entry per row, in the value list.
// A click on one of them opens it in the line editor (below) instead of choosing a value;
// the listing is no field choice and cannot be replayed, so step back stays off until the
// next reset.
void FormTbl::Command10_Click() {
    auto& s = state();
    ListDesc.clear();
    ListEspeces.clear();
    ListeResultat.clear();
    std::vector<ListEntry> lines;
    const int rows = std::min(s.lineCount(), core::MaxRows);
    for (int row = 1; row <= rows; ++row) {
        QStringList cells;
        bool anyValue = false;
        for (int field = 1; field <= s.FieldCount && field <= core::MaxFields; ++field) {
            cells.append(s.KeyTable(row, field));
            anyValue = anyValue || !cells.back().isEmpty();
        }
        if (anyValue)
            lines.emplace_back(cells.join(s.Separator), row);
    }
    ListDesc.addItems(std::move(lines));
    // Paired with their rows like any value list, so that nothing reads stale row lists.
    Allege();
    Label3.setCaption(core::numberText(ListDesc.count()) + u" choix"_s);
    taxonColumnPending_ = false;
    linesListed_ = true;
    Command5.setEnabled(false);
}

// The line clicked in the developer listing, field by field in the result list, with the
// value box of the line editor open.
void FormTbl::editListedLine() {
    Raz_Teditchamp();
    QString line = ListDesc.itemText(ListDesc.currentIndex());
    Edit_Aff(line);
    Text2_Ouvre();
}

// Line editor commit: the edited value goes back into its field and the rebuilt line is
// shown again. Only the fields of a line can be edited: a position past them stores
// nothing.
void FormTbl::Command11_Click() {
    auto& s = state();
    const int k = ListeResultat.currentIndex() + 1;
    if (k <= core::MaxFields)
        s.FieldContents[k] = Text2.text();
    QString line;
    for (int field = 1; field <= s.FieldCount && field <= core::MaxFields; ++field)
        line += s.FieldContents[field] + u";"_s;
    Edit_Aff(line);
}

} // namespace sylvane::engine
