#pragma once

#include "core/encoding.h"
#include "core/textfile.h"

#include <QByteArray>
#include <QString>

#include <functional>

// A key table file read whole and checked before anything is loaded from it, so that a
// file that cannot be a key table is refused with its reason while the table loaded
// before stays as it was.
namespace sylvane::keytable {

enum class TableFault {
    None,
    Missing,       // nothing of that name
    Unreadable,    // there, but it cannot be opened or read
    NotRegular,    // a folder, FIFO, device or socket
    TooLarge,      // above the size limit of a text file
    Empty,         // no character (a byte-order mark alone is none)
    Binary,        // a control character other than tab, CR and LF
    NoFieldLine,   // no CHAMP line: no field is declared
    TooManyFields, // a CHAMP line of more than MaxFields names
};

// The header of a key table as the reader reads it.
struct TableHeader {
    bool fieldLineFound = false;
    qsizetype linesRead = 0; // up to the CHAMP line included, or every line without one
    QString fieldLine;       // the value of the CHAMP line
};

// Reads header lines up to the CHAMP line. A non-blank line with "=" names its key; one
// without takes the key of the line above (empty at the start). Every non-blank line before
// the CHAMP line goes to item with its key and trimmed value.
TableHeader
readTableHeader(core::LineCursor& lines,
                const std::function<void(const QString& key, const QString& value)>& item);

class TableFile {
  public:
    // Reads the file at path (resolved already) and checks it; separator parts the field
    // names of the CHAMP line.
    static TableFile read(const QString& path, const QString& separator);

    bool loadable() const { return fault_ == TableFault::None; }
    const QByteArray& bytes() const { return bytes_; }
    core::TextEncoding encoding() const { return encoding_; }

    // The message that refuses the file, naming it as the user gave it.
    QString refusal(const QString& name) const;

  private:
    TableFault fault_ = TableFault::None;
    QByteArray bytes_;
    core::TextEncoding encoding_ = core::TextEncoding::Windows1252;
    int faultLine_ = 0;  // the line of the control character, or of the CHAMP line
    int faultValue_ = 0; // the control character's code, or the number of field names
};

} // namespace sylvane::keytable
