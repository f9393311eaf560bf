#pragma once

#include <QByteArray>
#include <QString>

// Reading user files safely: only regular files are opened (a FIFO would block the
// program, a device could be read for ever), and never more than a stated size.
namespace sylvane::core {

// The largest text file the program reads: far above the largest valid key table
// (30000 lines of 50 values), far below what would exhaust memory.
inline constexpr qint64 MaxTextFileBytes = 64 * 1024 * 1024;

enum class FileCheck {
    Readable,   // a regular file that opens for reading
    Missing,    // nothing of that name, or it cannot be opened
    NotRegular, // a folder, FIFO, device or socket
    TooLarge,   // a regular file above the size limit
};

// Checks the path without reading it and without ever blocking.
FileCheck checkReadableFile(const QString& path, qint64 maxBytes = MaxTextFileBytes);

// Reads the whole file into bytes when it passes checkReadableFile; Missing too when a
// read fails.
FileCheck readRegularFile(const QString& path, QByteArray& bytes,
                          qint64 maxBytes = MaxTextFileBytes);

// " (ce n'est pas un fichier ordinaire)" when the path names something that exists but
// is not a regular file, "" otherwise: the note added where a file is reported as not
// found.
QString notRegularFileNote(const QString& path);

// The message refusing a file above the size limit.
QString tooLargeFileMessage(const QString& path, qint64 maxBytes = MaxTextFileBytes);

} // namespace sylvane::core
