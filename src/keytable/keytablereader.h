#pragma once

#include "keytable/programstate.h"
#include "keytable/tablefile.h"

#include <QString>
#include <QStringView>

// Reading a key table file into the shared state: the header (title, comments, field
// line) and the data lines, one row of KeyTable each.
namespace sylvane::keytable {

// What the reader tells the window while it reads.
class LoadSink {
  public:
    virtual ~LoadSink() = default;
    virtual void titleRead(const QString& title) = 0;     // a TITRE line
    virtual void commentRead(const QString& comment) = 0; // a COMMENTAIRE or COM line
    virtual void dataLineStored(int row, QStringView line) = 0;
    // Once per data line: the sink shows the count and lets events run, as often as the
    // screen needs it.
    virtual void progress(int row) = 0;
    virtual void refused(const QString& message) = 0; // an OK message box
    virtual void busy(bool busy) = 0;                 // hourglass or arrow
};

enum class LoadOutcome {
    Complete,    // read to its end
    LineLimit,   // more than 30000 rows: the rows before the limit are kept
    RefusedLine, // a data line with too many values: the rows before it are kept
};

// Clears the table, reads the header of a file that passed its check up to the field line
// (title, comments, field names and counts), then every data line into KeyTable.
// The table's rows end as the rows actually stored (header rows included), whatever the
// outcome.
LoadOutcome LoadKeyTable(keytable::ProgramState& state, const TableFile& file, LoadSink& sink);

// The messages of the refusals.
QString lineLimitMessage();
QString tooManyValuesMessage(int row, int values, int declaredFields, QStringView line);
QString tooManyFieldValuesMessage(int row, int values, QStringView line);

} // namespace sylvane::keytable
