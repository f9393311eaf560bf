#include "identify/ranking.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace sylvane::identify {

TaxonGroups::TaxonGroups(std::span<const int> rows, std::span<const int> names, int namePool) {
    // A counting sort on the taxon number.
    std::vector<int> taxonOfName(static_cast<size_t>(namePool), -1);
    std::vector<int> taxonOfRow;
    taxonOfRow.reserve(rows.size());
    int taxonCount = 0;
    for (const int name : names) {
        int taxon = -1;
        if (name != 0) {
            int& known = taxonOfName[static_cast<size_t>(name)];
            if (known < 0)
                known = taxonCount++;
            taxon = known;
        }
        taxonOfRow.push_back(taxon);
    }
    start_.assign(static_cast<size_t>(taxonCount) + 1, 0);
    for (const int taxon : taxonOfRow)
        if (taxon >= 0)
            ++start_[static_cast<size_t>(taxon) + 1];
    for (size_t t = 1; t < start_.size(); ++t)
        start_[t] += start_[t - 1];
    rows_.resize(static_cast<size_t>(start_.back()));
    std::vector<int> next(start_.begin(), start_.end() - 1);
    for (size_t i = 0; i < rows.size(); ++i)
        if (const int taxon = taxonOfRow[i]; taxon >= 0)
            rows_[static_cast<size_t>(next[static_cast<size_t>(taxon)]++)] = rows[i];
}

void ValueTaxaCounter::reset(int field, int poolSize) {
    field_ = field;
    taxon_ = -1;
    keptAnyway_ = false;
    keptByAny_ = 0;
    taxaOfValue_.assign(static_cast<size_t>(poolSize), 0);
    lastTaxon_.assign(static_cast<size_t>(poolSize), -1);
    seenValues_.clear();
}

FieldTally ValueTaxaCounter::tally() const {
    FieldTally tally{field_, static_cast<int>(seenValues_.size()), 0, 0};
    for (const int value : seenValues_) {
        const qint64 n = taxaOfValue_[static_cast<size_t>(value)] + keptByAny_;
        tally.taxaSum += n;
        tally.squaresSum += n * n;
    }
    return tally;
}

FieldRank rankOf(const FieldTally& tally) {
    const bool separates = tally.valueCount >= 2;
    return {tally.field, separates,
            separates ? static_cast<double>(tally.squaresSum) / static_cast<double>(tally.taxaSum)
                      : 0.0};
}

std::vector<FieldRank> ranksOf(const std::vector<FieldTally>& tallies,
                               const std::function<bool(int field)>& isNameField) {
    std::vector<FieldRank> ranks;
    ranks.reserve(tallies.size());
    for (const FieldTally& tally : tallies) {
        ranks.push_back(rankOf(tally));
        ranks.back().namesTaxa = isNameField && isNameField(tally.field);
    }
    return ranks;
}

std::vector<FieldRank> orderFields(const std::vector<FieldTally>& tallies,
                                   const std::function<bool(int field)>& isNameField) {
    std::vector<FieldRank> ranks = ranksOf(tallies, isNameField);
    // Separating fields first, then the name fields, then the others.
    const auto group = [](const FieldRank& rank) {
        return rank.namesTaxa ? 1 : rank.separates ? 0 : 2;
    };
    // Equal fractions give equal doubles (one correctly rounded division), so ties are
    // exact and the stable sort keeps their order.
    std::stable_sort(ranks.begin(), ranks.end(), [&group](const FieldRank& a, const FieldRank& b) {
        if (group(a) != group(b))
            return group(a) < group(b);
        return group(a) == 0 && a.expected < b.expected;
    });
    return ranks;
}

QString rankListText(const FieldRank& rank) {
    if (rank.namesTaxa)
        return u"nom"_s;
    if (!rank.separates)
        return {};
    return u"≈ "_s + QString::number(rank.expected, 'f', 1).replace(u'.', u',');
}

QString rankDriverText(const FieldRank& rank) {
    if (rank.namesTaxa)
        return u"nom"_s;
    return rank.separates ? QString::number(rank.expected, 'f', 2) : u"-"_s;
}

} // namespace sylvane::identify
