#pragma once

#include "identify/identification.h"

#include <QString>
#include <QStringList>

#include <span>
#include <vector>

// The taxa found as the taxa list shows them, with why each stands there, and why a taxon
// is not among them.
namespace sylvane::identify {

// The taxa of the rows found grouped by their differences with the choices in force:
// element d holds those with d differences (a tolerance kept them), exact matches in
// element 0; each group in list order. One group while no difference is tolerated.
std::vector<RowGroups> taxaFoundByDifferences(const Identification& session);

// Why a row stands among the rows found, when the values chosen do not say it alone.
struct FoundNote {
    int differences = 0;     // the choices its taxon contradicts, within the tolerance
    QStringList emptyFields; // the fields of choices it leaves empty ("non renseignés
                             // retenus" kept it)

    // "non renseigné : CHAMP", several fields joined by ", "; "" for none.
    QString emptyText() const;
    // As the taxa list notes it: "1 différence", "2 différences", the empty fields, both
    // joined by " ; "; "" when the values chosen say it all.
    QString text() const;
};

// One note per row of rows, in order.
std::vector<FoundNote> foundRowNotes(const Identification& session, std::span<const int> rows);

// The count of the taxa found: the exact matches, then, when differences are tolerated
// and some were, "+ M à 1 différence" or "+ M à 1-3 différences" (the tolerance).
QString foundCountText(int exact, int tolerated, int tolerance);

// Why the taxon of the row is not among the taxa found, or what keeps it there: a sentence
// naming it and the choices in force it contradicts, one per line ("couleur du chapeau —
// choisi : blanc ; cette espèce : rouge"), and whether a tolerance keeps it; a taxon that
// contradicts none, or a session without choices, says so.
QString whyText(const Identification& session, int row);

// The lines a sheet starts with for a taxon found only because differences are tolerated:
// "Différence tolérée : " and each choice it contradicts; none for the others.
QStringList toleratedLines(const Identification& session, int row);

} // namespace sylvane::identify
