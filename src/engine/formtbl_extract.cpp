// The extraction: the values that match the keywords become the taxon list, and the
// taxa that bear them become the value list, each with all its lines.
#include "engine/formtbl.h"

#include "core/vbtext.h"
#include "engine/keywordmatcher.h"

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

void FormTbl::ExtraireListe(ListBox& listc, double /*max*/) {
    auto& s = state();
    s.ExtractionShown = true;
    Command5.setEnabled(false);

    if (!Textcle(0).text().isEmpty()) {
        const KeywordMatcher matcher = panelMatcher();
        ListeResultat.clear();
        ListEspeces.clear();
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
        ListeResultat.addItems(std::move(shownValues));
        ListEspeces.addItems(std::move(valueEntries));

        ListDesc.clear();
        List4.clear();
        std::vector<ListEntry> names;
        names.reserve(n);
        for (int k = 1; k <= n; ++k) {
            const int row = static_cast<int>(s.FoundRows[k]);
            names.push_back({s.KeyTable(row, 1), row});
        }
        ListDesc.addItems(std::move(names));
        Allege();
        // The value list no longer holds the values of the chosen field.
        pendingHistory_.clear();
        if (isEarlierBuild())
            Lab_Resultat.setCaption(extractionHeading());
    }
    Label3.setCaption(QString());
}

} // namespace sylvane::engine
