#include "core/encoding.h"

#include "core/textfile.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <QtEndian>

namespace sylvane::core {

namespace {

constexpr QByteArrayView utf8Bom("\xEF\xBB\xBF", 3);
constexpr QByteArrayView utf16LEBom("\xFF\xFE", 2);
constexpr QByteArrayView utf16BEBom("\xFE\xFF", 2);

bool hasNonAscii(QByteArrayView bytes) {
    for (const char c : bytes)
        if (static_cast<unsigned char>(c) >= 0x80)
            return true;
    return false;
}

QString decodeUtf16(QByteArrayView bytes, QStringDecoder::Encoding encoding) {
    // The mark is already cut off: a second one is text.
    QStringDecoder decoder(encoding, QStringDecoder::Flag::ConvertInitialBom);
    return decoder.decode(bytes);
}

} // namespace

QByteArrayView byteOrderMark(TextEncoding encoding) {
    switch (encoding) {
    case TextEncoding::Utf8WithBom:
        return utf8Bom;
    case TextEncoding::Utf16LE:
        return utf16LEBom;
    case TextEncoding::Utf16BE:
        return utf16BEBom;
    case TextEncoding::Windows1252:
    case TextEncoding::Utf8:
        break;
    }
    return {};
}

bool isValidUtf8(QByteArrayView bytes) {
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const auto* const end = p + bytes.size();
    const auto continuation = [&](int count) {
        if (end - p <= count)
            return false;
        for (int i = 1; i <= count; ++i)
            if ((p[i] & 0xC0) != 0x80)
                return false;
        return true;
    };
    while (p < end) {
        const unsigned char b = *p;
        if (b < 0x80) {
            ++p;
        } else if (b >= 0xC2 && b <= 0xDF) {
            if (!continuation(1))
                return false;
            p += 2;
        } else if (b >= 0xE0 && b <= 0xEF) {
            if (!continuation(2))
                return false;
            const unsigned char b1 = p[1];
            if ((b == 0xE0 && b1 < 0xA0) || (b == 0xED && b1 >= 0xA0))
                return false; // overlong, or a surrogate
            p += 3;
        } else if (b >= 0xF0 && b <= 0xF4) {
            if (!continuation(3))
                return false;
            const unsigned char b1 = p[1];
            if ((b == 0xF0 && b1 < 0x90) || (b == 0xF4 && b1 >= 0x90))
                return false; // overlong, or above U+10FFFF
            p += 4;
        } else {
            return false;
        }
    }
    return true;
}

TextEncoding detectEncoding(QByteArrayView bytes) {
    if (bytes.startsWith(utf8Bom))
        return TextEncoding::Utf8WithBom;
    if (bytes.startsWith(utf16LEBom))
        return TextEncoding::Utf16LE;
    if (bytes.startsWith(utf16BEBom))
        return TextEncoding::Utf16BE;
    if (hasNonAscii(bytes) && isValidUtf8(bytes))
        return TextEncoding::Utf8;
    return TextEncoding::Windows1252;
}

QString decodeText(const QByteArray& bytes, TextEncoding encoding) {
    const QByteArrayView body = QByteArrayView(bytes).sliced(byteOrderMark(encoding).size());
    switch (encoding) {
    case TextEncoding::Windows1252:
        return decodeWindows1252(bytes);
    case TextEncoding::Utf8:
    case TextEncoding::Utf8WithBom:
        return QString::fromUtf8(body);
    case TextEncoding::Utf16LE:
        return decodeUtf16(body, QStringDecoder::Utf16LE);
    case TextEncoding::Utf16BE:
        return decodeUtf16(body, QStringDecoder::Utf16BE);
    }
    return {};
}

QStringList decodeLines(const QByteArray& bytes, TextEncoding encoding) {
    // Windows-1252 is split before it is decoded: no copy of the whole text.
    if (encoding == TextEncoding::Windows1252)
        return decodeWindows1252Lines(bytes);
    return splitLines(decodeText(bytes, encoding));
}

QByteArray encodeLines(const QStringList& lines, TextEncoding encoding) {
    QString text;
    for (const QString& line : lines) {
        text += line;
        text += u"\r\n";
    }
    QByteArray bytes = byteOrderMark(encoding).toByteArray();
    switch (encoding) {
    case TextEncoding::Windows1252:
        bytes += encodeWindows1252(text);
        break;
    case TextEncoding::Utf8:
    case TextEncoding::Utf8WithBom:
        bytes += text.toUtf8();
        break;
    case TextEncoding::Utf16LE:
        bytes += QStringEncoder(QStringEncoder::Utf16LE)(text);
        break;
    case TextEncoding::Utf16BE:
        bytes += QStringEncoder(QStringEncoder::Utf16BE)(text);
        break;
    }
    return bytes;
}

ExactUnits exactUnits(const QByteArray& bytes, TextEncoding encoding) {
    ExactUnits result;
    result.mark = byteOrderMark(encoding).toByteArray();
    const QByteArrayView body = QByteArrayView(bytes).sliced(result.mark.size());
    if (encoding != TextEncoding::Utf16LE && encoding != TextEncoding::Utf16BE) {
        result.units = QString::fromLatin1(body);
        return result;
    }
    const qsizetype pairs = body.size() / 2;
    result.units.resize(pairs);
    const uchar* p = reinterpret_cast<const uchar*>(body.data());
    for (qsizetype i = 0; i < pairs; ++i, p += 2)
        result.units[i] = QChar(encoding == TextEncoding::Utf16LE ? qFromLittleEndian<quint16>(p)
                                                                  : qFromBigEndian<quint16>(p));
    result.oddByte = body.sliced(pairs * 2).toByteArray();
    return result;
}

QByteArray exactBytes(const ExactUnits& units, TextEncoding encoding) {
    QByteArray bytes = units.mark;
    if (encoding != TextEncoding::Utf16LE && encoding != TextEncoding::Utf16BE)
        return bytes + units.units.toLatin1();
    const qsizetype start = bytes.size();
    bytes.resize(start + units.units.size() * 2);
    uchar* p = reinterpret_cast<uchar*>(bytes.data()) + start;
    for (const QChar c : units.units) {
        if (encoding == TextEncoding::Utf16LE)
            qToLittleEndian<quint16>(c.unicode(), p);
        else
            qToBigEndian<quint16>(c.unicode(), p);
        p += 2;
    }
    return bytes + units.oddByte;
}

QString decodeUnits(QStringView units, TextEncoding encoding) {
    switch (encoding) {
    case TextEncoding::Windows1252:
        return decodeWindows1252(units.toLatin1());
    case TextEncoding::Utf8:
    case TextEncoding::Utf8WithBom:
        return QString::fromUtf8(units.toLatin1());
    case TextEncoding::Utf16LE:
    case TextEncoding::Utf16BE:
        break;
    }
    return units.toString();
}

} // namespace sylvane::core
