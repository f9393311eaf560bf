#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <functional>

// Replacing a user file without ever losing it: the new bytes go to a temporary file
// created new beside the target, every step is checked, and only a complete, synced
// file is renamed over the target. On any failure the temporary file is removed and the
// target keeps its old bytes.
namespace sylvane::core {

enum class WriteStep {
    Create,    // the temporary file, created new (never through an existing name or link)
    Write,     // one write of the buffered bytes to the file
    Flush,     // the write of what is left in the buffer
    Sync,      // fsync: the bytes are on the disk
    SizeCheck, // the file holds exactly the bytes meant
    Close,     // the close, which can still report a lost write
    Rename,    // the temporary file takes the target's name
    Protected, // the target is read-only (no write permission at all, or none for this user)
    Changed,   // the caller's last check, just before the target changes, failed
    Open,      // a rewrite in place: the opening of the target itself
};

struct WriteError {
    WriteStep step = WriteStep::Create;
    int systemError = 0; // errno; 0 for a size that does not match
    // A rewrite in place failed once it had begun to write: the target may be incomplete.
    bool targetTouched = false;
    // The step and the reason in the program's language ("écriture : plus de place sur
    // le disque").
    QString text() const;
};

// The reason for errno in the program's language.
QString systemErrorText(int systemError);

struct ReplaceOptions {
    // The file whose permission bits and owner the new file takes, when it is made from
    // that file (the backup or the work file of a table); empty: those of the file it
    // replaces, or the defaults for a new file. The owner is kept where the process may
    // set it; a group it may not set loses the group's permissions.
    QString modelFile;
    // Rewrite the target in place, instead of replacing it, when other names share it
    // (hard links, which a replacement would part from it) or when its folder refuses a
    // new file. Only for a target whose old bytes are safe elsewhere: a failure in place
    // may leave it incomplete.
    bool inPlaceWhenNeeded = false;
    // Called just before the target changes (the rename, or the first write in place); a
    // false answer fails the replacement at WriteStep::Changed, the target untouched.
    std::function<bool()> stillWanted;
};

// Writes bytes to target as above. A target that is a symbolic link is itself replaced
// (the file it points to is never written). A target that is read-only (no write
// permission bit, or not writable by this user) is refused. The hidden temporary files
// that an interrupted replacement of the same target left behind are removed first.
// False, with error, on any failure.
bool replaceFileContents(const QString& target, QByteArrayView bytes, WriteError* error = nullptr,
                         const ReplaceOptions& options = {});

// The file is read-only in the sense of replaceFileContents. False for a missing file.
bool isWriteProtected(const QString& path);

// Test seam: called before every step of every replacement (occurrence counts the
// writes from 1, and is 1 for the other steps); a non-zero result makes that step fail
// with that errno (for the size check: as a file that came out short). An empty hook
// (the default) injects nothing.
using WriteFaultHook = std::function<int(WriteStep step, int occurrence)>;
void setWriteFaultHook(WriteFaultHook hook);

// Bytes written per write call; a larger file is written in several calls.
inline constexpr qsizetype WriteChunkBytes = 64 * 1024;

} // namespace sylvane::core
