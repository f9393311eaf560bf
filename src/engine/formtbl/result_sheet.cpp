// The taxon sheet (one line per field of the clicked taxon), its comparison with every
// taxon found, and the copy of the result list with its heading.
#include "engine/formtbl.h"

#include <QHash>

using namespace Qt::StringLiterals;

namespace sylvane::engine {

void ResultPanel::wireSheet() {
    form_.identification.taxonList.onClick = [this] { ListEspeces_Click(); };
    form_.identification.taxonList.onMouseDown = [this](int button) {
        ListEspeces_MouseDown(button);
    };
}

void ResultPanel::ListEspeces_Click() {
    // While an extraction is shown the list holds values, not taxa.
    if (form_.keyword.extractTaxa.value() == 0 && form_.identification.extractionShown)
        return;
    const int index = form_.identification.taxonList.currentIndex();
    if (index < 0) {
        form_.platform().messageBox(u"erreur index "_s, u"Sylvane"_s, core::MessageButtons::Ok);
        return;
    }
    const int row = form_.identification.taxonList.itemData(index);
    // The earlier build has no comparison: there Check6 hides the sheet's empty lines.
    if (form_.identification.compare.value() == 0 || form_.isEarlierBuild())
        showSheet(row);
    else
        compareTaxon(row);
    form_.showCopyHint();
}

void ResultPanel::ListEspeces_MouseDown(int button) {
    if (form_.identification.taxonList.count() >= 2 && isButton(button, MouseButton::Right) &&
        form_.onPopup)
        form_.onPopup(form_.menus.taxonPopup);
}

void ResultPanel::showSheet(int row) {
    const auto& s = form_.state();
    heading.setCaption(s.KeyTable(row, 1));
    resultList.clear();
    const bool hideEmpty = form_.identification.hideEmptyFields.value() != 0;
    const bool dropEmptyLines = form_.isEarlierBuild() && form_.identification.compare.value() != 0;
    std::vector<ListEntry> lines;
    for (int v = 2; v <= s.KeyTable.fieldCount(); ++v) {
        const QString& value = s.KeyTable(row, v);
        const QString& name = s.KeyTable.fieldName(v);
        if (!value.isEmpty())
            lines.push_back({name + u" : "_s + value});
        else if (!name.isEmpty() && !hideEmpty)
            lines.push_back({name + u" : non renseigné"_s});
        else if (!dropEmptyLines)
            lines.push_back({QString()});
    }
    resultList.addItems(std::move(lines));
    if (textPanel.visible())
        ListResultat_Big();
    form_.identification.fieldsTitle.setCaption(u" ligne numero  "_s + QString::number(row));
}

// Lists, for every taxon found, the fields where it differs from the clicked one. The
// common criteria are the non-empty values of the clicked taxon that every other listed
// row carries exactly; with no other row listed there are none. User events that arrive
// while the event queue runs are refused until the comparison ends.
void ResultPanel::compareTaxon(int row) {
    Window::BusyScope busyScope(form_);
    const auto& s = form_.state();
    const int fieldCount = s.KeyTable.fieldCount();
    resultList.clear();

    std::vector<qint32> rows;
    rows.reserve(form_.identification.taxonList.count());
    for (const ListEntry& entry : form_.identification.taxonList.entries())
        rows.push_back(entry.itemData);

    const QString& name = s.KeyTable(row, 1);
    std::vector<ListEntry> lines{{u">   critères communs avec  "_s + name}};
    for (const int v : commonFields(row, rows))
        lines.push_back({s.KeyTable.fieldName(v) + u"  =   "_s + s.KeyTable(row, v)});
    lines.push_back({QString()});
    lines.push_back({u">   critères différents de  "_s + name});

    // Every differing field gives a line: room for the worst case saves the regrowth of
    // a list that can reach one and a half million lines.
    lines.reserve(lines.size() + rows.size() * (fieldCount + 1));
    std::vector<QString> prefixes(fieldCount + 1);
    for (int v = 1; v <= fieldCount; ++v)
        prefixes[v] = (v == 1 ? u"   "_s : QString()) + s.KeyTable.fieldName(v) + u"  =  "_s;
    // The cells of a loaded table share one text per distinct value, so a line is built
    // once per field and shared text, and every other taxon with that value shares it.
    std::vector<QHash<const QChar*, QString>> built(fieldCount + 1);
    for (const qint32 other : rows) {
        form_.yieldSometimes();
        lines.push_back({QString()});
        for (int v = 1; v <= fieldCount; ++v) {
            const QString& value = s.KeyTable(other, v);
            if (value == s.KeyTable(row, v))
                continue;
            QString& line = built[v][value.constData()];
            if (line.isNull())
                line = prefixes[v] + value;
            lines.push_back({line});
        }
    }
    resultList.setEntries(std::move(lines));
}

// The fields 2.. whose non-empty value in row every other listed row shares.
std::vector<int> ResultPanel::commonFields(int row, const std::vector<qint32>& rows) {
    const auto& s = form_.state();
    std::vector<int> fields;
    if (std::none_of(rows.begin(), rows.end(), [row](qint32 r) { return r != row; }))
        return fields;
    for (int v = 2; v <= s.KeyTable.fieldCount(); ++v) {
        const QString& value = s.KeyTable(row, v);
        if (!value.isEmpty() && std::all_of(rows.begin(), rows.end(),
                                            [&](qint32 r) { return s.KeyTable(r, v) == value; }))
            fields.push_back(v);
    }
    return fields;
}

void ResultPanel::CopieResultat() {
    auto& p = form_.platform();
    const QString& lineBreak = form_.state().LineBreak;
    textPanel.setText(QString());
    p.clearClipboard();
    QString text = u"    "_s + heading.caption() + lineBreak;
    text += u"    ----------"_s + lineBreak;
    for (const ListEntry& entry : resultList.entries())
        if (!entry.text.isEmpty())
            text += entry.text + lineBreak;
    // The text panel serves as the buffer of the copy, as the other list copies do.
    textPanel.setText(text);
    p.setClipboardText(text);
    if (p.clipboardHasText())
        textPanel.setText(QString());
    p.beep();
}

} // namespace sylvane::engine
