// The extraction: the values that match the keywords become the taxon list, and the
// taxa that bear them become the value list, each with all its lines.
#include "engine/formtbl.h"

#include "identify/keywordmatcher.h"

using namespace Qt::StringLiterals;

namespace sylvane::engine {

void KeywordPanel::ExtraireListe() {
    auto& identification = form_.identification;
    identification.extractionShown = true;

    if (keywords(0).text().isEmpty()) {
        identification.forgoStepBack();
    } else {
        const identify::KeywordMatcher matcher = panelMatcher();
        form_.results.resultList.clear();
        identification.taxonList.clear();
        QStringList matched; // the texts of the matching values, in list order
        const std::vector<int> matching = identification.extract([&](const QString& text) {
            const bool match = matcher.matches(text);
            if (match)
                matched.append(text);
            return match;
        });
        std::vector<ListEntry> shownValues;
        std::vector<ListEntry> valueEntries;
        for (std::size_t k = 0; k < matching.size(); ++k) {
            shownValues.push_back({matched[static_cast<qsizetype>(k)]});
            valueEntries.push_back({matched[static_cast<qsizetype>(k)], matching[k]});
        }
        form_.results.resultList.addItems(std::move(shownValues));
        identification.taxonList.addItems(std::move(valueEntries));
        if (form_.isEarlierBuild())
            form_.results.heading.setCaption(extractionHeading());
    }
    identification.valueCount.setCaption(QString());
}

// "Extrait :  k0" or "Extrait :  k0 OU k1"; with "&Et" and two keywords "Extrait : k0 & k1".
QString KeywordPanel::extractionHeading() {
    bool both = false;
    const QString shown = keywordsShown(&both);
    return (both ? u"Extrait : "_s : u"Extrait :  "_s) + shown;
}

} // namespace sylvane::engine
