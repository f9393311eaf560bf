#include "core/textfile.h"

#include "core/safewrite.h"

#include <array>

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

} // namespace

namespace {
QString decodeRange(const char* begin, const char* end) {
    QString text(end - begin, Qt::Uninitialized);
    QChar* out = text.data();
    for (const char* p = begin; p != end; ++p) {
        const auto b = static_cast<unsigned char>(*p);
        *out++ = QChar(b >= 0x80 && b < 0xA0 ? high[b - 0x80] : char16_t(b));
    }
    return text;
}
} // namespace

QString decodeWindows1252(const QByteArray& bytes) {
    return decodeRange(bytes.constData(), bytes.constData() + bytes.size());
}

QStringList decodeWindows1252Lines(const QByteArray& bytes) {
    QStringList lines;
    const char* data = bytes.constData();
    const qsizetype n = bytes.size();
    qsizetype start = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const char c = data[i];
        if (c == '\r' || c == '\n') {
            lines.append(decodeRange(data + start, data + i));
            if (c == '\r' && i + 1 < n && data[i + 1] == '\n')
                ++i;
            start = i + 1;
        }
    }
    if (start < n)
        lines.append(decodeRange(data + start, data + n));
    return lines;
}

QByteArray encodeWindows1252(QStringView text) {
    QByteArray bytes(text.size(), Qt::Uninitialized);
    char* out = bytes.data();
    for (const QChar c : text)
        *out++ = encodeChar(c.unicode());
    return bytes;
}

QStringList splitLines(QStringView text) {
    QStringList lines;
    qsizetype start = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text[i];
        if (c == u'\r' || c == u'\n') {
            lines.append(text.sliced(start, i - start).toString());
            if (c == u'\r' && i + 1 < n && text[i + 1] == u'\n')
                ++i;
            start = i + 1;
        }
    }
    if (start < n)
        lines.append(text.sliced(start).toString());
    return lines;
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
