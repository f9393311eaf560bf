#pragma once

#include "core/encoding.h"
#include "core/regularfile.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

// Text files, Windows-1252 unless their bytes show another encoding: the one reader and
// writer of the program.
namespace sylvane::core {

// Bytes to text: 0x80-0x9F as the code page defines them; the five bytes it leaves
// undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) become U+0081... and go back unchanged.
QString decodeWindows1252(const QByteArray& bytes);
// Bytes to lines of text, with the line ends of splitLines.
QStringList decodeWindows1252Lines(const QByteArray& bytes);
// Text to bytes; a character the code page lacks is written "?".
QByteArray encodeWindows1252(QStringView text);

// Splits text into lines: a line ends at CR LF, at LF CR, at a lone CR or at a lone LF.
// A final line end does not start another (empty) line.
QStringList splitLines(QStringView text);

// Where one line lies in a text: its characters [begin, end), its line end [end, next)
// (empty for a last line that has none).
struct LineSpan {
    qsizetype begin = 0;
    qsizetype end = 0;
    qsizetype next = 0;
};

// The lines of the text as spans, with the line ends of splitLines.
QList<LineSpan> lineSpans(QStringView text);

// Finds the lines of a text one after another, with the line ends of splitLines. Each
// search for a CR or a LF goes on from where the last one for the same unit stopped, so
// that a text is read in time linear in its length whatever its convention (a file of
// CRs alone holds no LF to find). The units must outlive it.
class LineEnds {
  public:
    LineEnds() = default;
    LineEnds(const char* bytes, qsizetype size) : bytes_(bytes), n_(size) {}
    LineEnds(const char16_t* units, qsizetype size) : units_(units), n_(size) {}
    // The line that starts at start, which must lie before the end of the text and at or
    // after the start of the line found before.
    LineSpan line(qsizetype start);

  private:
    template <typename Unit> LineSpan lineIn(const Unit* p, qsizetype start);

    const char* bytes_ = nullptr;
    const char16_t* units_ = nullptr;
    qsizetype n_ = 0;
    qsizetype nextCr_ = -1; // the first CR at or after the last search, n_ for none
    qsizetype nextLf_ = -1;
};

// The lines of a file's bytes in their encoding, one at a time, with the line ends of
// splitLines. A Windows-1252 line is decoded into a buffer that the next line reuses, so
// that a large table is read without a string per line; the other encodings are decoded
// whole first. The bytes must outlive the cursor.
class LineCursor {
  public:
    LineCursor(const QByteArray& bytes, TextEncoding encoding);
    // The next line, valid until the following call; false after the last line.
    bool next(QStringView& line);
    // At least as many as the lines left, counted from their line-end bytes.
    qsizetype lineCountBound() const;

  private:
    QByteArrayView bytes_; // Windows-1252 only: the whole file
    QString text_;         // the other encodings: the whole text
    LineEnds ends_;
    qsizetype position_ = 0; // where the next line starts
    QString buffer_;
};

// A whole file read at once and served line by line, in the encoding its bytes show
// (see detectEncoding). Only a regular file within the size limit is read.
class TextFileReader {
  public:
    // False when the file is not a readable regular file within MaxTextFileBytes, or
    // cannot be read; check() then says why.
    bool open(const QString& path);
    bool atEnd() const { return next_ >= lines_.size(); }
    QString readLine() { return atEnd() ? QString() : lines_[next_++]; }
    const QStringList& lines() const { return lines_; }
    TextEncoding encoding() const { return encoding_; }
    FileCheck check() const { return check_; }

  private:
    QStringList lines_;
    qsizetype next_ = 0;
    TextEncoding encoding_ = TextEncoding::Windows1252;
    FileCheck check_ = FileCheck::Missing;
};

// Replaces the file with the lines, each ended by CR LF, in the encoding, through
// replaceFileContents: the file is either its old self or the whole new text. False
// when it could not be written; the step and the reason are then in errorText.
bool writeTextFile(const QString& path, const QStringList& lines, QString* errorText = nullptr,
                   TextEncoding encoding = TextEncoding::Windows1252);

} // namespace sylvane::core
