#include "keytable/filetools.h"

#include "core/moduleroutines.h"
#include "core/regularfile.h"
#include "core/safewrite.h"
#include "core/textfile.h"
#include "core/vbtext.h"
#include "keytable/currentfolder.h"

#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace sylvane::keytable {

std::optional<qsizetype> findFieldLine(const QStringList& lines) {
    QString key;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const core::KeyValue kv = core::splitKeyValue(lines[i]);
        if (kv.hasKey)
            key = kv.key;
        if (key == u"CHAMP"_s)
            return i;
    }
    return std::nullopt;
}

FieldCountReport checkFieldCounts(const QStringList& lines, int declaredFields,
                                  const QString& separator) {
    FieldCountReport report;
    const std::optional<qsizetype> fieldLine = findFieldLine(lines);
    if (!fieldLine)
        return report;
    report.fieldLineFound = true;
    const QString sep = separator.isEmpty() ? u";"_s : separator;
    for (qsizetype i = *fieldLine + 1; i < lines.size(); ++i) {
        const QString& line = lines[i];
        const int values = line.isEmpty() ? 0 : static_cast<int>(line.count(sep)) + 1;
        if (values != declaredFields)
            report.mismatches.push_back({static_cast<qint64>(i) + 1, values});
    }
    return report;
}

QString optimiseDataLine(QString line) {
    // In this order: a later rule may join what an earlier one left apart.
    static const std::pair<QString, QString> rules[] = {
        {u"\t"_s, u" "_s}, {u"  "_s, u" "_s}, {u" ;"_s, u";"_s},
        {u"; "_s, u";"_s}, {u" ,"_s, u","_s}, {u" ."_s, u"."_s},
    };
    for (const auto& [find, replacement] : rules)
        core::ReplaceAll(find, replacement, line);
    return line;
}

OptimisedText optimiseLines(const QStringList& lines) {
    OptimisedText result;
    const std::optional<qsizetype> fieldLine = findFieldLine(lines);
    if (!fieldLine) {
        result.lines = lines;
        return result;
    }
    const qsizetype headerEnd = *fieldLine + 1;
    result.lines.reserve(lines.size());
    for (qsizetype i = 0; i < headerEnd; ++i)
        result.lines.append(lines[i]);
    for (qsizetype i = headerEnd; i < lines.size(); ++i)
        result.lines.append(optimiseDataLine(lines[i]));
    result.dataLines = lines.size() - headerEnd;
    return result;
}

QString optimiseWorkFile(const QString& workFolder) {
    return QDir(workFolder).filePath(u"$$temp.txt"_s);
}

// The backup takes the file's name up to its first "." in the same folder. Only the name
// is looked at: a "." in a folder name (common on Linux: "~/.local/...") must not send the
// backup to another folder under another name.
std::optional<QString> optimiseBackupFile(const QString& path) {
    const QString folder = core::FolderOf(path);
    const std::optional<QString> stem = core::StripExtension(path.sliced(folder.size()));
    if (!stem)
        return std::nullopt;
    return folder + *stem + u".bak"_s;
}

namespace {

// The backup's name, never the table itself: a table named "x.bak" (or reached through
// a link from the backup's name) gets "x.bak.bak".
QString backupBeside(const keytable::ProgramState& state, QString backup, const QString& table) {
    while (QFileInfo(keytable::resolvedPath(state, backup)).canonicalFilePath() == table)
        backup += u".bak"_s;
    return backup;
}

// The message of a file the optimisation does not read; empty for a missing one, which
// is passed over in silence as a cancelled dialog is.
QString refusalText(core::FileCheck check, const QString& path) {
    switch (check) {
    case core::FileCheck::NotRegular:
        return u"Le fichier "_s + path +
               u" n'est pas un fichier ordinaire : il n'est pas optimisé."_s;
    case core::FileCheck::TooLarge:
        return core::tooLargeFileMessage(path);
    case core::FileCheck::Readable:
    case core::FileCheck::Missing:
        break;
    }
    return {};
}

} // namespace

OptimiseResult OptimiseFile(keytable::ProgramState& state, const QString& path,
                            const QString& workFolder,
                            const std::function<bool(const QString& path)>& confirmReplace) {
    OptimiseResult result;
    if (path.isEmpty())
        return result;
    // Through a link, the file it points to is the one backed up and replaced.
    const QString table = QFileInfo(keytable::resolvedPath(state, path)).canonicalFilePath();
    QByteArray original;
    const core::FileCheck check = core::readRegularFile(table, original);
    if (check != core::FileCheck::Readable) {
        result.errorText = refusalText(check, path);
        if (!result.errorText.isEmpty())
            result.outcome = OptimiseOutcome::Refused;
        return result;
    }

    // The optimised text goes back in the encoding the file was read in.
    const core::TextEncoding encoding = core::detectEncoding(original);
    const OptimisedText optimised = optimiseLines(core::decodeLines(original, encoding));
    const QByteArray text = core::encodeLines(optimised.lines, encoding);
    result.workFile = optimiseWorkFile(workFolder);
    core::WriteError error;
    if (!core::replaceFileContents(result.workFile, text, &error)) {
        result.errorText = error.text();
        result.outcome = OptimiseOutcome::WorkFileFailed;
        return result;
    }
    // The file size limit keeps the count of its lines far below the range of an int.
    state.OptimisedLineCount = static_cast<int>(optimised.dataLines);

    if (!confirmReplace(path)) {
        result.outcome = OptimiseOutcome::Declined;
        return result;
    }
    const std::optional<QString> backup = optimiseBackupFile(path);
    if (!backup) {
        result.outcome = OptimiseOutcome::NoBackupName;
        return result;
    }
    result.backupFile = backupBeside(state, *backup, table);
    const QString backupPath = keytable::resolvedPath(state, result.backupFile);
    if (!core::replaceFileContents(backupPath, original, &error)) {
        result.errorText = error.text();
        result.outcome = OptimiseOutcome::BackupFailed;
        return result;
    }
    // The table is touched only once its copy reads back whole.
    QByteArray copy;
    if (core::readRegularFile(backupPath, copy) != core::FileCheck::Readable || copy != original) {
        result.errorText = u"vérification de la copie : elle ne relit pas comme l'original"_s;
        result.outcome = OptimiseOutcome::BackupFailed;
        return result;
    }
    if (!core::replaceFileContents(table, text, &error)) {
        result.errorText = error.text();
        result.outcome = OptimiseOutcome::ReplaceFailed;
        return result;
    }
    result.outcome = OptimiseOutcome::Replaced;
    return result;
}

} // namespace sylvane::keytable
