#pragma once

#include "keytable/keytable.h"

#include <QStringList>

namespace sylvane::keytable {

// A key table from lines of ";"-separated values: the header takes row 1, the lines
// rows 2 on (read from file lines 2 on).
inline KeyTable smallTable(const QStringList& names, const QStringList& lines) {
    KeyTable table;
    table.setFieldNames(names);
    table.appendEmptyRow(1);
    int fileLine = 2;
    for (const QString& line : lines)
        table.appendRow(fileLine++, QStringView(line).split(u';'));
    table.finishLoad();
    return table;
}

} // namespace sylvane::keytable
