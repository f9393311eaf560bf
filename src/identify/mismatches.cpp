#include "identify/mismatches.h"

#include "identify/queries.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace sylvane::identify {

TaxonMismatches::TaxonMismatches(const keytable::KeyTable& table)
    : table_(&table), found_(static_cast<size_t>(table.rowCount()) + 1, 1),
      count_(static_cast<size_t>(std::max(table.poolSize(1), 1)), 0) {}

TaxonMismatches::TaxonMismatches(const keytable::KeyTable& table, std::span<const Choice> choices)
    : TaxonMismatches(table) {
    for (const Choice& choice : choices)
        apply(choice);
}

int TaxonMismatches::nameOf(int row) const {
    return table_->cellId(row, 1);
}

void TaxonMismatches::apply(const Choice& choice) {
    if (!table_)
        return;
    const auto names = static_cast<size_t>(std::max(table_->poolSize(1), 1));
    // A table that grew since (rows appended, names added) starts those found and even.
    found_.resize(static_cast<size_t>(table_->rowCount()) + 1, 1);
    count_.resize(std::max(count_.size(), names), 0);

    const ChoiceTest test(*table_, choice);
    const std::span<const keytable::ValueId> nameOf = table_->cells(1);
    const auto end = std::min(found_.size(), nameOf.size());
    std::vector<char> meets(found_.size(), 0);
    std::vector<char> described(names, 0); // the taxon has found rows
    std::vector<char> met(names, 0);       // one of them meets the choice
    for (size_t r = 1; r < end; ++r) {
        if (!found_[r])
            continue;
        const auto name = nameOf[r];
        described[name] = 1;
        if (test.meets(static_cast<int>(r))) {
            meets[r] = 1;
            met[name] = 1;
        }
    }
    for (size_t r = 1; r < end; ++r)
        if (found_[r] && (nameOf[r] == 0 || met[nameOf[r]]))
            found_[r] = meets[r];
    const int cost = choice.exact ? Unforgiven : 1;
    for (size_t name = 1; name < names; ++name)
        if (described[name] && !met[name])
            count_[name] += cost;
}

int TaxonMismatches::differences(int row) const {
    if (!table_)
        return 0;
    const auto name = static_cast<size_t>(nameOf(row));
    return name < count_.size() ? count_[name] : 0;
}

bool TaxonMismatches::isFound(int row, int tolerance) const {
    if (!table_ || row < 1 || static_cast<size_t>(row) >= found_.size())
        return false;
    return found_[static_cast<size_t>(row)] && differences(row) <= tolerance;
}

std::vector<int> TaxonMismatches::rowsWithin(int tolerance) const {
    std::vector<int> rows;
    if (!table_)
        return rows;
    for (int row = 1; row <= table_->rowCount(); ++row)
        if (isFound(row, tolerance))
            rows.push_back(row);
    return rows;
}

std::vector<Contradiction> contradictions(const keytable::KeyTable& table,
                                          std::span<const Choice> choices, int row) {
    std::vector<int> rows = taxonRows(table, row);
    std::vector<Contradiction> found;
    for (size_t k = 0; k < choices.size(); ++k) {
        const ChoiceTest test(table, choices[k]);
        std::vector<int> meeting;
        std::copy_if(rows.begin(), rows.end(), std::back_inserter(meeting),
                     [&test](int r) { return test.meets(r); });
        if (!meeting.empty()) {
            rows = std::move(meeting);
            continue;
        }
        Contradiction contradiction{static_cast<int>(k), {}};
        for (const int r : rows) {
            const QString& value = table.cell(r, choices[k].field);
            if (!value.isEmpty() && !contradiction.values.contains(value))
                contradiction.values.append(value);
        }
        found.push_back(std::move(contradiction));
    }
    return found;
}

QString Contradiction::valuesText() const {
    return values.isEmpty() ? u"non renseigné"_s : values.join(u" ou "_s);
}

QString contradictionText(const keytable::KeyTable& table, const Choice& choice,
                          const Contradiction& contradiction) {
    return table.fieldName(choice.field) + u" — choisi : "_s + choice.values.join(u" ou "_s) +
           u" ; cette espèce : "_s + contradiction.valuesText();
}

QString differencesNote(int differences) {
    if (differences <= 0)
        return QString();
    return differences == 1 ? u"1 différence"_s : u"%1 différences"_s.arg(differences);
}

} // namespace sylvane::identify
