#include "identify/queries.h"

#include <QRegularExpression>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace sylvane::identify {

RowGroups taxaFound(const KeyTable& table, std::span<const int> rows) {
    return RowGroups(table, rows, 1, false, RowGroups::Empty::Kept);
}

QStringList keywordSearch(const QStringList& texts, const KeywordMatcher& matcher) {
    QStringList found;
    for (qsizetype i = 0; i < texts.size(); ++i)
        if (matcher.matches(texts[i]))
            found.append(QString::number(i) + u" : "_s + texts[i]);
    return found;
}

int rowNamed(const KeyTable& table, const QString& name) {
    if (name.isEmpty())
        return 0;
    for (int row = 1; row <= table.rowCount(); ++row)
        if (table.cell(row, 1) == name)
            return row;
    return 0;
}

std::vector<int> taxonRows(const KeyTable& table, int row) {
    const keytable::ValueId name = table.cellId(row, 1);
    if (name == 0)
        return row >= 1 && row <= table.rowCount() ? std::vector<int>{row} : std::vector<int>{};
    std::vector<int> rows;
    for (int r = 1; r <= table.rowCount(); ++r)
        if (table.cellId(r, 1) == name)
            rows.push_back(r);
    return rows;
}

int taxonOfEntry(const KeyTable& table, const QString& entry) {
    static const QRegularExpression searchResult(u"^\\d+ : "_s);
    if (const int row = rowNamed(table, entry))
        return row;
    QString text = entry;
    if (const auto match = searchResult.match(text); match.hasMatch()) {
        text = text.sliced(match.capturedLength());
        if (const int row = rowNamed(table, text))
            return row;
    }
    // "liste" writes each row's name followed by the row.
    const qsizetype blank = text.lastIndexOf(u' ');
    bool isRow = false;
    const int row = blank > 0 ? text.sliced(blank + 1).toInt(&isRow) : 0;
    if (isRow && row >= 1 && row <= table.rowCount() && table.cell(row, 1) == text.first(blank))
        return rowNamed(table, text.first(blank));
    return 0;
}

QStringList sheetLines(const KeyTable& table, int row, SheetOptions options) {
    QStringList lines;
    for (int field = 2; field <= table.fieldCount(); ++field) {
        const QString& value = table.cell(row, field);
        const QString& name = table.fieldName(field);
        if (!value.isEmpty())
            lines.append(name + u" : "_s + value);
        else if (!name.isEmpty() && !options.hideEmpty)
            lines.append(name + u" : non renseigné"_s);
        else if (!options.dropEmptyLines)
            lines.append(QString());
    }
    return lines;
}

std::vector<int> commonFields(const KeyTable& table, int row, std::span<const int> rows) {
    std::vector<int> fields;
    if (std::none_of(rows.begin(), rows.end(), [row](int r) { return r != row; }))
        return fields;
    for (int field = 2; field <= table.fieldCount(); ++field) {
        const ValueId id = table.cellId(row, field);
        if (id != 0 && std::all_of(rows.begin(), rows.end(),
                                   [&](int r) { return table.cellId(r, field) == id; }))
            fields.push_back(field);
    }
    return fields;
}

QStringList comparisonLines(const KeyTable& table, int row, std::span<const int> rows,
                            const std::function<void()>& yield) {
    const int fieldCount = table.fieldCount();
    const QString& name = table.cell(row, 1);
    QStringList lines{u">   critères communs avec  "_s + name};
    for (const int field : commonFields(table, row, rows))
        lines.append(table.fieldName(field) + u"  =   "_s + table.cell(row, field));
    lines.append(QString());
    lines.append(u">   critères différents de  "_s + name);

    // Every differing field gives a line: room for the worst case saves the regrowth of a
    // list that can reach one and a half million lines.
    lines.reserve(lines.size() + static_cast<qsizetype>(rows.size()) * (fieldCount + 1));
    // A line is built once per field and value, and every row with that value shares it.
    std::vector<std::vector<QString>> built(static_cast<std::size_t>(fieldCount) + 1);
    for (int field = 1; field <= fieldCount; ++field)
        built[static_cast<std::size_t>(field)].resize(
            static_cast<std::size_t>(table.poolSize(field)));
    for (const int other : rows) {
        if (yield)
            yield();
        lines.append(QString());
        for (int field = 1; field <= fieldCount; ++field) {
            const ValueId id = table.cellId(other, field);
            if (id == table.cellId(row, field))
                continue;
            QString& line = built[static_cast<std::size_t>(field)][id];
            if (line.isNull())
                line = (field == 1 ? u"   "_s : QString()) + table.fieldName(field) + u"  =  "_s +
                       table.text(field, id);
            lines.append(line);
        }
    }
    return lines;
}

} // namespace sylvane::identify
