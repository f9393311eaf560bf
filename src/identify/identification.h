#pragma once

#include "identify/ranking.h"
#include "identify/rowgroups.h"
#include "keytable/keytable.h"

#include <QStringList>

#include <bitset>
#include <functional>
#include <span>
#include <vector>

namespace sylvane::identify {

// One entry of the choice record: a position in the field list, in the value list, or the
// taxon column. A field is recorded when one of its values is applied, a value when its
// list is left for the next field, so that replaying the record leaves out the choice made
// last.
struct Step {
    enum class Kind { FieldList, ValueList, TaxonColumn };
    Kind kind = Kind::FieldList;
    int position = -1;      // in the list as it stood; -1 for the taxon column
    bool keepEmpty = false; // a value applied with the rows lacking the field kept
    bool operator==(const Step&) const = default;
};

// A value choice as the user made it: the field and the value or values applied (list
// texts), in the order they were made. Kept for the identification report.
struct AppliedChoice {
    int field = 0;
    QStringList values;
    bool operator==(const AppliedChoice&) const = default;
};

// The session of one identification over a key table: the rows found so far, the fields
// used, the value list of the field chosen last, the record of choices, and where the
// field and value lists stand (their current positions, -1 for none, as the lists show
// them). Every operation is what a click does, without any control.
class Identification {
  public:
    explicit Identification(const KeyTable& table);

    const KeyTable& table() const { return *table_; }

    // Every row found, no field used, nothing chosen nor recorded.
    void reset();

    // The field list: fields 2..fieldCount not used yet, in order, or best separating
    // first (see setFieldOrder).
    std::vector<int> fieldList() const;
    // Orders the field list by separating power over the rows found, best first, or back
    // in table order. keepEmpty: a taxon without a value for a field counts under every
    // value of it (as choices keeping the rows without a value would keep it).
    void setFieldOrder(bool bestFirst, bool keepEmpty);
    bool fieldsRanked() const { return bestFirst_; }
    // The fields of the list, in its order, each with the taxa expected to remain.
    std::vector<FieldRank> fieldRanks() const;

    // Lists the values of the field at that position of the field list among the rows
    // found; the value current so far goes on record. False (nothing changes but the
    // field list's position) for a position outside the list.
    bool chooseField(int position, bool foldAccents);
    // Lists the taxon column the same way; recorded when one of its values is applied.
    void chooseTaxonColumn(bool foldAccents);
    // The rows of the value at that position become the rows found. With keepEmpty the
    // rows listed with the field empty are kept too, when they name a taxon. False (nothing changes
    // but the value list's position) for a position outside the list.
    bool chooseValue(int position, bool keepEmpty = false);
    // The union of the marked values (list order, each value once), current being the
    // value list's position. False, the rows found unchanged, when none is marked. A union
    // cannot be replayed: step back stays off until the next reset.
    bool chooseValues(std::span<const int> marked, int current, bool keepEmpty = false);
    // The lists' positions move without a choice (a link in the value list was opened, the
    // keyboard moved): what the next choice records.
    void pointAtField(int position);
    void pointAtValue(int position);
    // The value list shows other entries grouped with their rows (the table's lines), not
    // the values of a field: nothing goes on record, and an extraction reads their rows.
    void listOther(RowGroups entries);
    // The values whose text matches (matches is asked once per value, in list order)
    // become the rows found, and the value list becomes the taxon names of those rows
    // (none matching: the rows found stay, the list empties). Returns the positions of the
    // matching values. Step back stays off until the next reset.
    std::vector<int> extract(const std::function<bool(const QString&)>& matches);
    // The value list is emptied (another listing takes its place).
    void leaveValueList();

    // Starts again and replays the record against the lists as they stand now; a position
    // that no longer fits selects nothing and the replay goes on. replayed is told of each
    // step once applied.
    void stepBack(bool foldAccents, const std::function<void(const Step&)>& replayed = {});
    // Applies a record, step by step, to the session as it stands (after a reset: the
    // replay of step back).
    void replay(const std::vector<Step>& record, bool foldAccents,
                const std::function<void(const Step&)>& replayed = {});

    const std::vector<int>& foundRows() const { return foundRows_; }
    bool isUsed(int field) const;
    int chosenField() const { return chosenField_; }
    const RowGroups& values() const { return values_; }
    const std::vector<Step>& steps() const { return steps_; }
    const std::vector<AppliedChoice>& appliedChoices() const { return applied_; }
    int fieldPosition() const { return fieldPosition_; }
    int valuePosition() const { return valuePosition_; }
    bool taxonColumnPending() const { return taxonColumnPending_; }
    bool canStepBack() const { return replayable_; }

    // The record as text: "C<field position>;", "D<value position>;", "E;" per step.
    QString choicePathText() const;
    // Every field a value was applied from, in order: ";3;12".
    QString usedFieldsText() const;

  private:
    std::vector<int> fieldsInTableOrder() const;
    const std::vector<FieldRank>& rankedFields() const;
    void listValues(int field, bool foldAccents);
    void applyRows(std::vector<int> rows, bool keepEmpty);

    const KeyTable* table_;
    std::vector<int> foundRows_;
    std::vector<int> usedInOrder_;
    std::bitset<core::MaxFields + 1> used_;
    int chosenField_ = 0;
    RowGroups values_;
    std::vector<int> listedRows_; // the rows found when the value list was made
    std::vector<Step> steps_;
    std::vector<AppliedChoice> applied_;
    int fieldPosition_ = -1;
    int valuePosition_ = -1;
    bool valueKeepEmpty_ = false; // how the current value was applied
    bool taxonColumnPending_ = false;
    bool replayable_ = true;
    bool bestFirst_ = false;
    bool rankKeepsEmpty_ = false;
    // The ranked field list, made on first use after the rows found or the fields used
    // changed.
    mutable std::vector<FieldRank> ranked_;
    mutable bool rankedValid_ = false;
};

} // namespace sylvane::identify
