#include "keytable/keytablereader.h"

#include "core/boundedtext.h"
#include "core/moduleroutines.h"
#include "core/textfile.h"
#include "core/vbtext.h"

#include <array>
#include <unordered_set>

using namespace Qt::StringLiterals;
using sylvane::core::MaxFields;
using sylvane::core::MaxRows;

namespace sylvane::keytable {

QString lineLimitMessage() {
    return u" nb maxi de lignes = "_s + QString::number(MaxRows);
}

QString tooManyValuesMessage(int row, int values, int declaredFields, const QString& line) {
    return u" erreur ligne %1 : nb de choix :%2 > Nb champs : %3 / cf : "_s.arg(row)
               .arg(values)
               .arg(declaredFields) +
           core::quotedLine(line);
}

QString tooManyFieldValuesMessage(int row, int values, const QString& line) {
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

// Cells of a column repeat the same few texts: each distinct text is allocated once and
// the cells share it, which makes loading a full table several times faster.
class CellTexts {
  public:
    CellTexts() { texts_.reserve(1 << 15); }
    QString get(QStringView text) {
        const auto found = texts_.find(text);
        if (found != texts_.end())
            return *found;
        return *texts_.insert(text.toString()).first;
    }

  private:
    struct Hash {
        using is_transparent = void;
        std::size_t operator()(QStringView v) const noexcept { return qHash(v); }
    };
    struct Equal {
        using is_transparent = void;
        bool operator()(QStringView a, QStringView b) const noexcept { return a == b; }
    };
    std::unordered_set<QString, Hash, Equal> texts_;
};

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
        const QChar sep = separator.front();
        for (qsizetype i = 0; i < line.size(); ++i)
            if (line[i] == sep) {
                store(i);
                start = i + 1;
            }
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
    qsizetype fieldLineIndex = -1; // index of the CHAMP line among all lines
};

// Reads the header lines; fills the title, comments and field names.
HeaderResult readHeaderLines(core::ProgramState& state, const QStringList& lines, LoadSink& sink) {
    HeaderResult result;
    QString key;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString& line = lines[i];
        if (core::isBlankLine(line))
            continue;
        const core::KeyValue kv = core::splitKeyValue(line);
        if (kv.hasKey)
            key = kv.key;
        if (key == u"TITRE"_s) {
            sink.titleRead(kv.value);
        } else if (key == u"COMMENTAIRE"_s || key == u"COM"_s) {
            sink.commentRead(kv.value);
        } else if (key == u"CHAMP"_s) {
            result.fieldLineFound = true;
            result.fieldLineIndex = i;
            const qsizetype names =
                kv.value.count(state.Separator.isEmpty() ? u";"_s : state.Separator) + 1;
            if (names > MaxFields) {
                result.fieldLineTooLong = true;
                sink.refused(
                    tooManyFieldNamesMessage(static_cast<int>(i + 1), static_cast<int>(names)));
                return result;
            }
            QString list = kv.value;
            int count = 0;
            core::SplitFieldList(list, count, state.FieldNames,
                                 state.Separator.isEmpty() ? u";"_s : state.Separator);
            state.FieldCount = static_cast<qint16>(count);
            state.DeclaredFieldCount = state.FieldCount;
            return result;
        }
    }
    return result;
}

bool readLines(const QString& path, QStringList& lines, LoadSink& sink) {
    if (!core::FileExists(path))
        return false;
    core::TextFileReader reader;
    if (!reader.open(path)) {
        if (reader.check() == core::FileCheck::TooLarge)
            sink.refused(core::tooLargeFileMessage(path));
        return false;
    }
    lines = reader.lines();
    return true;
}

} // namespace

bool ReadHeader(core::ProgramState& state, const QString& path, LoadSink& sink) {
    core::ClearKeyTable(state);
    state.FieldCount = 0;
    state.DeclaredFieldCount = 0;
    QStringList lines;
    if (!readLines(path, lines, sink))
        return false;
    readHeaderLines(state, lines, sink);
    return true;
}

LoadOutcome LoadKeyTable(core::ProgramState& state, const QString& path, LoadSink& sink) {
    state.HeaderDone = false;
    // The table is emptied as it is rewritten: every row this load reaches gets all its
    // cells written, and the rows past the last one are cleared at the end. A full table
    // is thereby touched once instead of twice.
    const int previousRows = state.KeyTable.rowsInUse();
    for (QString& name : state.FieldNames)
        name.clear();
    state.FieldCount = 0;
    state.DeclaredFieldCount = 0;
    QStringList lines;
    if (!readLines(path, lines, sink)) {
        core::ClearKeyTable(state);
        return LoadOutcome::NotFound;
    }

    const QString separator = state.Separator.isEmpty() ? u";"_s : state.Separator;
    const HeaderResult header = readHeaderLines(state, lines, sink);
    if (header.fieldLineTooLong) {
        core::ClearKeyTable(state);
        state.FieldCount = 0;
        state.DeclaredFieldCount = 0;
        state.LineCount = 0;
        return LoadOutcome::RefusedHeader;
    }

    sink.busy(true);
    // Header pass: every header line takes a row, blank or not; a file without a field
    // line is all header.
    const qsizetype headerLines = header.fieldLineFound ? header.fieldLineIndex + 1 : lines.size();
    int row = 0;
    LoadOutcome outcome = LoadOutcome::Complete;
    if (headerLines > MaxRows) {
        core::ClearKeyTable(state);
        sink.busy(false);
        sink.refused(lineLimitMessage());
        state.LineCount = 0;
        return LoadOutcome::LineLimit;
    }
    row = static_cast<int>(headerLines);
    state.HeaderDone = false;
    for (int r = 0; r <= row; ++r)
        state.KeyTable.clearRow(r);

    // Data pass.
    CellTexts cellTexts;
    std::array<QStringView, MaxFields + 2> pieces;
    const int limit = static_cast<int>(state.DeclaredFieldCount) + 1;
    for (qsizetype i = headerLines; i < lines.size(); ++i) {
        const QString& line = lines[i];
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
        const QStringView view(line);
        const qsizetype values = splitValues(view, separator, pieces);
        if (values > limit || values > MaxFields) {
            outcome = LoadOutcome::RefusedLine;
            sink.busy(false);
            sink.refused(values > limit
                             ? tooManyValuesMessage(row, static_cast<int>(values),
                                                    state.DeclaredFieldCount, line)
                             : tooManyFieldValuesMessage(row, static_cast<int>(values), line));
            break;
        }
        sink.dataLineStored(row, line);
        for (int field = 0; field <= MaxFields; ++field) {
            const QStringView piece = field >= 1 && field <= values ? pieces[field] : QStringView();
            const QString& cell = state.KeyTable(row, field);
            if (cell == piece)
                continue; // already there (the same table read again)
            if (piece.isEmpty()) {
                state.KeyTable.set(row, field, QString());
                continue;
            }
            // Neighbouring rows often repeat a value: share the cell above when it matches.
            const QString& above = state.KeyTable(row - 1, field);
            state.KeyTable.set(row, field, above == piece ? above : cellTexts.get(piece));
        }
    }
    // Rows up to the last stored one are in use.
    state.LineCount = outcome == LoadOutcome::Complete ? row : row - 1;
    for (int r = static_cast<int>(state.LineCount) + 1; r <= previousRows; ++r)
        state.KeyTable.clearRow(r);
    sink.busy(false);
    return outcome;
}

} // namespace sylvane::keytable
