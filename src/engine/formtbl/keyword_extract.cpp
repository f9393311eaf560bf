// The extraction: the values that match the keywords become the taxon list, and the
// taxa that bear them become the value list, each with all its lines.
#include "engine/formtbl.h"

#include "core/vbtext.h"
#include "engine/keywordmatcher.h"

using namespace Qt::StringLiterals;

namespace sylvane::engine {

namespace {

// Appends the line numbers of a row list («12;45;46») to rows from index n + 1 on,
// n growing by one per number; an empty list adds nothing. Numbers that would pass the
// end of rows are dropped (a line stands under one value only, so it never happens).
void appendRows(const QString& list, const QString& separator, std::vector<double>& rows, int& n) {
    if (list.isEmpty())
        return;
    for (const QStringView piece : QStringView(list).split(separator)) {
        if (n + 1 >= static_cast<int>(rows.size()))
            return;
        // The lists hold whole numbers; anything else is read by its leading number.
        bool whole = false;
        const int row = piece.toInt(&whole);
        rows[++n] = whole ? row : core::leadingNumericValue(piece);
    }
}

} // namespace

void KeywordPanel::ExtraireListe(ListBox& listc) {
    auto& s = form_.state();
    s.ExtractionShown = true;
    form_.identification.stepBack.setEnabled(false);

    if (!keywords(0).text().isEmpty()) {
        const KeywordMatcher matcher = panelMatcher();
        form_.results.resultList.clear();
        form_.identification.taxonList.clear();
        std::vector<ListEntry> shownValues;
        std::vector<ListEntry> valueEntries;
        int n = 0;
        const auto& entries = listc.entries();
        for (std::size_t i = 0; i < entries.size(); ++i) {
            const QString& t = entries[i].text;
            if (!matcher.matches(t))
                continue;
            shownValues.push_back({t});
            if (i + 1 <= core::MaxRows)
                appendRows(s.ValueRows[i + 1], s.Separator, s.FoundRows, n);
            s.FoundRows[0] = n;
            valueEntries.push_back({t, static_cast<qint32>(i)});
        }
        form_.results.resultList.addItems(std::move(shownValues));
        form_.identification.taxonList.addItems(std::move(valueEntries));

        form_.identification.valueList.clear();
        form_.identification.history.clear();
        std::vector<ListEntry> names;
        names.reserve(n);
        for (int k = 1; k <= n; ++k) {
            const int row = static_cast<int>(s.FoundRows[k]);
            names.push_back({s.KeyTable(row, 1), row});
        }
        form_.identification.valueList.addItems(std::move(names));
        form_.identification.Allege();
        // The value list no longer holds the values of the chosen field.
        form_.identification.forgetHistoryOfChoice();
        if (form_.isEarlierBuild())
            form_.results.heading.setCaption(extractionHeading());
    }
    form_.identification.valueCount.setCaption(QString());
}

// "Extrait :  k0" or "Extrait :  k0 OU k1"; with "&Et" and two keywords "Extrait : k0 & k1".
QString KeywordPanel::extractionHeading() {
    bool both = false;
    const QString shown = keywordsShown(&both);
    return (both ? u"Extrait : "_s : u"Extrait :  "_s) + shown;
}

} // namespace sylvane::engine
