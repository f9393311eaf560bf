#pragma once

#include "keytable/keytable.h"

#include <QStringList>

#include <vector>

// The choices that define the taxa found: one per field, each the values applied from the
// field's value list.
namespace sylvane::identify {

struct Choice {
    int field = 0;
    QStringList values;     // as the value list showed them (accent-folded when folded)
    bool folded = false;    // the list showed the values with their accents folded
    bool keepEmpty = false; // the rows that leave the field empty were kept
    // No difference with it is tolerated: a taxon named, the taxa of an extraction.
    bool exact = false;
    bool operator==(const Choice&) const = default;
};

// Whether a row of the table meets a choice, by the cell ids of the choice's field.
class ChoiceTest {
  public:
    ChoiceTest(const keytable::KeyTable& table, const Choice& choice);

    // The cell, as the list showed it, is one of the values; or it is empty, empty cells
    // are kept and the row names a taxon (header rows and unnamed lines describe none).
    bool meets(int row) const {
        const auto id = table_->cellId(row, field_);
        return accepted_[id] || (id == 0 && keepEmpty_ && table_->cellId(row, 1) != 0);
    }
    // The row meets the choice only because its cell is empty.
    bool keptEmpty(int row) const {
        return table_->cellId(row, field_) == 0 && !accepted_[0] && meets(row);
    }

  private:
    const keytable::KeyTable* table_;
    int field_;
    bool keepEmpty_;
    std::vector<char> accepted_; // per cell id of the field
};

// The choice as the choice list and the report show it: "champ : valeur", several values
// joined by " ou ".
QString choiceText(const keytable::KeyTable& table, const Choice& choice);

} // namespace sylvane::identify
