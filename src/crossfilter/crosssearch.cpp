#include "crossfilter/crosssearch.h"

#include "core/vbtext.h"

#include <QStringMatcher>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace sylvane::crossfilter {

namespace {

// One value of a filter, prepared once for the whole scan: a value made of blanks is
// never tested, an exact value must equal the cell, any other must occur in it. A field
// outside the table (or none) reads as empty cells.
class ValueTest {
  public:
    ValueTest(const QString& value, ValueMatch match, std::optional<int> field)
        : present_(!core::isBlankLine(value)), exact_(match == ValueMatch::Exact),
          column_(field.value_or(0)), value_(value), matcher_(value, Qt::CaseInsensitive) {}

    bool passes(const keytable::KeyTable& table, int row) const {
        if (!present_)
            return false;
        const QString& cell = table(row, column_);
        return exact_ ? cell == value_ : matcher_.indexIn(cell) >= 0;
    }

  private:
    bool present_;
    bool exact_;
    int column_;
    QString value_;
    QStringMatcher matcher_;
};

// A filter: both tests (ET), either (OU), or exactly one of them for any other mode, which
// for a filter stored with one value missing means the present value passes.
class FilterTest {
  public:
    explicit FilterTest(const FilterRecord& filter)
        : first_(filter.Value1, filter.Exact1, filter.Field1),
          second_(filter.Value2, filter.Exact2, filter.Field2), mode_(filter.Mode) {}

    bool passes(const keytable::KeyTable& table, int row) const {
        const bool a = first_.passes(table, row);
        const bool b = second_.passes(table, row);
        switch (mode_) {
        case FilterMode::Both:
            return a && b;
        case FilterMode::Either:
            return a || b;
        case FilterMode::Single:
        case FilterMode::Unset:
            break;
        }
        return a != b;
    }

  private:
    ValueTest first_;
    ValueTest second_;
    FilterMode mode_;
};

// The scan and the report's lines; the header, which needs the totals, comes last.
class ReportBuilder {
  public:
    explicit ReportBuilder(const CrossSearchInput& input)
        : in_(input), count_(std::clamp(input.filterCount, 0, FilterSlots)),
          marks_(static_cast<std::size_t>(count_) + 1) {
        tests_.reserve(static_cast<std::size_t>(count_));
        for (int f = 1; f <= count_; ++f)
            tests_.emplace_back(input.filters[static_cast<std::size_t>(f)]);
        report_.totals.assign(static_cast<std::size_t>(count_) + 1, 0.0);
    }

    CrossSearchReport run() {
        const keytable::KeyTable& table = in_.state.KeyTable;
        report_.lastRow = table.rowCount();
        QString previous;
        for (int row = 1; row <= report_.lastRow; ++row) {
            const QString current = core::trimBlanks(table(row, 1));
            if (current != previous) {
                // A group without a name is neither written nor reset: it adds to the next.
                if (!previous.isEmpty()) {
                    if (groupHits_ > 0)
                        writeTaxonLine(previous);
                    startGroup();
                }
                previous = current;
            }
            for (int f = 1; f <= count_; ++f) {
                if (tests_[static_cast<std::size_t>(f - 1)].passes(table, row)) {
                    report_.totals[static_cast<std::size_t>(f)] += 1;
                    ++groupHits_;
                    marks_[static_cast<std::size_t>(f)] += u'+';
                }
            }
            if (in_.countingMode)
                ++groupHits_;
        }
        for (int f = 1; f <= count_; ++f)
            report_.totals[0] += report_.totals[static_cast<std::size_t>(f)];
        if (groupHits_ != 0)
            writeTaxonLine(previous);
        report_.text = header() + body_;
        return std::move(report_);
    }

  private:
    void startGroup() {
        for (QString& mark : marks_)
            mark.clear();
        groupHits_ = 0;
    }

    void writeTaxonLine(const QString& name) {
        ++report_.taxaWritten;
        const QString& s = in_.separator;
        body_ += name;
        body_ += s;
        body_ += QString::number(groupHits_);
        body_ += s;
        for (int f = 1; f <= count_; ++f) {
            body_ += marks_[static_cast<std::size_t>(f)];
            body_ += s;
        }
        body_ += in_.state.LineBreak;
    }

    QString header() const {
        const QString& s = in_.separator;
        QString text = u"espèces "_s + s + u"nb sp /filtres : "_s + s;
        for (int f = 1; f <= count_; ++f) {
            const FilterRecord& filter = in_.filters[static_cast<std::size_t>(f)];
            text += filter.Value1 + linkWordFor(in_.linkWords, filter.Mode) + filter.Value2 + s;
        }
        text += in_.state.LineBreak;
        text += core::numberText(in_.state.KeyTable.rowCount()) + u" éch. "_s +
                QString::number(report_.taxaWritten) + u" Taxons / ss-tot  "_s + s;
        for (double total : report_.totals)
            text += core::numberText(total) + s;
        text += in_.state.LineBreak;
        return text;
    }

    const CrossSearchInput& in_;
    int count_;
    std::vector<FilterTest> tests_;
    std::vector<QString> marks_;
    qint64 groupHits_ = 0;
    QString body_;
    CrossSearchReport report_;
};

} // namespace

CrossSearchReport runCrossSearch(const CrossSearchInput& input) {
    return ReportBuilder(input).run();
}

QString elapsedTimeText(qint64 milliseconds, const QLocale& locale) {
    QLocale plain(locale);
    plain.setNumberOptions(QLocale::OmitGroupSeparator);
    const qint64 hundredths = milliseconds >= 0 ? milliseconds / 10 : -((-milliseconds + 9) / 10);
    return plain.toString(static_cast<double>(hundredths) / 100.0, 'g', 15) + u" sec"_s;
}

} // namespace sylvane::crossfilter
