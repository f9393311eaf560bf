#include "keytable/tablefile.h"

#include "core/regularfile.h"
#include "core/tablelimits.h"
#include "core/vbtext.h"

#include <QFileInfo>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace sylvane::keytable {

namespace {

// A control character other than tab, LF and CR, the only ones of a text file. Comparisons
// only, so that a loop over many units runs on whole vectors of them.
template <typename Unit> bool isControl(Unit u) {
    return (u < Unit(32)) & (u != Unit('\t')) & (u != Unit('\n')) & (u != Unit('\r'));
}

// The index of the first control character other than tab, CR and LF; -1 when none.
// Scanned by blocks without a branch per unit: a table is megabytes of text.
template <typename Unit> qsizetype firstControl(const Unit* units, qsizetype count) {
    constexpr qsizetype Block = 4096;
    for (qsizetype start = 0; start < count; start += Block) {
        const qsizetype end = std::min(count, start + Block);
        unsigned char found = 0;
        for (qsizetype i = start; i < end; ++i)
            found |= static_cast<unsigned char>(isControl(units[i]));
        if (found)
            return std::find_if(units + start, units + end, isControl<Unit>) - units;
    }
    return -1;
}

// The line (from 1) of the unit at index, with the line ends of the reader.
template <typename Unit> int lineOf(const Unit* units, qsizetype count, qsizetype index) {
    core::LineEnds ends;
    if constexpr (sizeof(Unit) == 1)
        ends = core::LineEnds(reinterpret_cast<const char*>(units), count);
    else
        ends = core::LineEnds(reinterpret_cast<const char16_t*>(units), count);
    int line = 1;
    for (qsizetype start = 0;; ++line) {
        const core::LineSpan span = ends.line(start);
        if (index < span.next)
            return line;
        start = span.next;
    }
}

struct ControlFound {
    int line = 0;
    int code = 0;
};

template <typename Unit> ControlFound findControl(const Unit* units, qsizetype count) {
    const qsizetype at = firstControl(units, count);
    if (at < 0)
        return {};
    return {lineOf(units, count, at), static_cast<int>(units[at])};
}

// The text of the file past its byte-order mark: bytes for the 8-bit encodings (a control
// character is the same byte in Windows-1252 and UTF-8), UTF-16 units otherwise.
ControlFound findControl(const QByteArray& bytes, core::TextEncoding encoding) {
    if (encoding == core::TextEncoding::Utf16LE || encoding == core::TextEncoding::Utf16BE) {
        const QString text = core::decodeText(bytes, encoding);
        return findControl(text.utf16(), text.size());
    }
    const qsizetype mark = core::byteOrderMark(encoding).size();
    return findControl(reinterpret_cast<const unsigned char*>(bytes.constData()) + mark,
                       bytes.size() - mark);
}

TableFault faultOfRead(core::FileCheck check, const QString& path) {
    switch (check) {
    case core::FileCheck::Readable:
        return TableFault::None;
    case core::FileCheck::NotRegular:
        return TableFault::NotRegular;
    case core::FileCheck::TooLarge:
        return TableFault::TooLarge;
    case core::FileCheck::Missing:
        break;
    }
    return QFileInfo::exists(path) ? TableFault::Unreadable : TableFault::Missing;
}

bool hasNoText(const QByteArray& bytes, core::TextEncoding encoding) {
    return bytes.size() <= core::byteOrderMark(encoding).size();
}

} // namespace

TableHeader
readTableHeader(core::LineCursor& lines,
                const std::function<void(const QString& key, const QString& value)>& item) {
    TableHeader header;
    QString key;
    QStringView line;
    while (lines.next(line)) {
        ++header.linesRead;
        if (core::isBlankLine(line))
            continue;
        core::KeyValue kv = core::splitKeyValue(line);
        if (kv.hasKey)
            key = kv.key;
        if (key == u"CHAMP"_s) {
            header.fieldLineFound = true;
            header.fieldLine = std::move(kv.value);
            return header;
        }
        item(key, kv.value);
    }
    return header;
}

TableFile TableFile::read(const QString& path, const QString& separator) {
    TableFile file;
    file.fault_ = faultOfRead(core::readRegularFile(path, file.bytes_), path);
    if (!file.loadable())
        return file;
    file.encoding_ = core::detectEncoding(file.bytes_);
    if (hasNoText(file.bytes_, file.encoding_)) {
        file.fault_ = TableFault::Empty;
        return file;
    }
    if (const ControlFound control = findControl(file.bytes_, file.encoding_); control.line > 0) {
        file.fault_ = TableFault::Binary;
        file.faultLine_ = control.line;
        file.faultValue_ = control.code;
        return file;
    }
    core::LineCursor lines(file.bytes_, file.encoding_);
    const TableHeader header = readTableHeader(lines, [](const QString&, const QString&) {});
    if (!header.fieldLineFound) {
        file.fault_ = TableFault::NoFieldLine;
    } else if (const qsizetype names = header.fieldLine.count(separator) + 1;
               names > core::MaxFields) {
        file.fault_ = TableFault::TooManyFields;
        file.faultLine_ = static_cast<int>(header.linesRead);
        file.faultValue_ = static_cast<int>(names);
    }
    return file;
}

QString TableFile::refusal(const QString& name) const {
    QString reason;
    switch (fault_) {
    case TableFault::None:
        return QString();
    case TableFault::Missing:
        reason = u"ce fichier n'existe pas"_s;
        break;
    case TableFault::Unreadable:
        reason = u"ce fichier ne peut pas être lu"_s;
        break;
    case TableFault::NotRegular:
        reason = u"ce n'est pas un fichier ordinaire"_s;
        break;
    case TableFault::TooLarge:
        reason = u"ce fichier dépasse %1 Mo, ce n'est pas une table de clé"_s.arg(
            core::MaxTextFileBytes / (1024 * 1024));
        break;
    case TableFault::Empty:
        reason = u"ce fichier est vide"_s;
        break;
    case TableFault::Binary:
        reason = u"ce n'est pas un fichier texte (caractère de contrôle %1 à la ligne %2)"_s
                     .arg(faultValue_)
                     .arg(faultLine_);
        break;
    case TableFault::NoFieldLine:
        reason = u"aucune ligne CHAMP= n'y déclare les champs"_s;
        break;
    case TableFault::TooManyFields:
        reason = u"sa ligne CHAMP (ligne %1) déclare %2 champs, %3 au plus"_s.arg(faultLine_)
                     .arg(faultValue_)
                     .arg(core::MaxFields);
        break;
    }
    return u"Impossible de charger "_s + name + u" : "_s + reason + u'.';
}

} // namespace sylvane::keytable
