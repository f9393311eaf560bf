// The extraction: the values that match the keywords become the taxon list, and the
// taxa that bear them become the value list, each with all its lines.
#include "engine/formtbl.h"

#include "engine/keywordmatcher.h"

using namespace Qt::StringLiterals;

namespace sylvane::engine {

void KeywordPanel::ExtraireListe() {
    auto& identification = form_.identification;
    identification.extractionShown = true;
    identification.stepBack.setEnabled(false);

    if (!keywords(0).text().isEmpty()) {
        const KeywordMatcher matcher = panelMatcher();
        form_.results.resultList.clear();
        identification.taxonList.clear();
        const QStringList values = identification.valueList.texts();
        const std::vector<int> matching = identification.extract(
            [&matcher](const QString& text) { return matcher.matches(text); });
        std::vector<ListEntry> shownValues;
        std::vector<ListEntry> valueEntries;
        for (const int position : matching) {
            shownValues.push_back({values[position]});
            valueEntries.push_back({values[position], position});
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
