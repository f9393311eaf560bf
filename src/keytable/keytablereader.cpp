#include "keytable/keytablereader.h"

#include "core/boundedtext.h"
#include "core/moduleroutines.h"
#include "core/textfile.h"
#include "core/vbtext.h"

#include <algorithm>
#include <array>

using namespace Qt::StringLiterals;
using sylvane::core::MaxFields;
using sylvane::core::MaxRows;

namespace sylvane::keytable {

QString lineLimitMessage() {
    return u" nb maxi de lignes = "_s + QString::number(MaxRows);
}

QString tooManyValuesMessage(int row, int values, int declaredFields, QStringView line) {
    return u" erreur ligne %1 : nb de choix :%2 > Nb champs : %3 / cf : "_s.arg(row)
               .arg(values)
               .arg(declaredFields) +
           core::quotedLine(line);
}

QString tooManyFieldValuesMessage(int row, int values, QStringView line) {
    return u" erreur ligne %1 : nb de choix :%2 > %3 (maximum de la table) / cf : "_s.arg(row)
               .arg(values)
               .arg(MaxFields) +
           core::quotedLine(line);
}

namespace {

// Splits a data line at every separator, exactly (no trimming), into pieces[1..]; returns
// the number of values, counting on past what pieces can hold.
template <std::size_t N>
qsizetype splitValues(QStringView line, const QString& separator,
                      std::array<QStringView, N>& pieces) {
    qsizetype count = 0;
    qsizetype start = 0;
    const auto store = [&](qsizetype end) {
        if (++count < static_cast<qsizetype>(N))
            pieces[count] = line.sliced(start, end - start);
    };
    if (separator.size() == 1) {
        // Without a branch per character: every index is written where the next
        // separator's goes, and stays there when it is one. A separator comes every few
        // characters, too irregularly for a branch to be foreseen.
        const char16_t sep = separator.front().unicode();
        const char16_t* text = line.utf16();
        std::array<qsizetype, N> ends;
        qsizetype found = 0;
        for (qsizetype i = 0; i < line.size(); ++i) {
            ends[std::min<qsizetype>(found, N - 1)] = i;
            found += text[i] == sep;
        }
        for (qsizetype k = 0; k < std::min<qsizetype>(found, N - 1); ++k) {
            store(ends[static_cast<std::size_t>(k)]);
            start = ends[static_cast<std::size_t>(k)] + 1;
        }
        count = found; // the values past what pieces hold are counted, not stored
    } else {
        for (qsizetype end = line.indexOf(separator); end >= 0;
             end = line.indexOf(separator, start)) {
            store(end);
            start = end + separator.size();
        }
    }
    store(line.size());
    return count;
}

// Reads the header lines; fills the title, comments and field names. Returns the number
// of header lines.
qsizetype readHeaderLines(keytable::ProgramState& state, core::LineCursor& lines,
                          const QString& separator, LoadSink& sink) {
    const TableHeader header =
        readTableHeader(lines, [&](const QString& key, const QString& value) {
            if (key == u"TITRE"_s) {
                state.KeyTable.setTitle(value);
                sink.titleRead(value);
            } else if (key == u"COMMENTAIRE"_s || key == u"COM"_s) {
                state.KeyTable.addComment(value);
                sink.commentRead(value);
            }
        });
    QString list = header.fieldLine;
    int count = 0;
    std::array<QString, MaxFields + 1> fieldNames;
    core::SplitFieldList(list, count, fieldNames, separator);
    state.KeyTable.setFieldNames(
        QStringList(fieldNames.begin() + 1, fieldNames.begin() + 1 + count));
    return header.linesRead;
}

} // namespace

LoadOutcome LoadKeyTable(keytable::ProgramState& state, const TableFile& file, LoadSink& sink) {
    state.KeyTable.clear();
    state.OptimisedLineCount.reset();
    core::LineCursor lines(file.bytes(), file.encoding());

    const QString separator = separatorOf(state);
    const qsizetype headerLines = readHeaderLines(state, lines, separator, sink);

    sink.busy(true);
    // Header pass: every header line takes a row, blank or not.
    if (headerLines > MaxRows) {
        state.KeyTable.clear();
        sink.busy(false);
        sink.refused(lineLimitMessage());
        return LoadOutcome::LineLimit;
    }
    keytable::KeyTable& table = state.KeyTable;
    table.reserveRows(
        static_cast<int>(std::min<qsizetype>(headerLines + lines.lineCountBound(), MaxRows)));
    for (qsizetype i = 0; i < headerLines; ++i)
        table.appendEmptyRow(static_cast<int>(i + 1));

    // Data pass.
    LoadOutcome outcome = LoadOutcome::Complete;
    int row = static_cast<int>(headerLines);
    std::array<QStringView, MaxFields + 2> pieces;
    const int limit = table.declaredFieldCount() + 1;
    QStringView line;
    for (qsizetype fileLine = headerLines + 1; lines.next(line); ++fileLine) {
        if (core::isBlankLine(line))
            continue;
        ++row;
        sink.progress(row);
        if (row > MaxRows) {
            outcome = LoadOutcome::LineLimit;
            sink.busy(false);
            sink.refused(lineLimitMessage());
            break;
        }
        const qsizetype values = splitValues(line, separator, pieces);
        if (values > limit || values > MaxFields) {
            outcome = LoadOutcome::RefusedLine;
            sink.busy(false);
            sink.refused(values > limit
                             ? tooManyValuesMessage(row, static_cast<int>(values),
                                                    table.declaredFieldCount(), line)
                             : tooManyFieldValuesMessage(row, static_cast<int>(values), line));
            break;
        }
        sink.dataLineStored(row, line);
        table.appendRow(static_cast<int>(fileLine), std::span<const QStringView>(pieces).subspan(
                                                        1, static_cast<std::size_t>(values)));
    }
    table.finishLoad();
    sink.busy(false);
    return outcome;
}

} // namespace sylvane::keytable
