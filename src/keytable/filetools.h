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
    QStringList lines;    // the header unchanged, then the optimised data lines
    qint64 dataLines = 0; // the lines after the field line
};
OptimisedText optimiseLines(const QStringList& lines);

enum class OptimiseOutcome {
    NothingToDo,    // empty path or a file that does not exist or cannot be read
    Refused,        // not a regular file, or above the size limit: errorText says so
    WorkFileFailed, // the work file could not be written: nothing else done
    Declined,       // the user kept the file as it was
    NoBackupName,   // the path holds no "." to form the backup's name: file unchanged
    BackupFailed,   // the backup could not be written: file unchanged
    ReplaceFailed,  // the file could not be replaced: it is as it was, the backup exists
    Replaced,       // backup written whole, then the file replaced
};

struct OptimiseResult {
    OptimiseOutcome outcome = OptimiseOutcome::NothingToDo;
    QString workFile;
    QString backupFile;
    QString errorText;
};

// Name of the work file that holds the optimised text, in workFolder.
QString optimiseWorkFile(const QString& workFolder);
// Name of the backup of a table file: the path up to its first "." followed by ".bak".
// (OptimiseFile appends ".bak" again while that name is the table itself.)
std::optional<QString> optimiseBackupFile(const QString& path);

// Optimises the file at path: writes the optimised text to the work file, keeps its number
// of data lines as the line count shown (OptimisedLineCount), asks confirmReplace(path)
// and, when it answers true, writes the bytes read to its backup, reads the backup back,
// and then replaces the file with the optimised text, in the encoding it was read in.
// Every write goes through replaceFileContents: the table and its backup are each either
// their old bytes or the complete new ones, never half-written. The work file stays in
// every case. A relative path and its backup are found in the program's current folder;
// the result and the question name them as given.
OptimiseResult OptimiseFile(keytable::ProgramState& state, const QString& path,
                            const QString& workFolder,
                            const std::function<bool(const QString& path)>& confirmReplace);

} // namespace sylvane::keytable
