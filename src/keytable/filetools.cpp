#include "keytable/filetools.h"

#include "core/moduleroutines.h"
#include "core/textfile.h"
#include "core/vbtext.h"

#include <QDir>

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

OptimiseResult OptimiseFile(core::ProgramState& state, const QString& path,
                            const QString& workFolder,
                            const std::function<bool(const QString& path)>& confirmReplace) {
    OptimiseResult result;
    core::TextFileReader reader;
    if (path.isEmpty() || !core::FileExists(path) || !reader.open(path))
        return result;

    const OptimisedText optimised = optimiseLines(reader.lines());
    state.HeaderDone = false;
    result.workFile = optimiseWorkFile(workFolder);
    if (!core::writeTextFile(result.workFile, optimised.lines, &result.errorText)) {
        result.outcome = OptimiseOutcome::WorkFileFailed;
        return result;
    }
    state.LineCount = static_cast<double>(optimised.dataLines);

    if (!confirmReplace(path)) {
        result.outcome = OptimiseOutcome::Declined;
        return result;
    }
    const std::optional<QString> backup = optimiseBackupFile(path);
    if (!backup) {
        result.outcome = OptimiseOutcome::NoBackupName;
        return result;
    }
    result.backupFile = *backup;
    if (!core::copyFileAtomically(path, *backup, &result.errorText)) {
        result.outcome = OptimiseOutcome::BackupFailed;
        return result;
    }
    result.outcome = core::copyFileAtomically(result.workFile, path, &result.errorText)
                         ? OptimiseOutcome::Replaced
                         : OptimiseOutcome::ReplaceFailed;
    return result;
}

} // namespace sylvane::keytable
