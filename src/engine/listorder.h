#pragma once

#include "engine/listbox.h"

#include <QHash>

#include <vector>

namespace sylvane::engine {

// Collects the entries of a sorted list box, then gives them in the order the list would
// have if they were added one by one (collation key, then exact text; equal texts in the
// order they came), with their keys filled, for ListBox::setEntriesInOrder. Equal texts
// are grouped as they come, so only the distinct texts are sorted: 30000 entries with a
// few hundred values order in linear time, and entries of one text share one string.
class ListOrder {
  public:
    explicit ListOrder(size_t expected);

    void add(const QString& text, qint32 data);
    std::vector<ListEntry> take();

  private:
    QHash<QString, int> groupOfText_;
    std::vector<QString> texts_; // per group
    std::vector<int> groups_;    // per entry
    std::vector<qint32> data_;   // per entry
};

} // namespace sylvane::engine
