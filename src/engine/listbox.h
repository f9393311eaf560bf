#pragma once

#include "engine/control.h"

#include <QStringList>

#include <vector>

namespace sylvane::engine {

struct ListEntry {
    ListEntry() = default;
    ListEntry(QString entryText, qint32 data = 0) : text(std::move(entryText)), itemData(data) {}

    QString text;
    qint32 itemData = 0;
    bool marked = false;
    QString key; // collation key, filled by sorted lists
};

// One entry per text, in order, without item data.
std::vector<ListEntry> entriesOf(QStringList texts);

// A list box: entries with a 32-bit item datum and a selection mark, a current index
// (-1 when none), kept in order of addition or sorted (collationKey, then exact text;
// among exactly equal texts an entry added later goes after those already there).
class ListBox : public Control {
    Q_OBJECT
  public:
    ListBox(QString name, bool sorted, bool multiSelect = false);

    bool sorted() const { return sorted_; }
    bool multiSelect() const { return multiSelect_; }

    int count() const { return static_cast<int>(entries_.size()); }
    const QString& itemText(int index) const;
    qint32 itemData(int index) const;
    // A note the window shows right-aligned after an entry's text ("≈ 4,2"); never part of
    // the text, so that searches, copies and the driver see the text alone. Kept apart
    // from the entries (few lists have any) and dropped when the entries change.
    void setAnnotation(int index, const QString& annotation);
    // Every entry's note at once, by position (entries past the end: none), in one change.
    void setAnnotations(std::vector<QString> annotations);
    const QString& annotation(int index) const;
    bool isMarked(int index) const;
    void setMarked(int index, bool marked);
    void setAllMarked(bool marked);
    int markedCount() const;
    const std::vector<ListEntry>& entries() const { return entries_; }

    int currentIndex() const { return current_; }
    // Whether a right press on an entry makes it current first (a list whose right-click
    // menu acts on the entry under the pointer).
    bool rightPressSelects() const { return rightPressSelects_; }
    void setRightPressSelects(bool selects) { rightPressSelects_ = selects; }
    // Sets the current entry (-1 for none; out-of-range indexes give -1). In a
    // single-selection list the current entry is also the only marked one.
    void setCurrentIndex(int index);

    // Adds one entry and returns its position.
    int addItem(const QString& text, qint32 data = 0);
    // Adds many entries at once: the same order as adding them one by one, in n log n
    // time. A sorted list loses its current entry.
    void addItems(std::vector<ListEntry> entries);
    // Replaces every entry (sorted lists sort them); the current index becomes -1.
    void setEntries(std::vector<ListEntry> entries);
    // Replaces every entry with entries already in the order to show (list order, or groups
    // each in list order, with their keys); the current index becomes -1.
    void setEntriesInOrder(std::vector<ListEntry> entries);
    void removeItem(int index);
    void clear();

    // The text of every entry, in order (copies and searches).
    QStringList texts() const;

  Q_SIGNALS:
    // Emitted just before entries are added, removed or replaced; changed(Entries) follows
    // once they are.
    void entriesAboutToChange();

  private:
    void contentChanged();
    void sortRange(std::vector<ListEntry>& entries);

    bool sorted_;
    bool multiSelect_;
    std::vector<ListEntry> entries_;
    std::vector<QString> annotations_; // by entry; shorter than entries_ when the last have none
    int current_ = -1;
    bool rightPressSelects_ = false;
};

} // namespace sylvane::engine
