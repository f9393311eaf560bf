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

// The position of the first unit u at or after from among the n units at p, n when
// there is none; memchr for bytes, which is many times faster on long lines.
qsizetype findUnit(const char* p, qsizetype n, qsizetype from, char u) {
    const auto* found =
        static_cast<const char*>(std::memchr(p + from, u, static_cast<std::size_t>(n - from)));
    return found ? found - p : n;
}
qsizetype findUnit(const char16_t* p, qsizetype n, qsizetype from, char16_t u) {
    const qsizetype i = QStringView(p + from, n - from).indexOf(QChar(u));
    return i < 0 ? n : from + i;
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
    LineEnds ends(p, n);
    for (qsizetype start = 0; start < n;) {
        const LineSpan span = ends.line(start);
        lines.append(make(p + span.begin, p + span.end));
        start = span.next;
    }
    return lines;
}

} // namespace

template <typename Unit> LineSpan LineEnds::lineIn(const Unit* p, qsizetype start) {
    if (nextCr_ < start)
        nextCr_ = findUnit(p, n_, start, Unit('\r'));
    if (nextLf_ < start)
        nextLf_ = findUnit(p, n_, start, Unit('\n'));
    const qsizetype end = std::min(nextCr_, nextLf_);
    qsizetype next = std::min(end + 1, n_);
    if (next < n_ && (p[next] == Unit('\r') || p[next] == Unit('\n')) && p[next] != p[end])
        ++next; // the other unit of a pair
    return {start, end, next};
}

LineSpan LineEnds::line(qsizetype start) {
    return bytes_ ? lineIn(bytes_, start) : lineIn(units_, start);
}

QList<LineSpan> lineSpans(QStringView text) {
    QList<LineSpan> spans;
    LineEnds ends(text.utf16(), text.size());
    for (qsizetype start = 0; start < text.size(); start = spans.back().next)
        spans.append(ends.line(start));
    return spans;
}

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
    if (encoding == TextEncoding::Windows1252) {
        bytes_ = bytes;
        ends_ = LineEnds(bytes_.data(), bytes_.size());
    } else {
        text_ = decodeText(bytes, encoding);
        ends_ = LineEnds(QStringView(text_).utf16(), text_.size());
    }
}

bool LineCursor::next(QStringView& line) {
    const qsizetype size = bytes_.isEmpty() ? text_.size() : bytes_.size();
    if (position_ >= size)
        return false;
    const LineSpan span = ends_.line(position_);
    position_ = span.next;
    if (bytes_.isEmpty()) {
        line = QStringView(text_).sliced(span.begin, span.end - span.begin);
        return true;
    }
    buffer_.resize(span.end - span.begin);
    decodeInto(buffer_.data(), bytes_.data() + span.begin, bytes_.data() + span.end);
    line = buffer_;
    return true;
}

qsizetype LineCursor::lineCountBound() const {
    if (bytes_.isEmpty()) {
        const QStringView text = QStringView(text_).sliced(std::min(position_, text_.size()));
        return 1 + text.count(u'\r') + text.count(u'\n');
    }
    const QByteArrayView rest = bytes_.sliced(std::min(position_, bytes_.size()));
    return 1 + countBytes(rest.data(), rest.size(), '\r') +
           countBytes(rest.data(), rest.size(), '\n');
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
