// The extraction: the values that match the keywords become the taxon list, and the
// taxa that bear them become the value list, each with all its lines.
#include "engine/formtbl.h"

#include "core/moduleroutines.h"
#include "engine/keywordmatcher.h"

namespace sylvane::engine {

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
            // The lines that the value stands for, appended to the found rows; an entry
            // without lines adds none.
            if (i + 1 <= core::MaxRows && !s.ValueRows[i + 1].isEmpty()) {
                QString rows = s.ValueRows[i + 1];
                core::SplitFieldList(rows, n, s.FoundRows, s.Separator);
            }
            s.FoundRows[0] = std::min(n, core::MaxRows);
            valueEntries.push_back({t, static_cast<qint32>(i)});
        }
        ListeResultat.addItems(std::move(shownValues));
        ListEspeces.addItems(std::move(valueEntries));

        ListDesc.clear();
        List4.clear();
        const int found = std::min(n, core::MaxRows);
        std::vector<ListEntry> names;
        names.reserve(found);
        for (int k = 1; k <= found; ++k) {
            const int row = static_cast<int>(s.FoundRows[k]);
            names.push_back({s.KeyTable(row, 1), row});
        }
        ListDesc.addItems(std::move(names));
        Allege();
    }
    Label3.setCaption(QString());
}

} // namespace sylvane::engine
