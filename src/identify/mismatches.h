#pragma once

#include "identify/choices.h"
#include "keytable/keytable.h"

#include <span>
#include <vector>

namespace sylvane::identify {

// How far each taxon of the table (rows merged by name) stands from the choices in force,
// the choices taken in the order they were made. A taxon's found rows start as all its
// rows; at each choice, when some of them meet it they alone stay, otherwise the taxon
// contradicts the choice and keeps them. So a taxon contradicts a choice exactly when none
// of its found rows carries one of the chosen values, and its found rows meet every other
// choice. A row without a name describes no taxon: it stays only while it meets every
// choice. With no difference tolerated, the rows of the taxa without any difference are
// the rows that meet every choice.
class TaxonMismatches {
  public:
    // What contradicting a choice that forgives nothing (Choice::exact) counts: more
    // than any tolerance.
    static constexpr int Unforgiven = 1 << 16;

    TaxonMismatches() = default;
    // Every row found, no difference.
    explicit TaxonMismatches(const keytable::KeyTable& table);
    // The choices applied one after the other.
    TaxonMismatches(const keytable::KeyTable& table, std::span<const Choice> choices);

    // One more choice: one pass over the rows found and their cells of its field.
    void apply(const Choice& choice);

    // The choices the taxon of the row contradicts (0 for a row without a name), an exact
    // choice counting Unforgiven.
    int differences(int row) const;
    // Whether the row is among those found with at most tolerance differences.
    bool isFound(int row, int tolerance) const;
    // The rows found with at most tolerance differences, in row order.
    std::vector<int> rowsWithin(int tolerance) const;

  private:
    int nameOf(int row) const;

    const keytable::KeyTable* table_ = nullptr;
    std::vector<char> found_; // per row (element 0 unused): among its taxon's found rows
    std::vector<int> count_;  // per name id: the choices contradicted
};

// A choice that a taxon contradicts, with the values its found rows carry in that field
// (distinct, in row order; none when they leave it empty).
struct Contradiction {
    int choice = 0; // its position among the choices in force
    QStringList values;

    // The values joined by " ou ", "non renseigné" for none.
    QString valuesText() const;
};

// The choices in force that the taxon of the row contradicts, in their order (the row
// alone when it has no name), as TaxonMismatches counts them.
std::vector<Contradiction> contradictions(const keytable::KeyTable& table,
                                          std::span<const Choice> choices, int row);

// A contradiction as the windows write it: "couleur du chapeau — choisi : blanc ; cette
// espèce : rouge" (several values joined by " ou ", "non renseigné" for none).
QString contradictionText(const keytable::KeyTable& table, const Choice& choice,
                          const Contradiction& contradiction);

// The differences of a found taxon as its entry in the taxa list notes them: "1 différence",
// "2 différences"; "" for none.
QString differencesNote(int differences);

} // namespace sylvane::identify
