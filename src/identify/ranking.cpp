#include "identify/ranking.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace sylvane::identify {

std::vector<FieldRank> orderFields(const std::vector<FieldTally>& tallies) {
    std::vector<FieldRank> ranks;
    ranks.reserve(tallies.size());
    for (const FieldTally& tally : tallies) {
        const bool separates = tally.valueCount >= 2;
        ranks.push_back(
            {tally.field, separates,
             separates ? static_cast<double>(tally.squaresSum) / static_cast<double>(tally.taxaSum)
                       : 0.0});
    }
    // Equal fractions give equal doubles (one correctly rounded division), so ties are
    // exact and the stable sort keeps their order.
    std::stable_sort(ranks.begin(), ranks.end(), [](const FieldRank& a, const FieldRank& b) {
        if (a.separates != b.separates)
            return a.separates;
        return a.separates && a.expected < b.expected;
    });
    return ranks;
}

QString rankListText(const FieldRank& rank) {
    if (!rank.separates)
        return {};
    return u"≈ "_s + QString::number(rank.expected, 'f', 1).replace(u'.', u',');
}

QString rankDriverText(const FieldRank& rank) {
    return rank.separates ? QString::number(rank.expected, 'f', 2) : u"-"_s;
}

} // namespace sylvane::identify
