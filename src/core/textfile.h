#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Windows-1252 text files: the one reader and writer of the program.
namespace sylvane::core {

// Bytes to text: 0x80-0x9F as the code page defines them; the five bytes it leaves
// undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) become U+0081... and go back unchanged.
QString decodeWindows1252(const QByteArray& bytes);
// Bytes to lines of text, with the line ends of splitLines.
QStringList decodeWindows1252Lines(const QByteArray& bytes);
// Text to bytes; a character the code page lacks is written "?".
QByteArray encodeWindows1252(QStringView text);

// Splits text into lines: a line ends at CR LF, at a lone CR or at a lone LF. A final
// line end does not start another (empty) line.
QStringList splitLines(QStringView text);

// A whole file read at once and served line by line.
class TextFileReader {
  public:
    // False when the file cannot be opened or read.
    bool open(const QString& path);
    bool atEnd() const { return next_ >= lines_.size(); }
    QString readLine() { return atEnd() ? QString() : lines_[next_++]; }
    const QStringList& lines() const { return lines_; }

  private:
    QStringList lines_;
    qsizetype next_ = 0;
};

// Writes lines each ended by CR LF. Returns false when the file could not be written
// whole; the error text is then in errorText.
bool writeTextFile(const QString& path, const QStringList& lines, QString* errorText = nullptr);

// Writes the file through a temporary file beside it, flushed then renamed over it, so
// that the file is either the old one or the new one, never half-written.
bool writeTextFileAtomically(const QString& path, const QStringList& lines,
                             QString* errorText = nullptr);

// Copies a file byte for byte over another (created or replaced) in the same way: the
// target is either its old self or a whole copy. False, with errorText, on any failure.
bool copyFileAtomically(const QString& from, const QString& to, QString* errorText = nullptr);

} // namespace sylvane::core
