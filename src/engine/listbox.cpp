#include "engine/listbox.h"

#include "core/sortkey.h"

#include <QStringList>

#include <algorithm>

namespace sylvane::engine {

namespace {
const QString noText;

bool entryLess(const ListEntry& a, const ListEntry& b) {
    return core::compareForList(a.key, a.text, b.key, b.text) < 0;
}
} // namespace

std::vector<ListEntry> entriesOf(QStringList texts) {
    std::vector<ListEntry> entries;
    entries.reserve(static_cast<std::size_t>(texts.size()));
    for (QString& text : texts)
        entries.emplace_back(std::move(text));
    return entries;
}

ListBox::ListBox(QString name, bool sorted, bool multiSelect)
    : Control(std::move(name), ControlKind::ListBox), sorted_(sorted), multiSelect_(multiSelect) {}

const QString& ListBox::itemText(int index) const {
    return index >= 0 && index < count() ? entries_[index].text : noText;
}

qint32 ListBox::itemData(int index) const {
    return index >= 0 && index < count() ? entries_[index].itemData : 0;
}

void ListBox::setAnnotation(int index, const QString& annotation) {
    if (index < 0 || index >= count() || this->annotation(index) == annotation)
        return;
    if (annotations_.size() <= static_cast<std::size_t>(index))
        annotations_.resize(static_cast<std::size_t>(index) + 1);
    annotations_[static_cast<std::size_t>(index)] = annotation;
    touch(ControlChange::Rows, index, index);
}

void ListBox::setAnnotations(std::vector<QString> annotations) {
    annotations.resize(std::min(annotations.size(), entries_.size()));
    while (!annotations.empty() && annotations.back().isEmpty())
        annotations.pop_back();
    if (annotations == annotations_)
        return;
    const auto last = static_cast<int>(std::max(annotations.size(), annotations_.size())) - 1;
    annotations_ = std::move(annotations);
    touch(ControlChange::Rows, 0, last);
}

const QString& ListBox::annotation(int index) const {
    static const QString none;
    return index >= 0 && static_cast<std::size_t>(index) < annotations_.size()
               ? annotations_[static_cast<std::size_t>(index)]
               : none;
}

bool ListBox::isMarked(int index) const {
    return index >= 0 && index < count() && entries_[index].marked;
}

void ListBox::setMarked(int index, bool marked) {
    if (index < 0 || index >= count() || entries_[index].marked == marked)
        return;
    entries_[index].marked = marked;
    touch(ControlChange::Rows, index, index);
}

void ListBox::setAllMarked(bool marked) {
    for (ListEntry& entry : entries_)
        entry.marked = marked;
    if (!entries_.empty())
        touch(ControlChange::Rows, 0, count() - 1);
}

int ListBox::markedCount() const {
    return static_cast<int>(
        std::count_if(entries_.begin(), entries_.end(), [](const auto& e) { return e.marked; }));
}

void ListBox::setCurrentIndex(int index) {
    if (index < 0 || index >= count())
        index = -1;
    if (!multiSelect_)
        for (int i = 0; i < count(); ++i)
            entries_[i].marked = i == index;
    current_ = index;
    touch(ControlChange::Current);
}

int ListBox::addItem(const QString& text, qint32 data) {
    ListEntry entry(text, data);
    auto where = entries_.end();
    if (sorted_) {
        entry.key = core::collationKey(text);
        where = std::upper_bound(entries_.begin(), entries_.end(), entry, entryLess);
    }
    const int position = static_cast<int>(where - entries_.begin());
    Q_EMIT entriesAboutToChange();
    entries_.insert(where, std::move(entry));
    if (current_ >= position)
        ++current_;
    contentChanged();
    return position;
}

void ListBox::sortRange(std::vector<ListEntry>& entries) {
    for (ListEntry& entry : entries)
        entry.key = core::collationKey(entry.text);
    std::stable_sort(entries.begin(), entries.end(), entryLess);
}

void ListBox::addItems(std::vector<ListEntry> entries) {
    if (entries.empty())
        return;
    const auto oldCount = static_cast<std::ptrdiff_t>(entries_.size());
    if (sorted_)
        sortRange(entries);
    Q_EMIT entriesAboutToChange();
    entries_.insert(entries_.end(), std::make_move_iterator(entries.begin()),
                    std::make_move_iterator(entries.end()));
    if (sorted_) {
        std::inplace_merge(entries_.begin(), entries_.begin() + oldCount, entries_.end(),
                           entryLess);
        current_ = -1;
    }
    contentChanged();
}

void ListBox::setEntries(std::vector<ListEntry> entries) {
    if (sorted_)
        sortRange(entries);
    Q_EMIT entriesAboutToChange();
    entries_ = std::move(entries);
    current_ = -1;
    contentChanged();
}

void ListBox::setEntriesInOrder(std::vector<ListEntry> entries) {
    Q_EMIT entriesAboutToChange();
    entries_ = std::move(entries);
    current_ = -1;
    contentChanged();
}

void ListBox::removeItem(int index) {
    if (index < 0 || index >= count())
        return;
    Q_EMIT entriesAboutToChange();
    entries_.erase(entries_.begin() + index);
    if (current_ == index)
        current_ = -1;
    else if (current_ > index)
        --current_;
    contentChanged();
}

void ListBox::clear() {
    if (entries_.empty() && current_ == -1)
        return;
    Q_EMIT entriesAboutToChange();
    entries_.clear();
    current_ = -1;
    contentChanged();
}

QStringList ListBox::texts() const {
    QStringList result;
    result.reserve(count());
    for (const ListEntry& entry : entries_)
        result.append(entry.text);
    return result;
}

void ListBox::contentChanged() {
    annotations_.clear();
    touch(ControlChange::Entries);
}

} // namespace sylvane::engine
