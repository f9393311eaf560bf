#include "core/textfile.h"

#include "core/safewrite.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace sylvane::core {

namespace {

// Unicode of the bytes 0x80..0x9F; the undefined ones map to the C1 control of the same
// value so that they round-trip.
constexpr std::array<char16_t, 32> high = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char encodeChar(char16_t u) {
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return static_cast<char>(u);
    for (std::size_t i = 0; i < high.size(); ++i)
        if (high[i] == u)
            return static_cast<char>(0x80 + i);
    return '?';
}

constexpr std::array<char16_t, 256> unicodeOfByte = [] {
    std::array<char16_t, 256> table{};
    for (std::size_t b = 0; b < table.size(); ++b)
        table[b] = b >= 0x80 && b < 0xA0 ? high[b - 0x80] : static_cast<char16_t>(b);
    return table;
}();

void decodeInto(QChar* out, const char* begin, const char* end) {
    for (const char* p = begin; p != end; ++p)
        *out++ = QChar(unicodeOfByte[static_cast<unsigned char>(*p)]);
}

QString decodeRange(const char* begin, const char* end) {
    QString text(end - begin, Qt::Uninitialized);
    decodeInto(text.data(), begin, end);
    return text;
}

// The index of the first CR or LF of the n units at p; n when there is none.
template <typename Unit> qsizetype lineEnd(const Unit* p, qsizetype n) {
    for (qsizetype i = 0; i < n; ++i)
        if (p[i] == Unit('\r') || p[i] == Unit('\n'))
            return i;
    return n;
}

// Where the next line starts after a line of the n units at p ending at end.
template <typename Unit> qsizetype nextLineStart(const Unit* p, qsizetype n, qsizetype end) {
    if (end < n && p[end] == Unit('\r') && end + 1 < n && p[end + 1] == Unit('\n'))
        return end + 2;
    return std::min(end + 1, n);
}

// The same for bytes, through memchr, which is many times faster on long lines.
qsizetype lineEnd(const char* p, qsizetype n) {
    const auto* lf = static_cast<const char*>(std::memchr(p, '\n', static_cast<std::size_t>(n)));
    const qsizetype limit = lf ? lf - p : n;
    const auto* cr =
        static_cast<const char*>(std::memchr(p, '\r', static_cast<std::size_t>(limit)));
    return cr ? cr - p : limit;
}

qsizetype countBytes(const char* p, qsizetype n, char wanted) {
    qsizetype count = 0;
    for (const char* const end = p + n; p != end; ++p, ++count) {
        p = static_cast<const char*>(std::memchr(p, wanted, static_cast<std::size_t>(end - p)));
        if (!p)
            break;
    }
    return count;
}

// The lines of the n units at p, each made into a string by make(begin, end).
template <typename Unit, typename Make>
QStringList splitUnits(const Unit* p, qsizetype n, Make make) {
    QStringList lines;
    for (qsizetype start = 0; start < n;) {
        const qsizetype end = lineEnd(p + start, n - start);
        lines.append(make(p + start, p + start + end));
        start += nextLineStart(p + start, n - start, end);
    }
    return lines;
}

} // namespace

QString decodeWindows1252(const QByteArray& bytes) {
    return decodeRange(bytes.constData(), bytes.constData() + bytes.size());
}

QStringList decodeWindows1252Lines(const QByteArray& bytes) {
    return splitUnits(bytes.constData(), bytes.size(), decodeRange);
}

QByteArray encodeWindows1252(QStringView text) {
    QByteArray bytes(text.size(), Qt::Uninitialized);
    char* out = bytes.data();
    for (const QChar c : text)
        *out++ = encodeChar(c.unicode());
    return bytes;
}

QStringList splitLines(QStringView text) {
    return splitUnits(text.utf16(), text.size(), [](const char16_t* begin, const char16_t* end) {
        return QString(reinterpret_cast<const QChar*>(begin), end - begin);
    });
}

LineCursor::LineCursor(const QByteArray& bytes, TextEncoding encoding) {
    if (encoding == TextEncoding::Windows1252)
        bytes_ = bytes;
    else
        text_ = decodeText(bytes, encoding);
}

bool LineCursor::next(QStringView& line) {
    if (!bytes_.isEmpty()) {
        const qsizetype end = lineEnd(bytes_.data(), bytes_.size());
        buffer_.resize(end);
        decodeInto(buffer_.data(), bytes_.data(), bytes_.data() + end);
        line = buffer_;
        bytes_ = bytes_.sliced(nextLineStart(bytes_.data(), bytes_.size(), end));
        return true;
    }
    const qsizetype left = text_.size() - textPosition_;
    if (left <= 0)
        return false;
    const char16_t* p = QStringView(text_).utf16() + textPosition_;
    const qsizetype end = lineEnd(p, left);
    line = QStringView(p, end);
    textPosition_ += nextLineStart(p, left, end);
    return true;
}

qsizetype LineCursor::lineCountBound() const {
    const QStringView text = QStringView(text_).sliced(textPosition_);
    return 1 + countBytes(bytes_.data(), bytes_.size(), '\r') +
           countBytes(bytes_.data(), bytes_.size(), '\n') + text.count(u'\r') + text.count(u'\n');
}

bool TextFileReader::open(const QString& path) {
    lines_.clear();
    next_ = 0;
    encoding_ = TextEncoding::Windows1252;
    QByteArray bytes;
    check_ = readRegularFile(path, bytes);
    if (check_ != FileCheck::Readable)
        return false;
    encoding_ = detectEncoding(bytes);
    lines_ = decodeLines(bytes, encoding_);
    return true;
}

bool writeTextFile(const QString& path, const QStringList& lines, QString* errorText,
                   TextEncoding encoding) {
    WriteError error;
    if (replaceFileContents(path, encodeLines(lines, encoding), &error))
        return true;
    if (errorText)
        *errorText = error.text();
    return false;
}

} // namespace sylvane::core
