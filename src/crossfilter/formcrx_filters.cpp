// The filters of the cross-filter window: the field and value lists, storing, listing and
// clearing filters, the number box with its scroll bar, and the report separator.
#include "crossfilter/formcrx.h"

#include "core/vbtext.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace sylvane::crossfilter {

void FormCrx::wireFilters() {
    fieldList.onClick = [this] { ListeChamps_Click(); };
    takeValue.forEach([this](int index, engine::Button& button) {
        button.onClick = [this, index] { Command2_Click(index); };
    });
    validate.onClick = [this] { Command4_Click(); };
    clearFilters.onClick = [this] { Command5_Click(); };
    listFilters.onClick = [this] { Command6_Click(); };
    showOptions.onClick = [this] { Command7_Click(); };
    numberBox.onChange = [this] { Text2_Change(); };
    numberBar.onChange = [this] { HScroll1_Change(); };
    separatorItems.forEach([this](int index, engine::MenuItem& item) {
        item.onClick = [this, index] { sept_Click(index); };
    });
    separatorBox.onChange = [this] { Text4_Change(); };
}

FilterRecord& FormCrx::filter(int number) {
    return Filters[static_cast<std::size_t>(std::clamp(number, 0, FilterSlots))];
}

int FormCrx::filterNumber() const {
    const double number = core::roundHalfEven(core::leadingNumericValue(numberBox.text()));
    return number >= 0 && number <= FilterSlots ? static_cast<int>(number) : -1;
}

void FormCrx::setFilterNumberText(const QString& text) {
    if (numberBox.text() == text)
        return;
    numberBox.setText(text);
    Text2_Change();
}

void FormCrx::moveFilterBar(int value) {
    if (numberBar.value() == value)
        return;
    numberBar.setValue(value);
    HScroll1_Change();
}

void FormCrx::AfficheChamps() {
    const keytable::KeyTable& table = state().KeyTable;
    std::vector<engine::ListEntry> fields;
    for (int i = 1; i <= table.fieldCount(); ++i)
        fields.emplace_back(table.fieldName(i), i);
    fieldList.clear();
    fieldList.addItems(std::move(fields));
}

// The distinct cells of the chosen field, empty cells included, compared exactly: the
// list that adding each cell not yet listed gives, one entry per value id, one sort.
void FormCrx::ListeChamps_Click() {
    const int selected = fieldList.currentIndex();
    if (selected < 0)
        return;
    platform().setBusyCursor(true);
    CurrentField = fieldList.itemData(selected);
    valueList.clear();
    const keytable::KeyTable& table = state().KeyTable;
    const int rows = table.rowCount();
    std::vector<bool> seen(static_cast<std::size_t>(std::max(1, table.poolSize(CurrentField))));
    std::vector<engine::ListEntry> values;
    for (int row = 1; row <= rows; ++row) {
        const keytable::ValueId id = table.cellId(row, CurrentField);
        if (!seen[id]) {
            seen[id] = true;
            values.emplace_back(table.text(CurrentField, id));
        }
    }
    valueList.addItems(std::move(values));
    platform().setBusyCursor(false);
}

void FormCrx::Command2_Click(int Index) {
    const int selected = valueList.currentIndex();
    valueBoxes(Index).setText(selected >= 0 ? valueList.itemText(selected) : QString());
    PickedField[static_cast<std::size_t>(Index)] = CurrentField;
}

void FormCrx::MajFiltres() {
    {
        // Lets pending events run once; events for this window wait until it is done.
        BusyScope busyScope(*this);
        platform().processEvents();
    }
    const int k = filterNumber();
    if (k < 1 || k > MaxFilters - 1)
        return; // the number box never holds such a number
    FilterRecord& f = filter(k);
    f.Value1 = valueBoxes(0).text();
    f.Value2 = valueBoxes(1).text();
    f.Field1 = PickedField[0];
    f.Field2 = PickedField[1];
    f.Exact1 = exactMatch(0).value() == 1 ? ValueMatch::Exact : ValueMatch::Contains;
    f.Exact2 = exactMatch(1).value() == 1 ? ValueMatch::Exact : ValueMatch::Contains;
    f.Mode = combine(0).value() == 1 ? FilterMode::Both : FilterMode::Either;
    if (f.Value1.isEmpty() || f.Value2.isEmpty())
        f.Mode = FilterMode::Single;
    filterShown.setCaption(f.Value1 + linkWordFor(LinkWords, f.Mode) + f.Value2);
    AfficheFiltres();
}

void FormCrx::AfficheFiltres() {
    FilterCount = DernierFiltre();
    const QString& br = state().LineBreak;
    QString text = u"liste filtres"_s + br;
    for (int i = 1; i <= FilterCount; ++i) {
        const FilterRecord& f = filter(i);
        text += core::numberText(i) + u" : "_s + f.Value1 + u' ' + linkWordFor(LinkWords, f.Mode) +
                u' ' + f.Value2 + u' ' + fieldText(f.Field1) + br;
    }
    reportBox.setText(text);
    progress.setCaption(core::numberText(FilterCount) + u" filtres"_s);
}

int FormCrx::DernierFiltre() const {
    for (int i = std::min(MaxFilters, FilterSlots); i >= 1; --i) {
        const FilterRecord& f = Filters[static_cast<std::size_t>(i)];
        if (!f.Value1.isEmpty() || !f.Value2.isEmpty())
            return i;
    }
    return 0;
}

void FormCrx::RazFiltres() {
    for (int i = 1; i <= MaxFilters; ++i) {
        FilterRecord& f = filter(i);
        f.Value1.clear();
        f.Value2.clear();
        f.Mode = FilterMode::Single;
    }
    reportBox.setText(QString());
    filterShown.setCaption(QString());
    valueBoxes(0).setText(QString());
    valueBoxes(1).setText(QString());
    setFilterNumberText(u"1"_s);
}

void FormCrx::Command4_Click() {
    MajFiltres();
    setFilterNumberText(core::numberText(filterNumber() + 1));
}

void FormCrx::Command5_Click() {
    if (platform().messageBox(u"Effacer tous les filtres ? "_s, caption(),
                              core::MessageButtons::YesNo) == core::MessageAnswer::Yes)
        RazFiltres();
}

void FormCrx::Command6_Click() {
    AfficheFiltres();
}

void FormCrx::Command7_Click() {
    optionsFrame.setVisible(!optionsFrame.visible());
}

// A number outside 1..49 puts "1" back, which runs this rule again; a valid one moves the
// bar (which loads that filter's values when it really moves) and shows the filter.
void FormCrx::Text2_Change() {
    const double v = core::leadingNumericValue(numberBox.text());
    if (v < 1 || v > MaxFilters - 1) {
        setFilterNumberText(u"1"_s);
        return;
    }
    const int k = static_cast<int>(core::roundHalfEven(v));
    moveFilterBar(k);
    filterShown.setCaption(filter(k).Value1 + u" & "_s + filter(k).Value2);
}

// Loads the two values of the filter under the bar; the check boxes, the ET/OU choice and
// the fields picked stay as they are shown.
void FormCrx::HScroll1_Change() {
    const int k = std::clamp(numberBar.value(), numberBar.minimum(), numberBar.maximum());
    numberBar.setValue(k);
    setFilterNumberText(core::numberText(k));
    const FilterRecord& f = filter(k);
    valueBoxes(0).setText(f.Value1);
    valueBoxes(1).setText(f.Value2);
    filterShown.setCaption(f.Value1 + u' ' + linkWordFor(LinkWords, f.Mode) + u' ' + f.Value2);
}

void FormCrx::sept_Click(int Index) {
    OutputSeparator = Index == 1 ? u","_s : u";"_s;
}

void FormCrx::Text4_Change() {
    OutputSeparator = separatorBox.text();
}

} // namespace sylvane::crossfilter
