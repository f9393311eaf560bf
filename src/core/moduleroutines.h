#pragma once

#include <QString>

#include <optional>
#include <span>

// The small routines of module Tableau that every window calls.
namespace sylvane::core {

// True when the path names a regular file that can be opened for reading (checked
// without blocking: a FIFO or a device is not a file here).
bool FileExists(const QString& path);

// The text after the first "." of the whole name; the whole name when it has none.
QString ExtensionOf(const QString& name);

// The text before the first "." of the whole name; nothing when the name has no ".".
std::optional<QString> StripExtension(const QString& name);

// The folder part of a path, ending with its separator ("\" or "/"); "" when none.
QString FolderOf(const QString& path);

// Lower-case accented Latin letters to their base letter; everything else unchanged.
QString FoldAccents(const QString& text);
QChar foldAccent(QChar c);

// True when the decimal text of value occurs anywhere in text.
bool ContainsText(int value, const QString& text);

// Trims text, then replaces the leftmost occurrence of find again and again until none
// is left. Always ends: an empty find only trims, and a replacement that holds find is
// applied in one left-to-right pass.
void ReplaceAll(const QString& find, const QString& replacement, QString& text);

// Splits a separated list into target from index count + 1 on, each piece trimmed;
// count grows by one per piece (a final empty piece is counted, not stored). The list is
// left holding its last piece. Pieces past the end of target are counted but not stored;
// the result is false when that happened.
bool SplitFieldList(QString& list, int& count, std::span<QString> target,
                    const QString& separator = QStringLiteral(";"));
bool SplitFieldList(QString& list, int& count, std::span<double> target,
                    const QString& separator = QStringLiteral(";"));

} // namespace sylvane::core
