#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QStringList>
#include <QStringView>

// The encodings a text file may come in. Files of the program are Windows-1252; a file
// written by a newer editor or a spreadsheet export may be UTF-8 or UTF-16, and is read
// (and written back) as such.
namespace sylvane::core {

enum class TextEncoding {
    Windows1252,
    Utf8,        // no byte-order mark
    Utf8WithBom, // starts with EF BB BF
    Utf16LE,     // starts with FF FE
    Utf16BE,     // starts with FE FF
};

// A UTF-8 or UTF-16 byte-order mark names its encoding; without one, bytes that are all
// valid UTF-8 and hold at least one non-ASCII sequence are UTF-8; anything else is
// Windows-1252.
TextEncoding detectEncoding(QByteArrayView bytes);

// The byte-order mark that starts a file in the encoding (none for Windows-1252 and UTF-8
// without one).
QByteArrayView byteOrderMark(TextEncoding encoding);

// Strict UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF.
bool isValidUtf8(QByteArrayView bytes);

// The text of the bytes in that encoding, its byte-order mark left out.
QString decodeText(const QByteArray& bytes, TextEncoding encoding);

// The lines of the bytes in that encoding (its byte-order mark left out), with the line
// ends of splitLines.
QStringList decodeLines(const QByteArray& bytes, TextEncoding encoding);

// Lines each ended by CR LF, in that encoding, after its byte-order mark if it has one.
// In Windows-1252 a character the code page lacks is written "?".
QByteArray encodeLines(const QStringList& lines, TextEncoding encoding);

// A file's bytes as 16-bit code units that give the very same bytes back, whatever they
// hold: one unit per byte in the 8-bit encodings, one per pair of bytes in UTF-16. Nothing
// is checked nor decoded, so that bytes that do not decode and an odd last byte survive a
// change made to the units (the characters that matter to such a change, blanks, tabs,
// line ends and separators, are one unit each in every encoding).
struct ExactUnits {
    QByteArray mark;    // the byte-order mark, as it was
    QString units;      // the rest
    QByteArray oddByte; // UTF-16: a last byte without its pair
};
ExactUnits exactUnits(const QByteArray& bytes, TextEncoding encoding);
QByteArray exactBytes(const ExactUnits& units, TextEncoding encoding);
// The text of some of those units (a line, say), decoded.
QString decodeUnits(QStringView units, TextEncoding encoding);

} // namespace sylvane::core
