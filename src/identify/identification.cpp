#include "identify/identification.h"

#include <algorithm>
#include <numeric>

namespace sylvane::identify {

namespace {

// A list position as a list box keeps it: outside the list there is none.
int positionIn(int position, int count) {
    return position >= 0 && position < count ? position : -1;
}

} // namespace

Identification::Identification(const KeyTable& table) : table_(&table) {
    reset();
}

void Identification::reset() {
    foundRows_.resize(static_cast<std::size_t>(table_->rowCount()));
    std::iota(foundRows_.begin(), foundRows_.end(), 1);
    usedInOrder_.clear();
    used_.reset();
    chosenField_ = 0;
    values_ = {};
    listedRows_.clear();
    steps_.clear();
    applied_.clear();
    fieldPosition_ = -1;
    valuePosition_ = -1;
    valueKeepEmpty_ = false;
    taxonColumnPending_ = false;
    replayable_ = true;
    rankedValid_ = false;
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

void Identification::setFieldOrder(bool bestFirst, bool keepEmpty) {
    bestFirst_ = bestFirst;
    rankKeepsEmpty_ = keepEmpty;
    rankedValid_ = false;
}

const std::vector<FieldRank>& Identification::rankedFields() const {
    if (!rankedValid_) {
        ranked_ = identify::rankFields(*table_, foundRows_, fieldsInTableOrder(), rankKeepsEmpty_);
        rankedValid_ = true;
    }
    return ranked_;
}

std::vector<FieldRank> Identification::fieldRanks() const {
    if (bestFirst_)
        return rankedFields();
    std::vector<FieldRank> ranks;
    for (const FieldTally& tally :
         tallyFields(*table_, foundRows_, fieldsInTableOrder(), rankKeepsEmpty_))
        ranks.push_back(rankOf(tally));
    return ranks;
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
    listValues(fields[static_cast<std::size_t>(fieldPosition_)], foldAccents);
    return true;
}

void Identification::chooseTaxonColumn(bool foldAccents) {
    listValues(1, foldAccents);
    taxonColumnPending_ = true;
}

void Identification::listValues(int field, bool foldAccents) {
    chosenField_ = field;
    if (valuePosition_ >= 0)
        steps_.push_back({Step::Kind::ValueList, valuePosition_, valueKeepEmpty_});
    values_ = RowGroups(*table_, foundRows_, field, foldAccents, RowGroups::Empty::Dropped);
    listedRows_ = foundRows_;
    valuePosition_ = -1;
    valueKeepEmpty_ = false;
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
    applied_.push_back({chosenField_, {values_.text(valuePosition_)}});
    valueKeepEmpty_ = keepEmpty;
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
    if (positions.empty())
        return false;
    // A row has one cell per field, so it stands under one value only: the union is the
    // rows of each value one after the other.
    std::vector<int> rows;
    AppliedChoice choice{chosenField_, {}};
    for (const int position : positions) {
        const auto valueRows = values_.rows(position);
        rows.insert(rows.end(), valueRows.begin(), valueRows.end());
        usedInOrder_.push_back(chosenField_);
        choice.values.append(values_.text(position));
    }
    applied_.push_back(std::move(choice));
    used_.set(static_cast<std::size_t>(chosenField_));
    applyRows(std::move(rows), keepEmpty);
    return true;
}

// The rows found become rows; with keepEmpty, followed by the rows listed with the chosen
// field empty that name a taxon (the header rows and unnamed lines describe none). The
// field list is made again, without a current position.
void Identification::applyRows(std::vector<int> rows, bool keepEmpty) {
    if (keepEmpty)
        for (const int row : listedRows_)
            if (table_->cellId(row, chosenField_) == 0 && table_->cellId(row, 1) != 0)
                rows.push_back(row);
    foundRows_ = std::move(rows);
    fieldPosition_ = -1;
    rankedValid_ = false;
}

void Identification::pointAtField(int position) {
    fieldPosition_ = positionIn(position, static_cast<int>(fieldList().size()));
}

void Identification::pointAtValue(int position) {
    valuePosition_ = positionIn(position, values_.count());
}

void Identification::listOther(RowGroups entries) {
    values_ = std::move(entries);
    listedRows_ = foundRows_;
    valuePosition_ = -1;
    valueKeepEmpty_ = false;
    taxonColumnPending_ = false;
    replayable_ = false;
}

std::vector<int> Identification::extract(const std::function<bool(const QString&)>& matches) {
    replayable_ = false;
    std::vector<int> positions;
    std::vector<int> rows;
    for (int position = 0; position < values_.count(); ++position) {
        if (!matches(values_.text(position)))
            continue;
        positions.push_back(position);
        const auto valueRows = values_.rows(position);
        rows.insert(rows.end(), valueRows.begin(), valueRows.end());
    }
    valuePosition_ = -1;
    if (positions.empty()) {
        values_ = {};
        return positions;
    }
    foundRows_ = std::move(rows);
    rankedValid_ = false;
    values_ = RowGroups(*table_, foundRows_, 1, false, RowGroups::Empty::Kept);
    listedRows_ = foundRows_;
    return positions;
}

void Identification::leaveValueList() {
    values_ = {};
    valuePosition_ = -1;
}

void Identification::stepBack(bool foldAccents, const std::function<void(const Step&)>& replayed) {
    const std::vector<Step> record = steps_;
    reset();
    replay(record, foldAccents, replayed);
}

void Identification::replay(const std::vector<Step>& record, bool foldAccents,
                            const std::function<void(const Step&)>& replayed) {
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
