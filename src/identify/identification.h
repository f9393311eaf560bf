#pragma once

#include "identify/choices.h"
#include "identify/mismatches.h"
#include "identify/namefields.h"
#include "identify/ranking.h"
#include "identify/rowgroups.h"
#include "keytable/keytable.h"

#include <QFlags>
#include <QStringList>

#include <bitset>
#include <functional>
#include <optional>
#include <span>
#include <vector>

namespace sylvane::identify {

// One entry of the choice record: a position in the field list, in the value list, the
// taxon column, a choice withdrawn, or a new tolerance. A field is recorded when one of its
// values is applied, a value when its list is left, a withdrawal or a tolerance with the
// next action, so that replaying the record leaves out the action made last.
struct Step {
    enum class Kind { FieldList, ValueList, TaxonColumn, Withdrawal, Tolerance };
    Kind kind = Kind::FieldList;
    int position = -1;      // in the list as it stood (the choice list for a withdrawal; the
                            // tolerance itself); -1 for the taxon column
    bool keepEmpty = false; // a value applied with the rows lacking the field kept
    bool operator==(const Step&) const = default;
};

// The session of one identification over a key table: the rows found so far, the fields
// used, the choices in force, the list of values being shown, the record of choices, and
// where the field and value lists stand (their current positions, -1 for none, as the
// lists show them). Every operation is what a click does, without any control; once done
// it tells onChanged what changed.
//
// A tolerance forgives differences: the taxa found are then those that contradict at most
// that many choices in force (see TaxonMismatches), each found with the rows that meet the
// others. With no difference tolerated they are the rows that meet every choice, in the
// order the choices gave them. The record holds the tolerance it started with and every
// change of it, so that step back and withdrawals replay exactly.
class Identification {
  public:
    // What an operation changed.
    enum class Change : unsigned {
        Fields = 0x01,    // the field list: fields used, order or expected counts
        Values = 0x02,    // the value list was made again or emptied
        Found = 0x04,     // the rows found, by a choice, a withdrawal or an extraction
        Choices = 0x08,   // the choices in force
        Record = 0x10,    // the choice record, and whether step back is possible
        Restart = 0x20,   // a reset: everything starts again
        Tolerance = 0x40, // the differences tolerated
    };
    Q_DECLARE_FLAGS(Changes, Change)

    // What the value list holds.
    enum class Listing {
        None,
        FieldValues, // the values of a field of the field list
        TaxonColumn, // the names of the taxa found
        Lines,       // the table's lines (developer listing)
        Extraction,  // the names of the taxa of an extraction
    };

    // The most differences a taxon found may have with the choices in force.
    static constexpr int MaxTolerance = 3;

    explicit Identification(const KeyTable& table);

    const KeyTable& table() const { return *table_; }

    // Told what changed after each operation (each step of a replay included).
    std::function<void(Changes)> onChanged;

    // Every row found, no field used, nothing chosen nor recorded; the tolerance stays.
    void reset();

    // The field list: fields 2..fieldCount not used yet, in order, or best separating
    // first (see setFieldOrder).
    std::vector<int> fieldList() const;
    // Orders the field list by separating power over the rows found, best first, or back
    // in table order. foldAccents: the values are counted as a value list would then show
    // them.
    void setFieldOrder(bool bestFirst, bool foldAccents);
    bool fieldsRanked() const { return bestFirst_; }
    // The fields of the list, in its order, each with the taxa expected to remain.
    std::vector<FieldRank> fieldRanks() const;
    // The fields that name the taxa, decided once per state of the table.
    const NameFields& nameFields() const;

    // Lists the values of the field at that position of the field list among the rows
    // found; the value current so far goes on record. False (nothing changes but the
    // field list's position) for a position outside the list.
    bool chooseField(int position, bool foldAccents);
    // Lists the taxon column the same way; recorded when one of its values is applied.
    void chooseTaxonColumn(bool foldAccents);
    // The rows of the value at that position become the rows found. With keepEmpty the
    // rows listed with the field empty are kept too, when they name a taxon. False (nothing
    // changes but the value list's position) for a position outside the list.
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
    // become the rows found, a choice of their field, and the value list becomes the taxon
    // names of those rows (none matching: the rows found stay, the list empties). Returns
    // the positions of the matching values. Step back stays off until the next reset.
    std::vector<int> extract(const std::function<bool(const QString&)>& matches);
    // An extraction without a keyword: nothing is extracted, but step back stays off until
    // the next reset as after any extraction.
    void forgoStepBack();
    // The value list is emptied (another listing takes its place).
    void leaveValueList();

    // Withdraws the choice at that position of choices(): the rows found become those that
    // the other choices give, as if it had never been made, and its field is listed again.
    // The value list empties. Step back brings the choice back. False (nothing changes)
    // outside the list or when the rows found are no longer those of the choices.
    bool withdraw(int index);
    // Whether the rows found are those of the choices in force (not after an extraction
    // over the table's lines), so that a choice can be withdrawn.
    bool canWithdraw() const { return choicesDescribeFound_; }

    // The taxa found become those that contradict at most tolerance (0..MaxTolerance) of
    // the choices in force; the value list empties, as after a withdrawal, and step back
    // returns to the tolerance before. False (nothing changes) when it is the tolerance
    // already.
    bool setTolerance(int tolerance);
    int tolerance() const { return tolerance_; }
    // The choices in force that the taxon of the row contradicts (0 for an exact match).
    int differences(int row) const { return mismatches_.differences(row); }
    // Whether the row is found only because differences are tolerated.
    bool isTolerated(int row) const {
        return tolerance_ > 0 && choicesDescribeFound_ && mismatches_.isFound(row, tolerance_) &&
               mismatches_.differences(row) > 0;
    }

    // Starts again and replays the record against the lists as they stand now; a position
    // that no longer fits selects nothing and the replay goes on. replayed is told of each
    // step once applied.
    void stepBack(bool foldAccents, const std::function<void(const Step&)>& replayed = {});

    const std::vector<int>& foundRows() const { return foundRows_; }
    bool isUsed(int field) const;
    int chosenField() const { return chosenField_; }
    const RowGroups& values() const { return values_; }
    Listing listing() const { return listing_; }
    // The choices that define the rows found, one per field, in the order they were made:
    // a value replaced by another of its list, or withdrawn, is no longer among them.
    const std::vector<Choice>& choices() const { return choices_; }
    const std::vector<Step>& steps() const { return steps_; }
    int fieldPosition() const { return fieldPosition_; }
    int valuePosition() const { return valuePosition_; }
    bool taxonColumnPending() const { return taxonColumnPending_; }
    bool canStepBack() const { return replayable_; }

    // The record as text: "C<field position>;", "D<value position>;", "E;",
    // "R<choice position>;", "T<tolerance>;" per step.
    QString choicePathText() const;
    // Every field a value was applied from, in order: ";3;12".
    QString usedFieldsText() const;

  private:
    // Applies a record, step by step, to the session as it stands (after a reset: the
    // replay of step back), from the tolerance it started with.
    void replay(const std::vector<Step>& record, int startTolerance, bool foldAccents,
                const std::function<void(const Step&)>& replayed);
    std::vector<int> fieldsInTableOrder() const;
    std::vector<FieldTally> tallies() const;
    const std::vector<FieldRank>& rankedFields() const;
    void listValues(int field, bool foldAccents, Listing listing);
    void applyRows(std::vector<int> rows, bool keepEmpty);
    void keepChoiceOfList(Choice choice);
    void settleFoundRows();
    void recordListingAndPendingAction();
    void recordPendingAction();
    void recomputeFromChoices();
    void startListsOverFound();
    void listNothing();
    void notify(Changes changes) const;

    const KeyTable* table_;
    std::vector<int> foundRows_;
    std::vector<int> usedInOrder_;
    std::bitset<core::MaxFields + 1> used_;
    int chosenField_ = 0;
    RowGroups values_;
    Listing listing_ = Listing::None;
    int listField_ = 0;           // the field whose values (or taxa) the list shows; 0: none
    bool listFolded_ = false;     // the list shows the values accent-folded
    int listChoice_ = -1;         // the choice made from the list shown, in choices_
    std::vector<int> listedRows_; // the rows found when the value list was made
    std::vector<Choice> choices_;
    bool choicesDescribeFound_ = true;
    int tolerance_ = 0;
    int startTolerance_ = 0; // the tolerance the record starts with
    // How far every taxon stands from the choices in force, and from them but the one
    // made from the list shown (what another value of that list replaces).
    TaxonMismatches mismatches_;
    TaxonMismatches beforeListChoice_;
    std::vector<Step> steps_;
    int fieldPosition_ = -1;
    int valuePosition_ = -1;
    bool valueKeepEmpty_ = false; // how the current value was applied
    bool taxonColumnPending_ = false;
    std::optional<Step> pendingStep_; // a withdrawal or a tolerance, until the next action
    bool replayable_ = true;
    bool bestFirst_ = false;
    bool rankFolds_ = false;
    // The ranked field list, made on first use after the rows found or the fields used
    // changed.
    mutable std::vector<FieldRank> ranked_;
    mutable bool rankedValid_ = false;
    // The name fields of the table at nameFieldsRevision_.
    mutable NameFields nameFields_;
    mutable quint64 nameFieldsRevision_ = 0;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(Identification::Changes)

} // namespace sylvane::identify
