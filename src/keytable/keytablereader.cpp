#include "keytable/keytablereader.h"

#include "core/boundedtext.h"
#include "core/moduleroutines.h"
#include "core/regularfile.h"
#include "core/textfile.h"
#include "core/vbtext.h"
#include "keytable/currentfolder.h"

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

QString tooManyFieldNamesMessage(int row, int names) {
    return u" erreur ligne %1 : la ligne CHAMP déclare %2 champs ; %3 au plus. Fichier non chargé."_s
        .arg(row)
        .arg(names)
        .arg(MaxFields);
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

struct HeaderResult {
    bool fieldLineFound = false;
    bool fieldLineTooLong = false;
    qsizetype linesRead = 0; // up to the CHAMP line, or every line without one
};

// Reads the header lines; fills the title, comments and field names.
HeaderResult readHeaderLines(keytable::ProgramState& state, core::LineCursor& lines,
                             LoadSink& sink) {
    HeaderResult result;
    QString key;
    QStringView line;
    while (lines.next(line)) {
        ++result.linesRead;
        if (core::isBlankLine(line))
            continue;
        const core::KeyValue kv = core::splitKeyValue(line);
        if (kv.hasKey)
            key = kv.key;
        if (key == u"TITRE"_s) {
            state.KeyTable.setTitle(kv.value);
            sink.titleRead(kv.value);
        } else if (key == u"COMMENTAIRE"_s || key == u"COM"_s) {
            state.KeyTable.addComment(kv.value);
            sink.commentRead(kv.value);
        } else if (key == u"CHAMP"_s) {
            result.fieldLineFound = true;
            const qsizetype names =
                kv.value.count(state.Separator.isEmpty() ? u";"_s : state.Separator) + 1;
            if (names > MaxFields) {
                result.fieldLineTooLong = true;
                sink.refused(tooManyFieldNamesMessage(static_cast<int>(result.linesRead),
                                                      static_cast<int>(names)));
                return result;
            }
            QString list = kv.value;
            int count = 0;
            std::array<QString, MaxFields + 1> fieldNames;
            core::SplitFieldList(list, count, fieldNames,
                                 state.Separator.isEmpty() ? u";"_s : state.Separator);
            state.KeyTable.setFieldNames(
                QStringList(fieldNames.begin() + 1, fieldNames.begin() + 1 + count));
            return result;
        }
    }
    return result;
}

// A relative path is read in the program's current folder; messages name it as given.
bool readBytes(const keytable::ProgramState& state, const QString& path, QByteArray& bytes,
               LoadSink& sink) {
    const QString file = keytable::resolvedPath(state, path);
    if (!core::FileExists(file))
        return false;
    const core::FileCheck check = core::readRegularFile(file, bytes);
    if (check == core::FileCheck::TooLarge)
        sink.refused(core::tooLargeFileMessage(path));
    return check == core::FileCheck::Readable;
}

} // namespace

LoadOutcome LoadKeyTable(keytable::ProgramState& state, const QString& path, LoadSink& sink) {
    ClearKeyTable(state);
    QByteArray bytes;
    if (!readBytes(state, path, bytes, sink))
        return LoadOutcome::NotFound;
    state.OptimisedLineCount.reset();
    core::LineCursor lines(bytes, core::detectEncoding(bytes));

    const QString separator = state.Separator.isEmpty() ? u";"_s : state.Separator;
    const HeaderResult header = readHeaderLines(state, lines, sink);
    if (header.fieldLineTooLong) {
        ClearKeyTable(state);
        return LoadOutcome::RefusedHeader;
    }

    sink.busy(true);
    // Header pass: every header line takes a row, blank or not; a file without a field
    // line is all header.
    if (header.linesRead > MaxRows) {
        ClearKeyTable(state);
        sink.busy(false);
        sink.refused(lineLimitMessage());
        return LoadOutcome::LineLimit;
    }
    keytable::KeyTable& table = state.KeyTable;
    table.reserveRows(
        static_cast<int>(std::min<qsizetype>(header.linesRead + lines.lineCountBound(), MaxRows)));
    for (qsizetype i = 0; i < header.linesRead; ++i)
        table.appendEmptyRow(static_cast<int>(i + 1));

    // Data pass.
    LoadOutcome outcome = LoadOutcome::Complete;
    int row = static_cast<int>(header.linesRead);
    std::array<QStringView, MaxFields + 2> pieces;
    const int limit = table.declaredFieldCount() + 1;
    QStringView line;
    for (qsizetype fileLine = header.linesRead + 1; lines.next(line); ++fileLine) {
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
