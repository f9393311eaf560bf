#pragma once

#include "keytable/programstate.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <vector>

// The tools that work on a key table file outside the identification: the field-count
// check and the optimisation that normalises the blanks of the data lines.
namespace sylvane::keytable {

// The index of the field line (the first line whose key is CHAMP, a line without "="
// keeping the key of the line before it); nothing when the file has none.
std::optional<qsizetype> findFieldLine(const QStringList& lines);

// ---- Field-count check -------------------------------------------------------------------

struct FieldCountMismatch {
    qint64 lineNumber; // counted from 1 over every line of the file
    int values;
};

struct FieldCountReport {
    bool fieldLineFound = false;
    std::vector<FieldCountMismatch> mismatches;
};

// Compares the number of values of every data line with declaredFields. An empty line
// holds no value, any other line one more than its separators.
FieldCountReport checkFieldCounts(const QStringList& lines, int declaredFields,
                                  const QString& separator);

// ---- Optimisation ------------------------------------------------------------------------

// One data line with its blanks normalised: trimmed, tabs as blanks, runs of blanks as
// one, no blank on either side of ";" nor before "," and ".".
QString optimiseDataLine(QString line);

struct OptimisedText {
    QByteArray bytes;     // the file with its data lines optimised
    qint64 dataLines = 0; // the lines after the field line
};
// The optimisation of a file's bytes, read in the encoding they show: the blanks of each
// data line normalised (optimiseDataLine), and nothing else changed. The header, every
// line end (CR LF, CR, LF, LF CR, none at the end), the byte-order mark, the bytes that do
// not decode and an odd last byte of UTF-16 stay as they were.
OptimisedText optimiseText(const QByteArray& original);

enum class OptimiseOutcome {
    NothingToDo,    // empty path or a file that does not exist or cannot be read
    Refused,        // not a regular file, or above the size limit: errorText says so
    WorkFileFailed, // the work file could not be written: nothing else done
    Protected,      // the file or its backup is read-only: not asked, nothing replaced
    Declined,       // the user kept the file as it was
    NoBackupName,   // the path holds no "." to form the backup's name: file unchanged
    Changed,        // the file changed after it was read: it is not replaced
    BackupFailed,   // the backup could not be written: file unchanged
    ReplaceFailed,  // the file could not be replaced: it is as it was (unless
                    // tableMayBeIncomplete), the backup exists
    Replaced,       // backup written whole, then the file replaced
};

struct OptimiseResult {
    OptimiseOutcome outcome = OptimiseOutcome::NothingToDo;
    QString workFile; // "" when the file optimised is the work file itself
    QString backupFile;
    QString protectedFile; // Protected: the file that is read-only, as the user knows it
    QString errorText;
    bool tableMayBeIncomplete = false; // a rewrite in place failed part way
};

// Name of the work file that holds the optimised text, in workFolder.
QString optimiseWorkFile(const QString& workFolder);
// Name of the backup of a table file: the path up to its first "." followed by ".bak".
// (OptimiseFile appends ".bak" again while that name is the table itself.)
std::optional<QString> optimiseBackupFile(const QString& path);

// Optimises the file at path: writes the optimised text to the work file beside it (in
// spareFolder, the user's temporary folder, when its own folder refuses a new file), keeps its
// number of data lines as the line count shown (OptimisedLineCount), asks confirmReplace(path) and,
// when it answers true, writes the bytes read to its backup, reads the backup back, and then
// replaces the file with the optimised text. Nothing is asked of a read-only file or backup. The
// file must still be what was read (size, time and bytes) just before its backup is written and
// again just before it is replaced; otherwise nothing more is written. Every write goes through
// replaceFileContents: the table and its backup are each either their old bytes or the complete new
// ones, never half-written; a table with other names (hard links) is rewritten in place once its
// backup reads back whole. The backup and the work file take the table's owner and permissions. The
// work file stays in every case; optimising the work file itself writes no other. A relative path
// and its backup are found in the program's current folder; the result and the question name them
// as given.
OptimiseResult OptimiseFile(keytable::ProgramState& state, const QString& path,
                            const QString& spareFolder,
                            const std::function<bool(const QString& path)>& confirmReplace);

} // namespace sylvane::keytable
