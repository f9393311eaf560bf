#include "identify/identification.h"

#include <algorithm>
#include <numeric>

namespace sylvane::identify {

namespace {

// A list position as a list box keeps it: outside the list there is none.
int positionIn(int position, int count) {
    return position >= 0 && position < count ? position : -1;
}

using Change = Identification::Change;

} // namespace

Identification::Identification(const KeyTable& table) : table_(&table) {
    reset();
}

void Identification::notify(Changes changes) const {
    if (onChanged)
        onChanged(changes);
}

void Identification::reset() {
    foundRows_.resize(static_cast<std::size_t>(table_->rowCount()));
    std::iota(foundRows_.begin(), foundRows_.end(), 1);
    usedInOrder_.clear();
    used_.reset();
    chosenField_ = 0;
    listNothing();
    listedRows_.clear();
    choices_.clear();
    choicesDescribeFound_ = true;
    mismatches_ = TaxonMismatches(*table_);
    startTolerance_ = tolerance_;
    steps_.clear();
    fieldPosition_ = -1;
    taxonColumnPending_ = false;
    pendingStep_.reset();
    replayable_ = true;
    rankedValid_ = false;
    notify(Change::Restart | Change::Fields | Change::Values | Change::Found | Change::Choices |
           Change::Record);
}

// The value list empties.
void Identification::listNothing() {
    values_ = {};
    listing_ = Listing::None;
    listField_ = 0;
    listFolded_ = false;
    listChoice_ = -1;
    valuePosition_ = -1;
    valueKeepEmpty_ = false;
}

std::vector<int> Identification::fieldsInTableOrder() const {
    std::vector<int> fields;
    for (int field = 2; field <= table_->fieldCount(); ++field)
        if (!used_.test(static_cast<std::size_t>(field)))
            fields.push_back(field);
    return fields;
}

std::vector<int> Identification::fieldList() const {
    if (!bestFirst_)
        return fieldsInTableOrder();
    std::vector<int> fields;
    for (const FieldRank& rank : rankedFields())
        fields.push_back(rank.field);
    return fields;
}

void Identification::setFieldOrder(bool bestFirst, bool foldAccents) {
    bestFirst_ = bestFirst;
    rankFolds_ = foldAccents;
    rankedValid_ = false;
    notify(Change::Fields);
}

const NameFields& Identification::nameFields() const {
    if (nameFieldsRevision_ != table_->revision()) {
        nameFields_ = NameFields(*table_);
        nameFieldsRevision_ = table_->revision();
    }
    return nameFields_;
}

// The counts of the fields not used yet over the rows found, values grouped as a value
// list made now would group them.
std::vector<FieldTally> Identification::tallies() const {
    const std::vector<int> fields = fieldsInTableOrder();
    ValueGroupsOf groupsOf;
    if (rankFolds_)
        groupsOf = [this](int field) {
            return std::span<const int>(table_->columnOrder(field, true).groupOfId);
        };
    return tallyFields(*table_, foundRows_, fields, groupsOf);
}

const std::vector<FieldRank>& Identification::rankedFields() const {
    if (!rankedValid_) {
        const NameFields& names = nameFields();
        ranked_ = orderFields(tallies(), [&names](int field) { return names.contains(field); });
        rankedValid_ = true;
    }
    return ranked_;
}

std::vector<FieldRank> Identification::fieldRanks() const {
    if (bestFirst_)
        return rankedFields();
    const NameFields& names = nameFields();
    return ranksOf(tallies(), [&names](int field) { return names.contains(field); });
}

bool Identification::isUsed(int field) const {
    return field >= 0 && field <= core::MaxFields && used_.test(static_cast<std::size_t>(field));
}

bool Identification::chooseField(int position, bool foldAccents) {
    const std::vector<int> fields = fieldList();
    fieldPosition_ = positionIn(position, static_cast<int>(fields.size()));
    if (fieldPosition_ < 0)
        return false;
    taxonColumnPending_ = false;
    listValues(fields[static_cast<std::size_t>(fieldPosition_)], foldAccents, Listing::FieldValues);
    notify(Change::Values | Change::Record);
    return true;
}

void Identification::chooseTaxonColumn(bool foldAccents) {
    listValues(1, foldAccents, Listing::TaxonColumn);
    taxonColumnPending_ = true;
    notify(Change::Values | Change::Record);
}

// The action made last goes on record when the next one is made: a withdrawal or a
// tolerance, or the value current in the list being left.
void Identification::recordPendingAction() {
    if (pendingStep_)
        steps_.push_back(*pendingStep_);
    else if (valuePosition_ >= 0)
        steps_.push_back({Step::Kind::ValueList, valuePosition_, valueKeepEmpty_});
    pendingStep_.reset();
}

// Before a step of its own (a withdrawal, a tolerance) the action made last goes on record,
// a field or the taxon column being listed included, so that step back brings that state
// back.
void Identification::recordListingAndPendingAction() {
    if (!pendingStep_ && valuePosition_ < 0) {
        if (taxonColumnPending_)
            steps_.push_back({Step::Kind::TaxonColumn});
        else if (fieldPosition_ >= 0 && listing_ == Listing::FieldValues)
            steps_.push_back({Step::Kind::FieldList, fieldPosition_});
    }
    recordPendingAction();
}

void Identification::listValues(int field, bool foldAccents, Listing listing) {
    chosenField_ = field;
    recordPendingAction();
    listNothing();
    values_ = RowGroups(*table_, foundRows_, field, foldAccents, RowGroups::Empty::Dropped);
    listedRows_ = foundRows_;
    listing_ = listing;
    listField_ = field;
    listFolded_ = foldAccents;
}

bool Identification::chooseValue(int position, bool keepEmpty) {
    valuePosition_ = positionIn(position, values_.count());
    if (valuePosition_ < 0)
        return false;
    if (taxonColumnPending_) {
        steps_.push_back({Step::Kind::TaxonColumn});
        taxonColumnPending_ = false;
    } else if (fieldPosition_ >= 0) {
        steps_.push_back({Step::Kind::FieldList, fieldPosition_});
    }
    const auto rows = values_.rows(valuePosition_);
    applyRows({rows.begin(), rows.end()}, keepEmpty);
    usedInOrder_.push_back(chosenField_);
    used_.set(static_cast<std::size_t>(chosenField_));
    keepChoiceOfList({listField_, {values_.text(valuePosition_)}, listFolded_, keepEmpty});
    settleFoundRows();
    valueKeepEmpty_ = keepEmpty;
    notify(Change::Fields | Change::Found | Change::Choices | Change::Record);
    return true;
}

bool Identification::chooseValues(std::span<const int> marked, int current, bool keepEmpty) {
    replayable_ = false;
    valuePosition_ = positionIn(current, values_.count());
    std::vector<int> positions;
    for (const int position : marked)
        if (positionIn(position, values_.count()) >= 0)
            positions.push_back(position);
    std::sort(positions.begin(), positions.end());
    positions.erase(std::unique(positions.begin(), positions.end()), positions.end());
    if (positions.empty()) {
        notify(Change::Record);
        return false;
    }
    // A row has one cell per field, so it stands under one value only: the union is the
    // rows of each value one after the other.
    std::vector<int> rows;
    Choice choice{listField_, {}, listFolded_, keepEmpty};
    for (const int position : positions) {
        const auto valueRows = values_.rows(position);
        rows.insert(rows.end(), valueRows.begin(), valueRows.end());
        usedInOrder_.push_back(chosenField_);
        choice.values.append(values_.text(position));
    }
    used_.set(static_cast<std::size_t>(chosenField_));
    applyRows(std::move(rows), keepEmpty);
    keepChoiceOfList(std::move(choice));
    settleFoundRows();
    notify(Change::Fields | Change::Found | Change::Choices | Change::Record);
    return true;
}

// The rows found become rows; with keepEmpty, followed by the rows listed with the listed
// field empty that name a taxon (the header rows and unnamed lines describe none). The
// field list is made again, without a current position.
void Identification::applyRows(std::vector<int> rows, bool keepEmpty) {
    if (keepEmpty)
        for (const int row : listedRows_)
            if (table_->cellId(row, listField_) == 0 && table_->cellId(row, 1) != 0)
                rows.push_back(row);
    foundRows_ = std::move(rows);
    fieldPosition_ = -1;
    rankedValid_ = false;
}

// The choice made from the list shown takes the place of the one made from it before. The
// taxon column may be chosen again: its names were listed from the rows found, so the new
// choice implies the one before, which goes, unless it folds accents where the one before
// did not (then both stay, and the rows found are those of both). Rows without a name
// describe no taxon, so a choice of names never keeps empty cells; it names the taxa
// wanted, so no difference with it is tolerated.
void Identification::keepChoiceOfList(Choice choice) {
    if (listField_ == 0) {
        // Rows taken from the table's lines: no choice of a field gives them.
        choicesDescribeFound_ = false;
        return;
    }
    if (choice.field == 1) {
        choice.keepEmpty = false;
        choice.exact = true;
    }
    if (listChoice_ >= 0) {
        mismatches_ = beforeListChoice_;
        mismatches_.apply(choice);
        choices_[static_cast<std::size_t>(listChoice_)] = std::move(choice);
        return;
    }
    beforeListChoice_ = mismatches_;
    const auto before = std::find_if(choices_.begin(), choices_.end(), [&](const Choice& c) {
        return c.field == 1 && choice.field == 1 && (c.folded || !choice.folded);
    });
    const bool replaced = before != choices_.end();
    if (replaced)
        choices_.erase(before);
    choices_.push_back(std::move(choice));
    listChoice_ = static_cast<int>(choices_.size()) - 1;
    if (replaced) {
        beforeListChoice_ =
            TaxonMismatches(*table_, std::span(choices_).first(choices_.size() - 1));
        mismatches_ = beforeListChoice_;
    }
    mismatches_.apply(choices_.back());
}

// With differences tolerated, the rows found are those of the taxa within the tolerance
// (the rows a choice gave are those of the exact matches only).
void Identification::settleFoundRows() {
    if (tolerance_ > 0 && choicesDescribeFound_)
        foundRows_ = mismatches_.rowsWithin(tolerance_);
}

// The rows found become those the choices in force give, at the tolerance in force.
void Identification::recomputeFromChoices() {
    mismatches_ = TaxonMismatches(*table_, choices_);
    foundRows_ = mismatches_.rowsWithin(tolerance_);
    rankedValid_ = false;
}

void Identification::pointAtField(int position) {
    fieldPosition_ = positionIn(position, static_cast<int>(fieldList().size()));
}

void Identification::pointAtValue(int position) {
    valuePosition_ = positionIn(position, values_.count());
}

void Identification::listOther(RowGroups entries) {
    listNothing();
    values_ = std::move(entries);
    listedRows_ = foundRows_;
    listing_ = Listing::Lines;
    taxonColumnPending_ = false;
    replayable_ = false;
    notify(Change::Values | Change::Record);
}

std::vector<int> Identification::extract(const std::function<bool(const QString&)>& matches) {
    replayable_ = false;
    std::vector<int> positions;
    std::vector<int> rows;
    // The taxa asked for by keyword: none that lacks it is kept, whatever the tolerance.
    Choice choice{listField_, {}, listFolded_, false, true};
    for (int position = 0; position < values_.count(); ++position) {
        if (!matches(values_.text(position)))
            continue;
        positions.push_back(position);
        choice.values.append(values_.text(position));
        const auto valueRows = values_.rows(position);
        rows.insert(rows.end(), valueRows.begin(), valueRows.end());
    }
    valuePosition_ = -1;
    if (positions.empty()) {
        listNothing();
        notify(Change::Values | Change::Record);
        return positions;
    }
    keepChoiceOfList(std::move(choice));
    foundRows_ = std::move(rows);
    settleFoundRows();
    rankedValid_ = false;
    listNothing();
    values_ = RowGroups(*table_, foundRows_, 1, false, RowGroups::Empty::Kept);
    listedRows_ = foundRows_;
    listing_ = Listing::Extraction;
    listField_ = 1;
    notify(Change::Fields | Change::Values | Change::Found | Change::Choices | Change::Record);
    return positions;
}

void Identification::forgoStepBack() {
    replayable_ = false;
    notify(Change::Record);
}

void Identification::leaveValueList() {
    listNothing();
    notify(Change::Values);
}

// After the rows found were made again from the choices: no value list, no field pointed
// at, and the next list is made from those rows.
void Identification::startListsOverFound() {
    listNothing();
    listedRows_ = foundRows_;
    fieldPosition_ = -1;
    taxonColumnPending_ = false;
}

bool Identification::withdraw(int index) {
    if (!choicesDescribeFound_ || positionIn(index, static_cast<int>(choices_.size())) < 0)
        return false;
    recordListingAndPendingAction();
    const int field = choices_[static_cast<std::size_t>(index)].field;
    choices_.erase(choices_.begin() + index);
    recomputeFromChoices();
    if (std::none_of(choices_.begin(), choices_.end(),
                     [field](const Choice& c) { return c.field == field; })) {
        used_.reset(static_cast<std::size_t>(field));
        std::erase(usedInOrder_, field);
    }
    startListsOverFound();
    pendingStep_ = Step{Step::Kind::Withdrawal, index};
    notify(Change::Fields | Change::Values | Change::Found | Change::Choices | Change::Record);
    return true;
}

bool Identification::setTolerance(int tolerance) {
    tolerance = std::clamp(tolerance, 0, MaxTolerance);
    if (tolerance == tolerance_)
        return false;
    recordListingAndPendingAction();
    tolerance_ = tolerance;
    // Nothing on record yet: the record starts at this tolerance.
    if (steps_.empty())
        startTolerance_ = tolerance;
    else
        pendingStep_ = Step{Step::Kind::Tolerance, tolerance};
    Changes changes = Change::Tolerance | Change::Values | Change::Record;
    if (choicesDescribeFound_ && !choices_.empty()) {
        recomputeFromChoices();
        changes |= Change::Fields | Change::Found;
    }
    startListsOverFound();
    notify(changes);
    return true;
}

void Identification::stepBack(bool foldAccents, const std::function<void(const Step&)>& replayed) {
    const std::vector<Step> record = steps_;
    const int start = startTolerance_;
    reset();
    replay(record, start, foldAccents, replayed);
}

void Identification::replay(const std::vector<Step>& record, int startTolerance, bool foldAccents,
                            const std::function<void(const Step&)>& replayed) {
    setTolerance(startTolerance);
    for (const Step& step : record) {
        switch (step.kind) {
        case Step::Kind::FieldList:
            chooseField(step.position, foldAccents);
            break;
        case Step::Kind::ValueList:
            chooseValue(step.position, step.keepEmpty);
            break;
        case Step::Kind::TaxonColumn:
            chooseTaxonColumn(foldAccents);
            break;
        case Step::Kind::Withdrawal:
            withdraw(step.position);
            break;
        case Step::Kind::Tolerance:
            setTolerance(step.position);
            break;
        }
        if (replayed)
            replayed(step);
    }
}

QString Identification::choicePathText() const {
    QString text;
    for (const Step& step : steps_) {
        switch (step.kind) {
        case Step::Kind::FieldList:
            text += u'C' + QString::number(step.position);
            break;
        case Step::Kind::ValueList:
            text += u'D' + QString::number(step.position);
            break;
        case Step::Kind::TaxonColumn:
            text += u'E';
            break;
        case Step::Kind::Withdrawal:
            text += u'R' + QString::number(step.position);
            break;
        case Step::Kind::Tolerance:
            text += u'T' + QString::number(step.position);
            break;
        }
        text += u';';
    }
    return text;
}

QString Identification::usedFieldsText() const {
    QString text;
    for (const int field : usedInOrder_)
        text += u';' + QString::number(field);
    return text;
}

} // namespace sylvane::identify
